// A competition file set the test describes: whether the data directory
// holds a competition register, the competitions in it, how many live
// records each file holds, and whether the definition files open. It
// records the operations the window asks for.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "app/competition_files.h"
#include "base/settings_state.h"

namespace oltoma::testing {

class FakeCompetitionFiles final : public CompetitionFiles {
public:
    bool registerPresent = false;
    bool definitionFilesPresent = true;
    CompetitionEntries entries;
    std::map<int, std::string> organisers;  // by competition number
    std::map<CountedFile, int> live;
    std::vector<std::string> calls;

    // Makes competition n a live one named `name`.
    void AddCompetition(int n, const std::string& name, const std::string& organiser = "") {
        entries[n - 1] = {CompetitionState::Live, name};
        organisers[n] = organiser;
    }

    void OlStartup() override { calls.push_back("OlStartup"); }
    void OlShutdown() override { calls.push_back("OlShutdown"); }
    void OpenCommonFiles() override {
        calls.push_back("OpenCommonFiles");
        common_ = registerPresent;
        current_ = 0;
    }
    void CloseCommonFiles() override {
        calls.push_back("CloseCommonFiles");
        common_ = false;
    }
    bool CommonFilesOpen() const override { return common_; }
    void OpenParticipantFiles() override {
        calls.push_back("OpenParticipantFiles");
        participants_ = common_ && current_ != 0;
    }
    void CloseParticipantFiles() override {
        calls.push_back("CloseParticipantFiles");
        participants_ = false;
    }
    bool ParticipantFilesOpen() const override { return participants_; }
    void OpenDefinitionFiles() override {
        calls.push_back("OpenDefinitionFiles");
        definitions_ = common_ && current_ != 0 && definitionFilesPresent;
    }
    void CloseDefinitionFiles() override {
        calls.push_back("CloseDefinitionFiles");
        definitions_ = false;
    }
    bool DefinitionFilesOpen() const override { return definitions_; }
    void ReopenCompetition() override {
        calls.push_back("ReopenCompetition");
        const int remembered = WorkingGlobalSettings().currentNumber;
        MakeCompetitionCurrent(remembered);
        if (current_ != 0) {
            OpenParticipantFiles();
        } else {
            WorkingGlobalSettings().currentNumber = 0;
        }
    }
    int LiveRecords(CountedFile file) override {
        const bool open = file == CountedFile::Participants ? participants_
                          : file == CountedFile::Courses || file == CountedFile::Controls
                              ? definitions_
                              : common_;
        return open ? live[file] : 0;
    }
    int CurrentCompetition() const override { return current_; }
    int CompetitionSlots() const override {
        int highest = 1;
        for (int i = 0; i < kCompetitionMenuEntries; ++i) {
            if (entries[i].state != CompetitionState::Vacant) {
                highest = i + 2;
            }
        }
        return common_ ? highest : 0;
    }
    int CompetitionsUsed() const override {
        int used = 0;
        for (const CompetitionEntry& entry : entries) {
            used += entry.state == CompetitionState::Live ? 1 : 0;
        }
        return common_ ? used : 0;
    }
    std::string CurrentCompetitionName() const override {
        return current_ != 0 ? entries[current_ - 1].name : "";
    }
    std::string CurrentCompetitionOrganiser() const override {
        const auto found = organisers.find(current_);
        return found != organisers.end() ? found->second : "";
    }
    CompetitionEntries ReadCompetitionEntries() override {
        if (current_ != 0 && entries[current_ - 1].state != CompetitionState::Live) {
            current_ = 0;
        }
        return entries;
    }
    void MakeCompetitionCurrent(int n) override {
        const bool live = common_ && n >= 1 && n <= kCompetitionMenuEntries &&
                          entries[n - 1].state == CompetitionState::Live;
        current_ = live ? n : 0;
    }
    void DeleteCompetition(int n) override {
        calls.push_back("DeleteCompetition " + std::to_string(n));
        entries[n - 1].state = CompetitionState::Deleted;
        current_ = 0;
    }
    void EditCompetitionInformation(bool add) override {
        calls.push_back(add ? "EditCompetitionInformation new"
                            : "EditCompetitionInformation current");
    }

private:
    bool common_ = false;
    bool participants_ = false;
    bool definitions_ = false;
    int current_ = 0;
};

}  // namespace oltoma::testing
