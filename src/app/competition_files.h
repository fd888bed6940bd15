// What the main window asks of the competition file set: which file groups
// are open, how many live records the open files hold, the competitions of
// the competition register, and the operations its competition commands
// and its definition-file commands run. The orienteering data layer
// implements it; until that layer is plugged in, NoCompetitionFiles stands
// in and reports that the data directory holds no data files.
//
// Texts are Windows-1252. Nothing here reports failures by exception: an
// operation that fails leaves its group closed (the flags say so) and its
// texts in MessageLine.
#pragma once

#include <array>
#include <string>

namespace oltoma {

// The competitions the "välj" and "radera" menus show: numbers 1..8.
inline constexpr int kCompetitionMenuEntries = 8;

// The most competitions that may live side by side.
inline constexpr int kMaxCompetitions = 8;

enum class CompetitionState {
    Vacant,   // no record of that number
    Deleted,  // a deleted record
    Live
};

struct CompetitionEntry {
    CompetitionState state = CompetitionState::Vacant;
    std::string name;  // Tvl of a live competition
};

// Records 1..8 of the competition register (entry i is competition i + 1).
using CompetitionEntries = std::array<CompetitionEntry, kCompetitionMenuEntries>;

// The files whose live records decide which menu entries are enabled.
enum class CountedFile { Clubs, RouteDescriptions, Participants, Courses, Controls };

class CompetitionFiles {
public:
    virtual ~CompetitionFiles() = default;

    // Start and end of the orienteering layer (record buffers, storage
    // engine); OlShutdown also stores the current competition and data
    // directory into the program's slot of the settings.
    virtual void OlStartup() = 0;
    virtual void OlShutdown() = 0;

    // The file groups. Opening a group whose files are missing leaves it
    // closed; closing a closed group does nothing.
    virtual void OpenCommonFiles() = 0;
    virtual void CloseCommonFiles() = 0;
    virtual bool CommonFilesOpen() const = 0;
    virtual void OpenParticipantFiles() = 0;
    virtual void CloseParticipantFiles() = 0;
    virtual bool ParticipantFilesOpen() const = 0;
    virtual void OpenDefinitionFiles() = 0;
    virtual void CloseDefinitionFiles() = 0;
    virtual bool DefinitionFilesOpen() const = 0;

    // Opens the competition whose number the settings remember (current
    // number of GlobalSettings), if it exists; otherwise that number
    // becomes 0.
    virtual void ReopenCompetition() = 0;

    // Live records of a file of an open group (0 when its group is closed).
    // Clubs and route descriptions belong to the common files, participants
    // to the participant files, courses and controls to the definition
    // files.
    virtual int LiveRecords(CountedFile file) = 0;

    // The competition whose files are used (0: none).
    virtual int CurrentCompetition() const = 0;
    // The competition register's slot count (highest number + 1) and its
    // live competitions, as last read.
    virtual int CompetitionSlots() const = 0;
    virtual int CompetitionsUsed() const = 0;

    // Name (Tvl) and organiser (Arr) of the current competition.
    virtual std::string CurrentCompetitionName() const = 0;
    virtual std::string CurrentCompetitionOrganiser() const = 0;

    // Reads the register for the competition menus: writes the current
    // competition's record back first (so that the menus show what was
    // edited), reads records 1..8, and when the current competition's
    // record is deleted there is no current competition any more. Only
    // called while the common files are open.
    virtual CompetitionEntries ReadCompetitionEntries() = 0;

    // Makes competition n current (looked up by its number; 0 or a number
    // not found: no current competition). Does not open its files.
    virtual void MakeCompetitionCurrent(int n) = 0;

    // Deletes competition n with its files after asking the user; only with
    // the participant files closed.
    virtual void DeleteCompetition(int n) = 0;

    // The competition information dialog, for a new competition (add) or
    // the current one.
    virtual void EditCompetitionInformation(bool add) = 0;
};

// A data directory without data files: every group stays closed, nothing is
// counted, no competition exists.
class NoCompetitionFiles final : public CompetitionFiles {
public:
    void OlStartup() override {}
    void OlShutdown() override {}
    void OpenCommonFiles() override {}
    void CloseCommonFiles() override {}
    bool CommonFilesOpen() const override { return false; }
    void OpenParticipantFiles() override {}
    void CloseParticipantFiles() override {}
    bool ParticipantFilesOpen() const override { return false; }
    void OpenDefinitionFiles() override {}
    void CloseDefinitionFiles() override {}
    bool DefinitionFilesOpen() const override { return false; }
    void ReopenCompetition() override;
    int LiveRecords(CountedFile) override { return 0; }
    int CurrentCompetition() const override { return 0; }
    int CompetitionSlots() const override { return 0; }
    int CompetitionsUsed() const override { return 0; }
    std::string CurrentCompetitionName() const override { return {}; }
    std::string CurrentCompetitionOrganiser() const override { return {}; }
    CompetitionEntries ReadCompetitionEntries() override { return {}; }
    void MakeCompetitionCurrent(int) override {}
    void DeleteCompetition(int) override {}
    void EditCompetitionInformation(bool) override {}
};

}  // namespace oltoma
