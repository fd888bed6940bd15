#include "ol/data/files/club_table_file.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <string>

#include "base/messages/messages.h"
#include "base/text/windows1252.h"
#include "ol/data/files/file_names.h"
#include "ol/data/files/ol_state.h"
#include "ol/data/files/registers.h"
#include "ol/data/files/storage_failure.h"
#include "ol/data/records/record_text.h"
#include "platform/system_error.h"
#include "storage/file_primitives.h"
#include "storage/isam_status.h"

namespace oltoma::ol {
namespace {

constexpr std::int64_t kClubTableBytes = sizeof(CmpClubRec);
constexpr int kInformationCode = 201;

void ShowClubTableFailure(std::string_view what, int errorNumber, bool dialog) {
    const std::string text = Windows1252FromUtf8(what) + "\"" +
                             ClubTableFileText(Ol().CurrentCompetition) + "\" " +
                             msgtext(errorNumber);
    if (dialog) {
        DisplayMessage(kInformationCode, text);
    } else {
        SetMessageLine(text);
    }
}

void ShowReadFailure(int errorNumber) {
    const bool missing = errorNumber == platform::SystemError::kFileNotFound ||
                         errorNumber == storage::IsamCode::kFileNotFound;
    ShowClubTableFailure("Fel vid läsning av ", errorNumber, !missing);
}

// Reads the whole file into `table`; false with the engine status set.
bool ReadWholeTable(storage::FileHandle& file, CmpClubRec& table) {
    std::int64_t size = 0;
    if (!storage::FileSize(file, size)) {
        return false;
    }
    if (size != kClubTableBytes) {
        storage::ReportIsamError(storage::IsamCode::kShortRead);
        return false;
    }
    return storage::ReadAt(file, 0, sizeof(CmpClubRec), &table);
}

// The temporary file is made anew: a leftover of its name (a symbolic link
// among them) is removed, never written through.
bool WriteTemporaryTable(storage::FileHandle& file, const std::string& name,
                         const CmpClubRec& table) {
    ClearStorageStatus();
    if (!storage::DeleteFile(name) &&
        storage::IsamDosError() != platform::SystemError::kFileNotFound) {
        return false;
    }
    ClearStorageStatus();
    return storage::CreateNewFile(file, name) &&
           storage::WriteAt(file, 0, sizeof(CmpClubRec), &table) && storage::FlushFile(file);
}

}  // namespace

bool ReadClubTable() {
    ClearStorageStatus();
    storage::FileHandle file;
    if (!storage::OpenFile(file, ClubTableFileName(Ol().CurrentCompetition), true, false)) {
        ShowReadFailure(FileFailureNumber());
        return false;
    }
    auto table = std::make_unique<CmpClubRec>();
    const bool read = ReadWholeTable(file, *table);
    const int failure = FileFailureNumber();
    storage::CloseFile(file);
    if (!read) {
        ShowReadFailure(failure);
        return false;
    }
    ConvertAfterRead(*table);
    Ol().clubTable = *table;
    return true;
}

bool WriteClubTable() {
    const int competition = Ol().CurrentCompetition;
    if (competition == 0) {
        return false;  // no competition, no table file
    }
    const std::string temporary = ClubTableTemporaryFileName(competition);
    ConvertBeforeWrite(Ol().clubTable);
    ClearStorageStatus();
    storage::FileHandle file;
    bool written = WriteTemporaryTable(file, temporary, Ol().clubTable);
    if (file.IsOpen()) {
        written = storage::CloseFile(file) && written;
    }
    written = written && storage::RenameFile(temporary, ClubTableFileName(competition)) &&
              storage::FlushDirectoryOf(temporary);
    if (!written) {
        const int failure = FileFailureNumber();
        storage::DeleteFile(temporary);
        ShowClubTableFailure("Fel vid skrivning av ", failure, true);
    }
    return written;
}

void ClearClubTable() {
    OlState& ol = Ol();
    ClearCmpClubRec(ol.clubTable, ol.competition.rec);
    ResetWorkAreaCounters();
    ClearParticipant();
    ol.orderingTable[0] = 0;
}

bool DeleteClubTableFile(int competition) {
    ClearStorageStatus();
    const std::string name = ClubTableFileName(competition);
    return storage::DeleteFile(name) ||
           storage::IsamDosError() == platform::SystemError::kFileNotFound;
}

}  // namespace oltoma::ol
