#include "ol/data/maintenance/file_set_check.h"

#include <gtest/gtest.h>

#include "file_set_fixture.h"
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
