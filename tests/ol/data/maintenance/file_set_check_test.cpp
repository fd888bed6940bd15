#include "ol/data/maintenance/file_set_check.h"

#include <gtest/gtest.h>

#include "file_set_fixture.h"
#include "ol/data/files/control_uses.h"
#include "ol/data/maintenance/backup_file_set.h"
#include "ol/data/maintenance/backup_manifest.h"
#include "ol/data/maintenance/fnv_checksum.h"

namespace oltoma::ol {
namespace {

class Check : public testing::FileSetTest {
protected:
    void SetUp() override {
        FileSetTest::SetUp();
        AddClub("Alfa OK");
        AddClub("Beta IF");
        ASSERT_EQ(NewCompetition("Test"), 1);
        AddClass("H21");
        AddParticipant(1, 1, 1);
        AddParticipant(2, 2, 1);
        CountEntries();
    }

    std::vector<std::string> Problems() {
        CloseCommonFiles();
        return CheckFileSet(folder.string());
    }
};

TEST_F(Check, ASoundDirectoryHasNoProblems) {
    EXPECT_EQ(Problems(), std::vector<std::string>{});
}

// A backup whose files do not match its manifest was cut short or changed
// since; a damaged manifest cannot vouch for anything.
TEST_F(Check, ABackupMustMatchItsManifest) {
    CloseCommonFiles();
    BackupManifest manifest;
    manifest.time = "2026-05-01 10:00:00";
    manifest.competition = 1;
    for (const BackupFile& file : BackupFileSet(1)) {
        if (std::filesystem::exists(folder / file.name)) {
            const std::string bytes = FileBytes(file.name);
            FnvChecksum checksum;
            checksum.Add(bytes);
            manifest.files.push_back(
                {file.name, static_cast<std::int64_t>(bytes.size()), checksum.Value()});
        }
    }
    ASSERT_TRUE(WriteBackupManifest(folder.string(), manifest));
    EXPECT_EQ(Problems(), std::vector<std::string>{});
    for (BackupManifest::File& file : manifest.files) {
        file.bytes = file.name == "OL01.DAT" ? 4096 : file.bytes;
    }
    manifest.files.push_back({"TRACK09.DAT", 1, 0});
    ASSERT_TRUE(WriteBackupManifest(folder.string(), manifest));
    const std::string size = std::to_string(std::filesystem::file_size(folder / "OL01.DAT"));
    EXPECT_EQ(Problems(),
              (std::vector<std::string>{
                  "OL01.DAT: differs from the backup manifest of 2026-05-01 10:00:00 (" + size +
                      " bytes, 4096 listed)",
                  "TRACK09.DAT: missing or unreadable, listed in the backup manifest of "
                  "2026-05-01 10:00:00"}));
    const std::vector<std::string> damaged{
        "kopia.manifest: damaged; the backup cannot be verified"};
    manifest.competition = 12;  // sound check line, impossible competition
    ASSERT_TRUE(WriteBackupManifest(folder.string(), manifest));
    EXPECT_EQ(Problems(), damaged);
    std::ofstream(folder / "kopia.manifest", std::ios::app) << "file EXTRA 1 00000000\n";
    EXPECT_EQ(Problems(), damaged);
}

// Controls 31 and 32 and a course A naming `codes`, its uses counted as the
// course register counts them; the definition files stay open.
void AddCourse(std::initializer_list<const char*> codes) {
    CloseParticipantFiles();
    ASSERT_TRUE(OpenDefinitionFiles());
    std::int32_t rc = 0;
    for (const char* code : {"31", "32"}) {
        ClearControl();
        Ol().control.rec.KodNr = code;
        ASSERT_TRUE(SaveControl(true, rc));
    }
    ClearCourse();
    TrackRec& course = Ol().course.rec;
    course.Bana = "A";
    for (const char* code : codes) {
        course.KodNr[course.Antal++] = code;
    }
    ASSERT_TRUE(SaveCourse(true, rc));
    CountControlUses(course, 1);
}

// An empty folder is no data directory: each common file is missing.
TEST_F(Check, AnEmptyFolderLacksTheCommonFiles) {
    std::filesystem::create_directory(folder / "empty");
    EXPECT_EQ(CheckFileSet((folder / "empty").string()),
              (std::vector<std::string>{
                  "OLTOMA.DAT: missing", "CLUBAR.DAT: missing", "CLUBAR.IX: missing",
                  "DISTR.DAT: missing", "DISTR.IX: missing", "RUTBESKR.DAT: missing",
                  "RUTBESKR.IX: missing", "RUTB24.DAT: missing", "RUTB24.IX: missing"}));
}

// A course may name a code without a control: a notice, not a problem.
TEST_F(Check, ACourseCodeWithoutAControlIsANotice) {
    AddCourse({"31", "99", "32"});
    CloseCommonFiles();
    std::vector<std::string> notices;
    EXPECT_EQ(CheckFileSet(folder.string(), {}, &notices), std::vector<std::string>{});
    EXPECT_EQ(notices, std::vector<std::string>{"TRACK01: course \"A\" names control code \"99\", "
                                                "which KONTR01 does not hold (allowed)"});
}

// Control use counts lag the courses by design (the course register changes
// none); a difference is a notice.
TEST_F(Check, AControlUseCountDifferenceIsANotice) {
    AddCourse({"31", "32", "31"});
    AddControlUse(Ol().clubTable, 2, 1);
    CloseCommonFiles();
    std::vector<std::string> notices;
    EXPECT_EQ(CheckFileSet(folder.string(), {}, &notices), std::vector<std::string>{});
    EXPECT_EQ(notices, std::vector<std::string>{
                           "CLUBS01.Dat: control record 2 (\"32\") is used 2 times, the courses "
                           "give 1 (the index rebuild recounts)"});
}

// Record number 0 is no club or no class (the index rebuild gives it when a
// participant's club or class was deleted): a notice each, not a problem.
TEST_F(Check, AParticipantWithoutClubOrClassIsANotice) {
    DeltRec participant;
    storage::GetRec(Ol().participantFile, 2, &participant);
    participant.ClubRc = 0;
    participant.KlassRc = 0;
    storage::PutRec(Ol().participantFile, 2, &participant);
    CountEntries();
    CloseCommonFiles();
    std::vector<std::string> notices;
    EXPECT_EQ(CheckFileSet(folder.string(), {}, &notices), std::vector<std::string>{});
    EXPECT_EQ(notices,
              (std::vector<std::string>{"OL01: 1 participants without a club (club record 0)",
                                        "OL01: 1 participants without a class (class record 0)"}));
}

struct Damage {
    const char* name;
    void (*apply)(const std::filesystem::path& folder);
    const char* problem;
};

const Damage kDamages[] = {
    {"KeyMissing",
     [](const std::filesystem::path&) { storage::DeleteKey(Ol().clubFile, 1, 2, "BETA IF"); },
     "CLUBAR: key 1: record 2 has no entry \"BETA IF\""},
    {"RecordChangedUnderItsKey",
     [](const std::filesystem::path&) {
         DeltRec participant;
         storage::GetRec(Ol().participantFile, 2, &participant);
         participant.NrStr = "0009";
         storage::PutRec(Ol().participantFile, 2, &participant);
     },
     "OL01: key 1: record 2 has no entry \"0009\""},
    {"PendingJournal",
     [](const std::filesystem::path& folder) {
         CloseCommonFiles();
         std::ofstream(folder / "DISTR.DIA", std::ios::app) << "xxxxxxxx";
     },
     "DISTR: journal pending (not played back)"},
    {"LeftoverTemporary",
     [](const std::filesystem::path& folder) { std::ofstream(folder / "filetmp.DAT") << "x"; },
     "filetmp.DAT: left by an interrupted index rebuild"},
    {"ShortClubTable",
     [](const std::filesystem::path& folder) {
         CloseCommonFiles();
         std::filesystem::resize_file(folder / "CLUBS01.Dat", 100);
     },
     "CLUBS01.Dat: 100 bytes, expected 41080"},
    {"MissingIndex",
     [](const std::filesystem::path& folder) {
         CloseCommonFiles();
         std::filesystem::remove(folder / "KLASS01.IX");
     },
     "KLASS01: cannot be opened: Btree: OpenFileBlock: Indexfilen redan \xC3\xB6ppen"},
    {"MissingCompetitionFile",
     [](const std::filesystem::path& folder) {
         CloseCommonFiles();
         std::filesystem::remove(folder / "TRACK01.IX");
     },
     "TRACK01.IX: missing"},
    {"MissingClubTable",
     [](const std::filesystem::path& folder) {
         CloseCommonFiles();
         std::filesystem::remove(folder / "CLUBS01.Dat");
     },
     "CLUBS01.Dat: missing"},
    {"WrongClassCount",
     [](const std::filesystem::path&) {
         KlassRec klass;
         storage::GetRec(Ol().classFile, 1, &klass);
         AddToCount(klass.Count, 0, 0, 5);
         storage::PutRec(Ol().classFile, 1, &klass);
     },
     "KLASS01: class \"H21\" (record 1): Count group 0 position 0 is 7, the participants give 2"},
    {"WrongCompetitionCount",
     [](const std::filesystem::path&) { AddToCount(Ol().competition.rec.Count, 1, 3, -1); },
     "OLTOMA: competition 1: Count group 1 position 3 is 1, the participants give 2"},
    {"WrongClubEntryCount",
     [](const std::filesystem::path&) { SetEntryCount(Ol().clubTable, 2, 5); },
     "CLUBS01.Dat: club record 2 has 5 entries, the participants give 1"},
    {"WrongClubCategoryCounter",
     [](const std::filesystem::path&) { ClubEntryOf(Ol().clubTable, 1)->EntryCounters[4] = 3; },
     "CLUBS01.Dat: club record 1: entry counters 0 0 1 / 0 3 0, the participants give 0 0 1 / 0 "
     "0 0"},
    {"DanglingClubRc",
     [](const std::filesystem::path&) {
         storage::DeleteKey(Ol().clubFile, 1, 2, "BETA IF");
         storage::DeleteRec(Ol().clubFile, 2);
     },
     "OL01: participant \"0002\" (record 2): club record 2 is not a live club of CLUBAR"},
    {"DanglingKlassRc",
     [](const std::filesystem::path&) {
         DeltRec participant;
         storage::GetRec(Ol().participantFile, 2, &participant);
         participant.KlassRc = 9;
         storage::PutRec(Ol().participantFile, 2, &participant);
     },
     "OL01: participant \"0002\" (record 2): class record 9 is not a live class of KLASS01"},
    // Another program wrote two records and part of a third without
    // journalling and never closed the file.
    {"ModifiedMarker",
     [](const std::filesystem::path& folder) {
         CloseCommonFiles();
         std::fstream file(folder / "OL01.DAT", std::ios::in | std::ios::out | std::ios::binary);
         file.seekp(20);
         file.put(1);
         file.seekp(0, std::ios::end);
         file << std::string(2 * sizeof(DeltRec) + 100, '\0');
     },
     "OL01: modified marker set (written without journalling and not closed); 2 whole records "
     "beyond the slot count 2"},
};

class CheckDamage : public Check, public ::testing::WithParamInterface<Damage> {};

TEST_P(CheckDamage, IsReported) {
    GetParam().apply(folder);
    const std::vector<std::string> problems = Problems();
    EXPECT_NE(std::find(problems.begin(), problems.end(), GetParam().problem), problems.end())
        << ::testing::PrintToString(problems);
}

INSTANTIATE_TEST_SUITE_P(Cases, CheckDamage, ::testing::ValuesIn(kDamages),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace oltoma::ol
