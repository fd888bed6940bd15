// A data directory with a competition to maintain: helpers that add records
// through the register operations and delete them the way a register does
// (keys, then the record), and that read files back.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "base/text/number_format.h"
#include "data_layer_fixture.h"
#include "ol/data/files/registers.h"
#include "ol/data/maintenance/maintenance_messages.h"
#include "ol/data/records/club_counters.h"
#include "ol/data/records/entry_counts.h"
#include "ol/data/records/record_keys.h"
#include "storage/access_layer.h"

namespace oltoma::ol::testing {

class FileSetTest : public DataLayerTest {
protected:
    void SetUp() override {
        DataLayerTest::SetUp();
        StatusLines().clear();
        previousObserver = BindStatusLineObserver(&RecordStatusLine);
    }
    void TearDown() override {
        BindStatusLineObserver(previousObserver);
        DataLayerTest::TearDown();
    }

    static std::vector<std::string>& StatusLines() {
        static std::vector<std::string> lines;
        return lines;
    }
    static void RecordStatusLine(std::string_view line) {
        StatusLines().push_back(Utf8FromWindows1252(line));
    }
    bool StatusLineShown(std::string_view utf8) const {
        for (const std::string& line : StatusLines()) {
            if (line.find(utf8) != std::string::npos) {
                return true;
            }
        }
        return false;
    }

    std::int32_t AddClub(std::string_view name) {
        ClearClub();
        Ol().club.rec.Namn = Windows1252FromUtf8(name);
        std::int32_t rc = 0;
        EXPECT_TRUE(SaveClub(true, rc)) << Message();
        return rc;
    }
    void DeleteClub(std::int32_t rc) {
        ClubRec club;
        storage::GetRec(Ol().clubFile, rc, &club);
        storage::DeleteKey(Ol().clubFile, 1, rc, ClubKey(club.Namn));
        storage::DeleteRec(Ol().clubFile, rc);
        ASSERT_TRUE(storage::IsamSucceeded());
    }

    std::int32_t AddClass(std::string_view designation) {
        ClearClass();
        Ol().klass.rec.Bet = designation;
        std::int32_t rc = 0;
        EXPECT_TRUE(SaveClass(true, rc)) << Message();
        return rc;
    }
    void DeleteClass(std::int32_t rc) {
        KlassRec klass;
        storage::GetRec(Ol().classFile, rc, &klass);
        storage::DeleteKey(Ol().classFile, 1, rc, ClassSortOrderKey(klass.SortOrdn));
        storage::DeleteKey(Ol().classFile, 2, rc, ClassDesignationKey(klass.Bet));
        storage::DeleteRec(Ol().classFile, rc);
        ASSERT_TRUE(storage::IsamSucceeded());
    }

    std::int32_t AddParticipant(int number, std::int32_t club, std::int32_t klass,
                                std::string_view name = "Deltagare") {
        ClearParticipant();
        DeltRec& participant = Ol().participant.rec;
        participant.Nr = static_cast<std::int16_t>(number);
        participant.NrStr = IntZeroPadded(number, 4);
        participant.ClubRc = club;
        participant.KlassRc = klass;
        participant.Namn[0] = Windows1252FromUtf8(name);
        std::int32_t rc = 0;
        EXPECT_TRUE(SaveParticipant(true, rc)) << Message();
        return rc;
    }
    void DeleteParticipant(std::int32_t rc) {
        DeltRec participant;
        storage::GetRec(Ol().participantFile, rc, &participant);
        storage::DeleteKey(Ol().participantFile, 1, rc, ParticipantKey(participant.NrStr));
        storage::DeleteRec(Ol().participantFile, rc);
        ASSERT_TRUE(storage::IsamSucceeded());
    }

    // Sets the counters the participants give, as the index rebuild leaves
    // them: the classes' and the competition's Count and the club table's
    // entry counts and category counters (participant files open; the competition record and the
    // club table are written when they close).
    void CountEntries() {
        OlState& ol = Ol();
        std::vector<KlassRec> classes(static_cast<std::size_t>(storage::FileLen(ol.classFile)));
        for (std::size_t rc = 1; rc < classes.size(); ++rc) {
            storage::GetRec(ol.classFile, static_cast<std::int32_t>(rc), &classes[rc]);
            classes[rc].Count = CountType{};
        }
        ol.competition.rec.Count = CountType{};
        CmpClubRec& table = ol.clubTable;
        std::fill(std::begin(table.ClubEntryCount), std::end(table.ClubEntryCount), 0);
        for (ClubEntry& entry : table.Clubs) {
            std::fill(std::begin(entry.EntryCounters), std::end(entry.EntryCounters), 0);
        }
        for (std::int32_t rc = 1; rc < storage::FileLen(ol.participantFile); ++rc) {
            DeltRec participant;
            storage::GetRec(ol.participantFile, rc, &participant);
            if (participant.DataStatus != 0) {
                continue;
            }
            // A participant without a class (0) is counted in no class, and
            // one without a club (0) in no club entry.
            KlassRec* klass = participant.KlassRc > 0
                                  ? &classes.at(static_cast<std::size_t>(participant.KlassRc))
                                  : nullptr;
            if (CountClubEntry(table, participant, klass != nullptr ? klass->Bet.view() : "", 1)) {
                if (EntryCountOf(table, participant.ClubRc) == 0) {
                    SetEntryCount(table, 0, static_cast<std::int16_t>(EntryCountOf(table, 0) + 1));
                }
                SetEntryCount(
                    table, participant.ClubRc,
                    static_cast<std::int16_t>(EntryCountOf(table, participant.ClubRc) + 1));
            }
            if (klass != nullptr) {
                CountEntryInGroups(participant, klass->StrNr, klass->Count);
                CountEntryInGroups(participant, klass->StrNr, ol.competition.rec.Count);
            }
        }
        for (std::size_t rc = 1; rc < classes.size(); ++rc) {
            if (classes[rc].DataStatus == 0) {
                storage::PutRec(ol.classFile, static_cast<std::int32_t>(rc), &classes[rc]);
                ASSERT_TRUE(storage::IsamSucceeded());
            }
        }
    }

    std::string FileBytes(std::string_view name) const {
        std::ifstream file(folder / std::string(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }

    // Every file of the folder with its contents.
    std::vector<std::pair<std::string, std::string>> FolderContents() const {
        std::vector<std::pair<std::string, std::string>> contents;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            if (!entry.is_regular_file()) {
                continue;
            }
            const std::string name = entry.path().filename().string();
            contents.emplace_back(name, FileBytes(name));
        }
        std::sort(contents.begin(), contents.end());
        return contents;
    }

    StatusLineObserver previousObserver = nullptr;
};

}  // namespace oltoma::ol::testing
