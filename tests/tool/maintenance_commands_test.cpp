// The maintenance subcommands of oltoma-tool, run as a user runs them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "base/settings/settings_state.h"
#include "base/text/windows1252.h"
#include "labels/giro_file.h"
#include "labels/label_file.h"
#include "ol/data/files/competitions.h"
#include "ol/data/files/file_groups.h"
#include "ol/data/files/ol_startup.h"
#include "ol/data/files/ol_state.h"
#include "ol/data/files/registers.h"
#include "ol/data/records/club_counters.h"
#include "ol/data/records/entry_counts.h"
#include "storage/access_layer.h"
#include "storage/file_primitives.h"
#include "tool_test_support.h"

namespace oltoma::tool {
namespace {

// A data directory "data" with competition 1, one club, one class and two
// participants with their counters, made through the data layer and closed
// again: a sound file set.
class MaintenanceCommands : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(StartDataDirectory());
        ASSERT_NO_FATAL_FAILURE(AddClubAndCompetition());
        std::int32_t rc = 0;
        ol::ClearClass();
        ol::Ol().klass.rec.Bet = "H21";
        std::int32_t classRc = 0;
        ASSERT_TRUE(ol::SaveClass(true, classRc));
        ol::CmpClubRec& table = ol::Ol().clubTable;
        for (const char* number : {"0001", "0002"}) {
            ol::ClearParticipant();
            ol::DeltRec& participant = ol::Ol().participant.rec;
            participant.NrStr = number;
            participant.Nr = static_cast<std::int16_t>(std::stoi(number));
            participant.ClubRc = 1;
            participant.KlassRc = classRc;
            ASSERT_TRUE(ol::SaveParticipant(true, rc));
            // The counters an entry gives, as the index rebuild counts them.
            ol::KlassRec& klass = ol::Ol().klass.rec;
            ol::CountEntryInGroups(participant, klass.StrNr, klass.Count);
            ol::CountEntryInGroups(participant, klass.StrNr, ol::Ol().competition.rec.Count);
            ol::CountClubEntry(table, participant, klass.Bet.view(), 1);
            ol::SetEntryCount(table, 1, static_cast<std::int16_t>(ol::EntryCountOf(table, 1) + 1));
        }
        ol::SetEntryCount(table, 0, 1);
        ASSERT_TRUE(ol::RewriteClass(classRc));
        ol::CloseCommonFiles();
        ol::OlShutdown();
    }
};

TEST_F(MaintenanceCommands, NewFilesAsksBeforeReplacingCompetitions) {
    const std::string register_ = Slurp("data/OLTOMA.DAT");
    ToolRun run = Tool("newfiles data");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "??: Befintliga datafiler kommer att förstöras. OK?\n");
    EXPECT_EQ(Slurp("data/OLTOMA.DAT"), register_);

    run = Tool("newfiles data --yes");
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_NE(Slurp("data/OLTOMA.DAT"), register_);
    EXPECT_TRUE(std::filesystem::exists("data/CLUBAR.DAT"));
}

TEST_F(MaintenanceCommands, NewFilesMakesAMissingFolder) {
    ToolRun run = Tool("newfiles fresh/data");
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_TRUE(std::filesystem::exists("fresh/data/CLUBAR.DAT"));

    std::ofstream("plain") << "a file, not a folder";
    run = Tool("newfiles plain/data");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("cannot create the folder plain/data"), std::string::npos) << run.err;
}

TEST_F(MaintenanceCommands, RebuildThenCheck) {
    ToolRun run = Tool("rebuild data 1");
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_NE(run.out.find(" indexerar fil: /OL01.Dat Recs:0002 ...klart!!\n"), std::string::npos)
        << run.out;
    run = Tool("check data");
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out, std::filesystem::absolute("data").string() + ": no problems found\n");

    EXPECT_EQ(Tool("rebuild data 2").status, 1);  // no such competition
    EXPECT_EQ(Tool("rebuild data 9").status, 2);
    EXPECT_EQ(Tool("rebuild missing 0").status, 1);
}

// A course may name a code without a control: listed, not a failure.
TEST_F(MaintenanceCommands, CheckPrintsNoticesWithoutFailing) {
    ASSERT_TRUE(ol::OlStartup({}));
    ASSERT_TRUE(ol::OpenCommonFiles());
    ol::SelectCompetition(true, 1);
    ol::CloseParticipantFiles();
    ASSERT_TRUE(ol::OpenDefinitionFiles());
    ol::ClearCourse();
    ol::Ol().course.rec.Bana = "A";
    ol::Ol().course.rec.KodNr[0] = "99";
    ol::Ol().course.rec.Antal = 1;
    std::int32_t rc = 0;
    ASSERT_TRUE(ol::SaveCourse(true, rc));
    ol::CloseCommonFiles();
    ol::OlShutdown();
    const ToolRun run = Tool("check data");
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out,
              "notice: TRACK01: course \"A\" names control code \"99\", which KONTR01 does "
              "not hold (allowed)\n" +
                  std::filesystem::absolute("data").string() + ": no problems found\n");
}

