#include "ol/data/files/delete_all_participants.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "base/messages/message_owner_stack.h"
#include "base/messages/messages.h"
#include "base/messages/progress.h"
#include "base/text/windows1252.h"
#include "ol/data/files/competitions.h"
#include "ol/data/files/file_formats.h"
#include "ol/data/files/file_names.h"
#include "ol/data/files/fileblock_handles.h"
#include "ol/data/files/ol_state.h"
#include "ol/data/files/registers.h"
#include "ol/data/files/storage_failure.h"
#include "ol/data/records/result_codes.h"
#include "platform/system_error.h"
#include "storage/access_layer.h"
#include "storage/file_primitives.h"
#include "storage/fileblock_names.h"

namespace oltoma::ol {
namespace {

constexpr int kProgressLines = 3;  // one status line
constexpr std::string_view kNewFileSuffix = "NY";

bool HasParticipants() {
    const OlState& ol = Ol();
    if (!ol.ParticipantFilesOpen) {
        return false;
    }
    const std::int32_t used = storage::UsedRecs(ol.participantFile);
    return storage::IsamSucceeded() && used > 0;
}

// Puts the new fileblock's data and index files in place of the old ones.
// The index goes first: should the data file fail to follow, the old
// participants are still there and a rebuild of the indexes recovers them.
bool MoveIntoPlace(const storage::FileBlockNames& from, const storage::FileBlockNames& to) {
    ClearStorageStatus();
    // The old journal belongs to the old files; the next open makes a new one.
    if (!storage::DeleteFile(to.journal) &&
        storage::IsamDosError() != platform::SystemError::kFileNotFound) {
        return false;
    }
    return storage::RenameFile(from.index, to.index) && storage::RenameFile(from.data, to.data) &&
           storage::FlushDirectoryOf(to.data);
}

// Replaces OLnn by an empty participant file and opens it. False, with the
// failure in MessageLine, when the old file had to stay (it is then open
// again if it could be).
bool RecreateParticipantFile() {
    OlState& ol = Ol();
    const std::string base = CompetitionBaseName(kParticipantFileBase, ol.CurrentCompetition);
    const std::string newBase = base + std::string(kNewFileSuffix);
    if (!CreateIndexedFile(newBase, ParticipantFileFormat())) {
        ReportStorageFailure(newBase);
        storage::DeleteFileBlock(DataFileName(newBase));
        return false;
    }
    CloseDataFile(ol.participantFile, base);
    const bool moved = MoveIntoPlace(storage::NamesOfFileBlock(DataFileName(newBase)),
                                     storage::NamesOfFileBlock(DataFileName(base)));
    if (!moved) {
        ReportStorageFailure(base);
        storage::DeleteFileBlock(DataFileName(newBase));
    }
    if (!OpenDataFile(ol.participantFile, base)) {
        ol.ParticipantFilesOpen = false;
        return false;
    }
    return moved;
}

void ResetCompetitionCounters() {
    OlState& ol = Ol();
    InfoRec& info = ol.competition.rec;
    std::memset(&info.Count, 0, sizeof info.Count);
    std::memset(info.ResIndex, 0, sizeof info.ResIndex);
    std::memset(info.StTidCount, 0, sizeof info.StTidCount);
    info.Lottad = 0;
    info.gLottad = 0;
    info.cLottad = 0;
    info.sLottad = 0;
    info.Jaktad = 0;
    info.maxDag = 0;
    StoreCompetition(ol.CurrentCompetition);
}

void ResetClass(KlassRec& klass) {
    klass.FrstStNr = 0;
    klass.StNrCount = 0;
    klass.Flag = 0;
    klass.FirstDataNr = 0;
    klass.LastDataNr = 0;
    klass.eftAnm[0] = -1;
    klass.eftAnm[1] = -1;
    std::memset(&klass.Count, 0, sizeof klass.Count);
    std::memset(klass.SegrNdx, 0, sizeof klass.SegrNdx);
    std::fill(&klass.SegrTid[0][0], &klass.SegrTid[0][0] + kCountGroupCount * kPositionCount,
              kEjStartTime);
}

// Every class in designation order.
void ResetClasses() {
    OlState& ol = Ol();
    std::int32_t rc = 0;
    bool notFound = true;
    bool ok = false;
    FindClass(FindMode::kReset, {}, rc, notFound, ok);
    while (FindClass(FindMode::kNext, {}, rc, notFound, ok)) {
        ProgressLine(2, Windows1252FromUtf8("Nollställer Klass:") + ol.klass.rec.Bet.str());
        ResetClass(ol.klass.rec);
        RewriteClass(rc);
    }
}

void ResetClubCounters() {
    CmpClubRec& table = Ol().clubTable;
    table.Counter = 0;
    for (int club = 1; club <= kClubTableClubs; ++club) {
        SetEntryCount(table, club, 0);
    }
}

}  // namespace

bool DeleteAllParticipants() {
    if (!HasParticipants() || AskBeforeDestroying("Alla Persondata kommer att raderas Ok!") !=
                                  platform::MessageResult::Yes) {
        return false;
    }
    OpenProgress(CurrentMessageOwner(), kProgressLines, "Skapar nya personfiler", false);
    const bool recreated = RecreateParticipantFile();
    if (recreated) {
        ResetCompetitionCounters();
        ResetClasses();
        ResetClubCounters();
    }
    ResetWorkAreaCounters();
    ClearParticipant();
    Ol().orderingTable[0] = 0;
    CloseProgress();
    return recreated;
}

}  // namespace oltoma::ol
