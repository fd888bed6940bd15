#include "ol/data/files/competitions.h"

#include <string>

#include "base/messages/messages.h"
#include "base/settings/settings_state.h"
#include "base/text/number_format.h"
#include "base/text/windows1252.h"
#include "ol/data/files/club_table_file.h"
#include "ol/data/files/file_groups.h"
#include "ol/data/files/file_names.h"
#include "ol/data/files/fileblock_handles.h"
#include "ol/data/files/storage_failure.h"
#include "ol/data/records/record_numbers.h"
#include "ol/data/records/record_text.h"
#include "storage/access_layer.h"

namespace oltoma::ol {
namespace {

constexpr int kMaxCompetitionsMessage = 526;
constexpr int kInformationCode = 201;

// The competition register, open for the life of one operation. Opening and
// closing refresh the counts.
class CompetitionRegister {
public:
    CompetitionRegister() {
        OpenDataFile(block_, kCompetitionRegisterBase);
        RefreshCounts();
    }
    ~CompetitionRegister() { Close(); }
    CompetitionRegister(const CompetitionRegister&) = delete;
    CompetitionRegister& operator=(const CompetitionRegister&) = delete;

    bool IsOpen() const { return block_ != nullptr; }

    // Closes the register early (other operations open it themselves).
    void Close() {
        if (block_ != nullptr) {
            RefreshCounts();
            CloseDataFile(block_, kCompetitionRegisterBase);
        }
    }
    storage::FileBlock* Block() const { return block_; }

    void RefreshCounts() {
        OlState& ol = Ol();
        ol.CompetitionSlots = 0;
        ol.CompetitionsUsed = 0;
        if (block_ != nullptr) {
            ol.CompetitionSlots = storage::FileLen(block_);
            ol.CompetitionsUsed = storage::UsedRecs(block_);
        }
    }

    // Reads competition n (1..8, a record of the register) into `record`;
    // `live` tells whether it is a live one. False on a storage failure.
    bool Read(int n, InfoRec& record, bool& live) {
        live = false;
        if (!IsCompetitionNumber(n)) {
            return true;
        }
        storage::GetRec(block_, n, &record);
        if (!storage::IsamSucceeded()) {
            ReportStorageFailure(kCompetitionRegisterBase);
            return false;
        }
        live = record.DataStatus == 0;
        return true;
    }

    bool IsCompetitionNumber(int n) const {
        return block_ != nullptr && n >= 1 && n <= kMaxCompetitions &&
               IsRecordNumberInFile(n, Ol().CompetitionSlots);
    }