TEST_F(MaintenanceCommands, CheckReportsADamagedDirectory) {
    std::filesystem::remove("data/OL01.IX");
    const ToolRun run = Tool("check data");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("OL01: cannot be opened"), std::string::npos) << run.out;
}

TEST_F(MaintenanceCommands, CheckLooksIntoTheLabelAndGiroFiles) {
    WorkingGlobalSettings().dataDirectory =
        Windows1252FromUtf8(std::filesystem::absolute("data").string());
    ASSERT_GT(storage::InitIsam(0, 16), 0);
    ASSERT_TRUE(labels::OpenLabelFile());
    std::int32_t rc = 0;
    labels::EtikettRec().Etk = "Klubben";
    ASSERT_TRUE(labels::LabelFile().Add(true, rc));
    labels::CloseLabelFile();
    ASSERT_TRUE(labels::OpenGiroFile(labels::Tgirotyp::plusgiro));
    labels::GiroRec().Mottagare = "Klubben";
    labels::GiroRec().Lnr = "A";
    ASSERT_TRUE(labels::GiroFile().Add(true, rc));
    labels::CloseGiroFile();
    storage::ExitIsam();
    ToolRun run = Tool("check data");
    EXPECT_EQ(run.status, 0) << run.out;

    // A slip whose payee changed without its key, and a bankgiro file of
    // the label file's record length.
    ASSERT_GT(storage::InitIsam(0, 16), 0);
    ASSERT_TRUE(labels::OpenGiroFile(labels::Tgirotyp::postgiro));
    bool exists = false;
    bool fileEnd = false;
    labels::GiroFile().Select(registers::RcRtn, "", rc, exists, fileEnd);
    ASSERT_TRUE(exists);
    labels::GiroRec().Mottagare = "Annan";
    ASSERT_TRUE(labels::GiroFile().Put(rc));
    labels::CloseGiroFile();
    const storage::IndexDescriptor key{30, false};
    storage::CreateFileBlock("data/giroB", 248, 1, {&key, 1});
    storage::ExitIsam();
    run = Tool("check data");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("giroP: key 1: record 1 has no entry \"Annan_A\""), std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("giroB: record length 248, expected 1708"), std::string::npos)
        << run.out;
    EXPECT_EQ(run.out.find("Etikett:"), std::string::npos) << run.out;
}

TEST_F(MaintenanceCommands, BackupCopiesAndRefusesItself) {
    std::filesystem::create_directory("saker");
    ToolRun run = Tool("backup data 1 saker");
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_EQ(run.out, "info: OlDataBas nr.01 kopierad till " +
                           std::filesystem::absolute("saker").string() + " ..lyckad kopiering!!\n");
    EXPECT_EQ(Slurp("saker/OL01.DAT"), Slurp("data/OL01.DAT"));
    run = Tool("check saker");
    EXPECT_EQ(run.status, 0) << run.out;
    std::filesystem::remove("saker/CLUBS01.Dat");  // a backup cut short
    run = Tool("check saker");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("CLUBS01.Dat: missing or unreadable, listed in the backup manifest"),
              std::string::npos)
        << run.out;

    run = Tool("backup data 1 data/");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "info: Kan ej kopiera till mig själv!\n");
}

// Missing sources are skipped: a competition without its participant and
// course files is still backed up with what it has.
TEST_F(MaintenanceCommands, BackupSkipsMissingFilesOfACompetition) {
    for (const char* name : {"data/OL01.DAT", "data/OL01.IX", "data/TRACK01.DAT"}) {
        std::filesystem::remove(name);
    }
    std::filesystem::create_directory("missing-sources");
    ToolRun run = Tool("backup data 1 missing-sources");
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_NE(run.out.find("info: OlDataBas nr.01 kopierad till "), std::string::npos) << run.out;
    EXPECT_FALSE(std::filesystem::exists("missing-sources/OL01.DAT"));
    EXPECT_EQ(Slurp("missing-sources/KLASS01.DAT"), Slurp("data/KLASS01.DAT"));
    EXPECT_EQ(Slurp("missing-sources/CLUBS01.Dat"), Slurp("data/CLUBS01.Dat"));

    run = Tool("backup data 2 missing-sources");  // not in the register
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "oltoma-tool: competition 2 does not exist\n");
}

// Every file of a folder with its bytes, to tell that nothing changed.
std::map<std::string, std::string> FolderBytes(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        files[entry.path().filename().string()] = Slurp(entry.path().string());
    }
    return files;
}