    bool IsLive(int n) {
        InfoRec record;
        bool live = false;
        return Read(n, record, live) && live;
    }

private:
    storage::FileBlock* block_ = nullptr;
};

int NumberOfText(std::string_view text) {
    int n = 0;
    for (char c : text.substr(0, 2)) {
        if (c < '0' || c > '9') {
            return 0;
        }
        n = n * 10 + (c - '0');
    }
    return n;
}

void TakeCompetition(const InfoRec& record, int n) {
    OlState& ol = Ol();
    ol.competition.rec = record;
    ol.competition.rc = n;
    ol.CurrentCompetition = n;
    ol.Recreational = IsRecreational(record);
}

bool RefuseNewCompetition(int& n) {
    SetMessageLine(msgtext(kMaxCompetitionsMessage));
    n = 0;
    return false;
}

// Adds the competition buffer as a new record; its number must be 1..8.
bool AddCompetition(CompetitionRegister& reg, int& n) {
    InfoRec& record = Ol().competition.rec;
    if (Ol().CompetitionsUsed >= kMaxCompetitions) {
        return RefuseNewCompetition(n);
    }
    const std::int32_t added = storage::AddRec(reg.Block(), &record);
    if (!storage::IsamSucceeded()) {
        ReportStorageFailure(kCompetitionRegisterBase);
        n = 0;
        return false;
    }
    if (added > kMaxCompetitions) {
        // The register holds slots beyond the eight numbers (a leaked slot);
        // the menus could not show this one.
        storage::DeleteRec(reg.Block(), added);
        return RefuseNewCompetition(n);
    }
    n = added;
    record.Lnr = IntZeroPadded(n, 2);
    return true;
}

std::string QuotedBase(std::string_view base, int n) {
    return "\"" + CompetitionBaseName(base, n) + "\"";
}

// Deletes the five files of competition n in their order; returns the list
// of the ones deleted, each failure shown as it happens.
std::string DeleteCompetitionFiles(int n) {
    const std::string_view bases[] = {kClassFileBase, kClubTableBase, kParticipantFileBase,
                                      kCourseFileBase, kControlFileBase};
    std::string deleted;
    for (std::string_view base : bases) {
        bool ok = false;
        if (base == kClubTableBase) {
            ok = DeleteClubTableFile(n);
        } else {
            storage::DeleteFileBlock(DataFileName(CompetitionBaseName(base, n)));
            ok = storage::IsamSucceeded();
        }
        if (ok) {
            deleted += QuotedBase(base, n) + " ";
        } else {
            SetMessageLine("Filerna " + QuotedBase(base, n) + " kunde inta raderas!");
            ConfirmMessage(kInformationCode);
        }
    }
    return deleted;
}

}  // namespace

bool RefreshCompetitionCounts() {
    const CompetitionRegister reg;
    return reg.IsOpen();
}

bool FindCompetition(int mode, std::string_view text, int& n, bool& notFound, bool& ok) {
    OlState& ol = Ol();
    CompetitionRegister reg;
    switch (mode) {
        case 0:
        case 3:
            n = NumberOfText(text);
            break;
        case 2:
            n = ol.CurrentCompetition + 1;
            break;
        case 4:
            n = 0;
            break;
        default:
            break;
    }
    InfoRec record;
    bool live = false;
    ok = reg.IsOpen() && reg.Read(n, record, live);
    notFound = !live;
    if (live) {
        ConvertAfterRead(record);
        TakeCompetition(record, n);
    } else {
        n = 0;
    }
    return !notFound;
}

bool SaveCompetition(bool add, int& n) {
    OlState& ol = Ol();
    CompetitionRegister reg;
    if (!reg.IsOpen()) {
        // The register is gone (its folder may have been removed): the line
        // must say so, not keep an older text.
        ReportStorageFailure(kCompetitionRegisterBase);
        return false;
    }
    InfoRec& record = ol.competition.rec;
    InfoRec old{};
    if (add) {
        if (!AddCompetition(reg, n)) {
            return false;
        }
    } else {
        bool live = false;
        if (!reg.Read(n, old, live) || !live) {
            return false;
        }
    }
    ConvertBeforeWrite(record);
    record.DataStatus = 0;
    storage::PutRec(reg.Block(), n, &record);
    if (!storage::IsamSucceeded()) {
        ReportStorageFailure(kCompetitionRegisterBase);
        if (add) {
            storage::DeleteRec(reg.Block(), n);
            n = 0;
        } else {
            storage::PutRec(reg.Block(), n, &old);
        }
        return false;
    }
    TakeCompetition(record, n);
    return true;
}

bool StoreCompetition(int n) {
    if (n == 0) {
        return false;
    }
    return SaveCompetition(false, n);
}

void ClearCompetitionRecord() {
    OlState& ol = Ol();
    ClearInfoRec(ol.competition.rec);
    ol.competition.rc = 0;
    ol.CurrentCompetition = 0;
    ol.Recreational = false;
}

void SelectCompetition(bool clear, int n) {
    OlState& ol = Ol();
    if (!ol.CommonFilesOpen) {
        WorkingGlobalSettings().currentNumber = 0;
        return;
    }
    if (ol.CompetitionSlots > kMaxCompetitions && n == 0) {
        SetMessageLine(msgtext(kMaxCompetitionsMessage));
        return;
    }
    CloseParticipantFiles();
    CloseDefinitionFiles();
    ClearClubTable();
    if (n > 0) {
        bool notFound = true;
        bool ok = false;
        FindCompetition(1, {}, n, notFound, ok);
        ol.CurrentCompetition = n;
        OpenParticipantFiles();
    } else if (clear) {
        ClearCompetitionRecord();
        ClearClubTable();
    }
}

void ReopenCompetition() {
    OlState& ol = Ol();
    GlobalSettings& settings = WorkingGlobalSettings();
    const int c = settings.currentNumber;
    if (c > 0 && c <= ol.CompetitionSlots && ol.CommonFilesOpen) {
        SelectCompetition(true, c);
        ol.workArea[0] = 0;
    } else {
        settings.currentNumber = 0;
    }
}

bool DeleteCompetition(int n, bool confirm) {
    OlState& ol = Ol();
    if (ol.ParticipantFilesOpen || ol.DefinitionFilesOpen || !ol.CommonFilesOpen ||
        !IsRecordNumberInFile(n, ol.CompetitionSlots)) {
        return false;
    }
    ol.CurrentCompetition = n;
    {
        CompetitionRegister reg;
        InfoRec record;
        bool live = false;
        if (!reg.Read(n, record, live) || !live) {
            ol.CurrentCompetition = 0;
            return false;
        }
        ConvertAfterRead(record);
        TakeCompetition(record, n);
    }
    if (confirm && AskBeforeDestroying("OlDataBas: " + ol.competition.rec.Tvl.str() +
                                       " raderas ") != platform::MessageResult::Yes) {
        return false;
    }
    SetMessageLine(DeleteCompetitionFiles(n));
    CompetitionRegister reg;
    storage::DeleteRec(reg.Block(), n);
    const bool deleted = storage::IsamSucceeded();
    if (!deleted) {
        ReportStorageFailure(kCompetitionRegisterBase);
    }
    reg.RefreshCounts();
    ol.CurrentCompetition = 0;
    return deleted;
}

std::array<CompetitionMenuEntry, kMaxCompetitions> ReadCompetitionMenuEntries() {
    OlState& ol = Ol();
    std::array<CompetitionMenuEntry, kMaxCompetitions> entries;
    if (!ol.CommonFilesOpen) {
        return entries;
    }
    StoreCompetition(ol.CurrentCompetition);
    CompetitionRegister reg;
    for (int n = 1; n <= kMaxCompetitions; ++n) {
        InfoRec record;
        bool live = false;
        if (!reg.IsCompetitionNumber(n) || !reg.Read(n, record, live)) {
            continue;
        }
        CompetitionMenuEntry& entry = entries[n - 1];
        if (live) {
            ConvertAfterRead(record);
            entry.state = CompetitionMenuEntry::State::live;
            entry.name = record.Tvl.str();
        } else {
            entry.state = CompetitionMenuEntry::State::deleted;
        }
    }
    const int c = ol.CurrentCompetition;
    const bool currentGone = c != 0 && !reg.IsLive(c);
    reg.Close();
    if (currentGone) {
        CloseParticipantFiles();
        ol.CurrentCompetition = 0;
    }
    return entries;
}

}  // namespace oltoma::ol