void WriteAt(const std::string& name, std::streamoff offset, std::string_view bytes) {
    std::fstream file(name, std::ios::binary | std::ios::in | std::ios::out);
    file.seekp(offset);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A journal whose first record code (500) is none the format defines: it
// cannot be played back (10180).
const std::string kUnplayableJournal("\0\xF4\x01\0\0\x07\x08", 7);

TEST_F(MaintenanceCommands, RebuildMovesAnUnplayableJournalAsideOnlyWhenAsked) {
    std::ofstream("data/OL01.DIA", std::ios::binary) << kUnplayableJournal;
    const auto before = FolderBytes("data");
    ToolRun run = Tool("rebuild data 1");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("journalen OL01.DIA kan ej spelas upp"), std::string::npos) << run.out;
    EXPECT_NE(run.err.find("OL01.DIA cannot be played back; 'oltoma-tool rebuild DIR N "
                           "--discard-journal'"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(FolderBytes("data"), before);
    EXPECT_EQ(Tool("backup data 1 saker --discard-journal").status, 2);  // rebuild only

    run = Tool("rebuild data 1 --discard-journal");
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_NE(run.out.find("OL01.DIA kunde inte spelas upp och är flyttad till OL01.DIA.bad; den "
                           "avbrutna ändringen är förlorad"),
              std::string::npos)
        << run.out;
    EXPECT_EQ(Slurp("data/OL01.DIA.bad"), kUnplayableJournal);
    run = Tool("check data");
    EXPECT_EQ(run.status, 0) << run.out;
    run = Tool("list data participants 1");
    EXPECT_NE(run.out.find("\"Rc\":2,"), std::string::npos) << run.out;

    // An earlier bad journal is never replaced: the next one is numbered.
    std::ofstream("data/OL01.DIA", std::ios::binary) << kUnplayableJournal << "x";
    run = Tool("rebuild data 1 --discard-journal");
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_EQ(Slurp("data/OL01.DIA.bad"), kUnplayableJournal);
    EXPECT_EQ(Slurp("data/OL01.DIA.bad.1"), kUnplayableJournal + "x");
}

// A participant file written without journal and never closed: the header
// still counts no record, the file holds two and a slot of zeros (an append
// that never reached the disk).
TEST_F(MaintenanceCommands, RebuildRecoversRecordsBeyondAnUntrustedHeader) {
    WriteAt("data/OL01.DAT", 8, std::string(4, '\0'));  // SlotCount
    WriteAt("data/OL01.DAT", 20, "\x01");               // ModifiedFlag
    std::ofstream("data/OL01.DAT", std::ios::binary | std::ios::app) << std::string(1748, '\0');
    ToolRun run = Tool("rebuild data 1");
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_NE(run.out.find(
                  "OL01.DAT: skriven utan att stängas; 2 poster utöver huvudets antal återvunna."),
              std::string::npos)
        << run.out;
    run = Tool("check data");
    EXPECT_EQ(run.status, 0) << run.out;
    run = Tool("list data participants 1");
    EXPECT_NE(run.out.find("\"Rc\":2,"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("\"Rc\":3,"), std::string::npos) << run.out;
}

// A damaged competition register fails the rebuild and the backup, naming
// it, and leaves the data directory and an earlier backup as they were.
TEST_F(MaintenanceCommands, DamagedCompetitionRegisterFailsRebuildAndBackup) {
    std::filesystem::create_directory("saker");
    ASSERT_EQ(Tool("backup data 1 saker").status, 0);
    const auto backup = FolderBytes("saker");
    struct Damage {
        const char* what;
        void (*apply)();
    };
    const Damage damages[] = {
        {"cut short", [] { std::filesystem::resize_file("data/OLTOMA.DAT", 3000); }},
        {"garbage header", [] { WriteAt("data/OLTOMA.DAT", 0, "garbage header bytes!"); }},
        {"unplayable journal",
         [] { std::ofstream("data/OLTOMA.DIA", std::ios::binary) << kUnplayableJournal; }},
    };
    const std::string sound = Slurp("data/OLTOMA.DAT");
    for (const Damage& damage : damages) {
        std::ofstream("data/OLTOMA.DAT", std::ios::binary) << sound;
        std::ofstream("data/OLTOMA.DIA", std::ios::binary) << '\0';
        damage.apply();
        const auto before = FolderBytes("data");
        for (const char* command :
             {"rebuild data 1", "rebuild data 0", "backup data 1 saker", "backup data 0 saker"}) {
            const ToolRun run = Tool(command);
            EXPECT_EQ(run.status, 1) << damage.what << ": " << command;
            EXPECT_NE(run.out.find("OLTOMA.DAT: Btree: "), std::string::npos)
                << damage.what << ": " << command << "\n"
                << run.out << run.err;
        }
        EXPECT_EQ(FolderBytes("data"), before) << damage.what;
        EXPECT_EQ(FolderBytes("saker"), backup) << damage.what;
    }
}

TEST_F(MaintenanceCommands, RefusesFilesHeldByAnotherProgram) {
    storage::FileHandle held;
    ASSERT_TRUE(storage::OpenFile(held, "data/CLUBAR.IX", true, false));
    for (const char* command : {"check data", "rebuild data 1", "newfiles data --yes"}) {
        const ToolRun run = Tool(command);
        EXPECT_EQ(run.status, 1) << command;
        EXPECT_EQ(run.err, "oltoma-tool: CLUBAR.IX is held open by another process\n");
    }
    storage::CloseFile(held);
}

}  // namespace
}  // namespace oltoma::tool
