#include "ol/data/maintenance/backup_copy.h"

#include <gtest/gtest.h>

#include <map>

#include "file_set_fixture.h"
#include "ol/data/files/file_names.h"
#include "ol/data/maintenance/backup_manifest.h"
#include "ol/data/maintenance/fnv_checksum.h"
#include "ol/data/maintenance/maintenance_messages.h"
#include "platform/process_state.h"
#include "storage/access_layer.h"
#include "storage/fault_injection.h"

namespace oltoma::ol {
namespace {

class Backup : public testing::FileSetTest {
protected:
    void SetUp() override {
        FileSetTest::SetUp();
        AddClub("Alfa OK");
        ASSERT_EQ(NewCompetition("Test"), 1);
        AddParticipant(1, 1, 0);
        target = folder / "saker";
        std::filesystem::create_directory(target);
        previousPrompt =
            BindBackupFolderPrompt([this](std::string_view caption, std::string_view start) {
                prompts.emplace_back(std::string(caption), std::string(start));
                return answer;
            });
        answer = Windows1252FromUtf8(target.string()) + "/";
    }
    void TearDown() override {
        BindBackupFolderPrompt(previousPrompt);
        FileSetTest::TearDown();
    }

    std::string TargetBytes(const std::string& name) const {
        std::ifstream file(target / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }
    std::vector<std::string> TargetNames() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(target)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    // Every file of the target folder with its bytes.
    std::map<std::string, std::string> TargetContents() const {
        std::map<std::string, std::string> contents;
        for (const std::string& name : TargetNames()) {
            contents[name] = TargetBytes(name);
        }
        return contents;
    }
    // The data directory with the target in it, and back.
    std::map<std::string, std::string> Tree() const {
        std::map<std::string, std::string> contents;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
            if (entry.is_regular_file()) {
                std::ifstream file(entry.path(), std::ios::binary);
                contents[std::filesystem::relative(entry.path(), folder).string()] =
                    std::string(std::istreambuf_iterator<char>(file), {});
            }
        }
        return contents;
    }
    void Restore(const std::map<std::string, std::string>& contents) {
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(target);
        for (const auto& [name, bytes] : contents) {
            std::ofstream(folder / name, std::ios::binary) << bytes;
        }
    }
    std::string LastBox() const {
        return boxes.shown.empty() ? "" : Utf8FromWindows1252(boxes.shown.back().text);
    }

    std::filesystem::path target;
    std::string answer;
    std::vector<std::pair<std::string, std::string>> prompts;
    BackupFolderPrompt previousPrompt;
};

TEST_F(Backup, CopiesTheFileSetAndRemembersTheFolder) {
    EXPECT_EQ(BackupCopy(), MaintenanceResult::done);
    ASSERT_EQ(prompts.size(), 1u);
    EXPECT_EQ(prompts[0].first, "kopiera till...");
    EXPECT_EQ(LastBox(),
              "OlDataBas nr.01 kopierad till " + target.string() + " ..lyckad kopiering!!");
    EXPECT_EQ(TargetNames(),
              (std::vector<std::string>{"CLUBAR.DAT", "CLUBAR.IX", "CLUBS01.Dat", "DISTR.DAT",
                                        "DISTR.IX", "KLASS01.DAT", "KLASS01.IX", "KONTR01.DAT",
                                        "KONTR01.IX", "OL01.DAT", "OL01.IX", "OLTOMA.DAT",
                                        "RUTB24.DAT", "RUTB24.IX", "RUTBESKR.DAT", "RUTBESKR.IX",
                                        "TRACK01.DAT", "TRACK01.IX", "kopia.manifest"}));
    ASSERT_TRUE(Ol().ParticipantFilesOpen);
    EXPECT_EQ(Ol().clubTable.BackupDirectory.view(), target.string());
    CloseParticipantFiles();
    for (const char* name : {"OL01.DAT", "OL01.IX", "CLUBS01.Dat", "OLTOMA.DAT"}) {
        EXPECT_EQ(TargetBytes(name), FileBytes(name)) << name;
    }
    ASSERT_EQ(progress.windows.size(), 1u);
    EXPECT_EQ(progress.windows[0]->options.caption, "kopiering");
    EXPECT_EQ(progress.windows[0]->lines[1], target.string() + "/CLUBS01.Dat bytes:  41080 ..done");
}

TEST_F(Backup, LabelAndGiroFilesFollowTheFileSet) {
    const storage::IndexDescriptor key{30, false};
    for (std::string_view base : {kLabelFileBase, kPlusgiroFileBase, kBankgiroFileBase}) {
        storage::CreateFileBlock(DataFileName(base), base == kLabelFileBase ? 248 : 1708, 1,
                                 {&key, 1});
        ASSERT_TRUE(storage::IsamSucceeded()) << base;
    }
    EXPECT_EQ(BackupCopy(), MaintenanceResult::done);
    for (const char* name :
         {"Etikett.DAT", "Etikett.IX", "giroP.DAT", "giroP.IX", "giroB.DAT", "giroB.IX"}) {
        EXPECT_EQ(TargetBytes(name), FileBytes(name)) << name;
    }
    EXPECT_FALSE(std::filesystem::exists(target / "Etikett.DIA"));
    ASSERT_EQ(progress.windows.size(), 1u);
    EXPECT_EQ(progress.windows[0]->lines[1].rfind(target.string() + "/giroB.IX bytes:", 0), 0u);
}

TEST_F(Backup, MissingSourcesAreSkipped) {
    CloseParticipantFiles();
    for (const char* name : {"OL01.DAT", "OL01.IX", "OL01.DIA"}) {
        std::filesystem::remove(folder / name);
    }
    Ol().CurrentCompetition = 1;
    EXPECT_EQ(BackupCopy(), MaintenanceResult::done);
    EXPECT_EQ(LastBox().rfind("OlDataBas nr.01 kopierad till ", 0), 0u);
    EXPECT_FALSE(std::filesystem::exists(target / "OL01.DAT"));
    EXPECT_TRUE(std::filesystem::exists(target / "KLASS01.DAT"));
}

// A backup whose source lacks a file leaves the earlier backup's copy of it
// in the folder (nothing is deleted); the manifest shows it does not belong
// to the copy beside it, and check says so.
TEST_F(Backup, AFileLeftFromAnEarlierBackupIsReported) {
    ASSERT_EQ(BackupCopy(), MaintenanceResult::done);
    const std::string earlier = TargetBytes("OL01.DAT");
    CloseParticipantFiles();
    for (const char* name : {"OL01.DAT", "OL01.IX"}) {
        std::filesystem::remove(folder / name);
    }
    Ol().CurrentCompetition = 1;
    ASSERT_EQ(BackupCopy(), MaintenanceResult::done);
    EXPECT_EQ(TargetBytes("OL01.DAT"), earlier);

    BackupManifest manifest;
    ASSERT_EQ(ReadBackupManifest(target.string(), manifest), ManifestState::read);
    const std::string suffix =
        ": not in the backup manifest of " + manifest.time + "; left from an earlier copy";
    EXPECT_EQ(BackupManifestProblems(target.string()),
              (std::vector<std::string>{"OL01.DAT" + suffix, "OL01.IX" + suffix}));
}

// A backup killed before it put its copies in place leaves temporary copies
// beside the earlier backup, which stays whole; check names them.
TEST_F(Backup, CopiesLeftByAnInterruptedBackupAreReported) {
    ASSERT_EQ(BackupCopy(), MaintenanceResult::done);
    std::ofstream(target / "OL01.DAT.TMP", std::ios::binary) << "cut";
    BackupManifest manifest;
    ASSERT_EQ(ReadBackupManifest(target.string(), manifest), ManifestState::read);
    EXPECT_EQ(BackupManifestProblems(target.string()),
              (std::vector<std::string>{
                  "OL01.DAT.TMP: a copy left by an interrupted backup (the manifest is of " +
                  manifest.time + ")"}));
    ASSERT_EQ(BackupCopy(), MaintenanceResult::done);  // the next backup takes its place
    EXPECT_TRUE(BackupManifestProblems(target.string()).empty());
}

TEST_F(Backup, OntoItselfIsRefused) {
    answer = Windows1252FromUtf8((folder / "." / "").string());
    CloseParticipantFiles();
    const auto before = FolderContents();
    ASSERT_TRUE(OpenParticipantFiles());
    EXPECT_EQ(BackupCopy(), MaintenanceResult::failed);
    EXPECT_EQ(LastBox(), "Kan ej kopiera till mig själv!");
    EXPECT_TRUE(progress.windows.empty());
    CloseParticipantFiles();
    EXPECT_EQ(FolderContents(), before);
}

// A copy that fails keeps the earlier backup in the folder as it was.
TEST_F(Backup, AFailedWriteKeepsTheEarlierBackup) {
    std::ofstream(target / "OLTOMA.DAT") << "earlier backup";
    CloseCommonFiles();  // from here on every write is the copy's
    Ol().CurrentCompetition = 1;
    storage::fault::FailWriteAt(4);
    EXPECT_EQ(BackupCopy(), MaintenanceResult::failed);
    EXPECT_EQ(LastBox(), "Fel vid kopiering!!101 CLUBAR.DAT: Skrivfel på skivan");
    EXPECT_EQ(TargetNames(), std::vector<std::string>{"OLTOMA.DAT"});
    EXPECT_EQ(TargetBytes("OLTOMA.DAT"), "earlier backup");
    EXPECT_TRUE(Ol().ParticipantFilesOpen);
}

TEST_F(Backup, ATargetThatCannotBeWrittenFails) {
    answer = Windows1252FromUtf8((folder / "missing").string());
    EXPECT_EQ(BackupCopy(), MaintenanceResult::failed);
    EXPECT_EQ(LastBox(), "Fel vid kopiering!!003 OLTOMA.DAT: Filvägen ej funnen");
    EXPECT_EQ(progress.windows.at(0)->lines[1],
              (folder / "missing").string() + "/OLTOMA.DAT bytes:      0 ..error");
}

// The manifest lists what was copied; a copy cut short or changed since no
// longer matches it, and a damaged manifest is told apart from an absent one.
TEST_F(Backup, TheManifestRecognisesACompleteCopy) {
    const std::string targetName = target.string();
    BackupManifest manifest;
    EXPECT_EQ(ReadBackupManifest(targetName, manifest), ManifestState::absent);
    ASSERT_EQ(BackupCopy(), MaintenanceResult::done);
    ASSERT_EQ(ReadBackupManifest(targetName, manifest), ManifestState::read);
    EXPECT_EQ(manifest.competition, 1);
    EXPECT_EQ(manifest.files.size(), 18u);
    EXPECT_TRUE(ManifestDifferences(targetName, manifest).empty());

    std::filesystem::resize_file(target / "OL01.DAT", 100);
    std::filesystem::remove(target / "KLASS01.IX");
    const std::vector<std::string> differences = ManifestDifferences(targetName, manifest);
    ASSERT_EQ(differences.size(), 2u);
    EXPECT_EQ(differences[0].rfind("OL01.DAT: differs from the backup manifest", 0), 0u);
    EXPECT_EQ(differences[1].rfind("KLASS01.IX: missing", 0), 0u);

    std::filesystem::resize_file(target / "kopia.manifest", 40);
    EXPECT_EQ(ReadBackupManifest(targetName, manifest), ManifestState::damaged);
}

bool ManifestListsBytes(const BackupManifest& manifest, const std::string& name,
                        const std::string& bytes) {
    FnvChecksum checksum;
    checksum.Add(bytes);
    for (const BackupManifest::File& file : manifest.files) {
        if (file.name == name) {
            return file.bytes == static_cast<std::int64_t>(bytes.size()) &&
                   file.checksum == checksum.Value();
        }
    }
    return false;
}

// A crash (the process's or the machine's) at any write or sync of a backup
// over an earlier one leaves every file of the target either its old or its
// new copy, whole, and the manifest says whether they are one complete copy.
TEST_F(Backup, ACrashLeavesEachFileItsOldOrNewCopy) {
    using storage::fault::CrashKind;
    ASSERT_EQ(BackupCopy(), MaintenanceResult::done);
    AddParticipant(2, 1, 0, "Bo");
    CloseParticipantFiles();
    CloseCommonFiles();
    const auto start = Tree();
    const auto older = TargetContents();
    ASSERT_TRUE(OpenCommonFiles());
    const long writes0 = storage::fault::Writes();
    const long flushes0 = storage::fault::Flushes();
    Ol().CurrentCompetition = 1;
    ASSERT_EQ(BackupCopy(), MaintenanceResult::done);
    const long writes = storage::fault::Writes() - writes0;
    const long flushes = storage::fault::Flushes() - flushes0;
    CloseParticipantFiles();
    CloseCommonFiles();
    const auto newer = TargetContents();
    ASSERT_NE(older.at("OL01.DAT"), newer.at("OL01.DAT"));

    for (long n = 1; n <= writes + flushes && !HasFailure(); ++n) {
        for (const CrashKind kind :
             {CrashKind::KeepWrites, CrashKind::LoseUnsynced, CrashKind::ZeroUnsyncedAppends}) {
            Restore(start);
            ASSERT_TRUE(OpenCommonFiles());
            Ol().CurrentCompetition = 1;
            if (n <= writes) {
                storage::fault::CrashAtWrite(n, kind);
            } else {
                storage::fault::CrashAtFlush(n - writes, kind);
            }
            BackupCopy();
            ASSERT_TRUE(storage::fault::Crashed()) << n;
            CloseParticipantFiles();
            CloseCommonFiles();
            storage::fault::Restart();
            const std::string where = (n <= writes ? "write " : "flush ") +
                                      std::to_string(n <= writes ? n : n - writes) + ", kind " +
                                      std::to_string(static_cast<int>(kind));
            int oldCopies = 0;
            int newCopies = 0;
            for (const auto& [name, bytes] : TargetContents()) {
                // Leftover temporaries are harmless: the next backup makes them anew.
                if (name.ends_with(".TMP") || name.ends_with(".tmp") ||
                    name == kBackupManifestFile) {
                    continue;
                }
                const bool isOld = older.count(name) != 0 && older.at(name) == bytes;
                const bool isNew = newer.at(name) == bytes;
                EXPECT_TRUE(isOld || isNew) << name << " at " << where;
                oldCopies += isOld && !isNew;
                newCopies += isNew && !isOld;
            }
            // The manifest is the earlier copy's until the new one is written
            // last; it matches the files only when they are all of its copy.
            BackupManifest manifest;
            ASSERT_EQ(ReadBackupManifest(target.string(), manifest), ManifestState::read) << where;
            const bool manifestIsNew =
                ManifestListsBytes(manifest, "OL01.DAT", newer.at("OL01.DAT"));
            EXPECT_EQ(ManifestDifferences(target.string(), manifest).empty(),
                      manifestIsNew ? oldCopies == 0 : newCopies == 0)
                << where;
        }
    }
}

TEST_F(Backup, CancelDoesNothing) {
    answer.clear();
    EXPECT_EQ(BackupCopy(), MaintenanceResult::declined);
    EXPECT_TRUE(TargetNames().empty());
    EXPECT_TRUE(Ol().ParticipantFilesOpen);
}

TEST(MaintenanceBindings, ProcessStateResetUnbindsThePromptAndTheObserver) {
    BindBackupFolderPrompt([](std::string_view, std::string_view) { return std::string("/"); });
    BindStatusLineObserver([](std::string_view) {});

    platform::ResetProcessState();

    EXPECT_FALSE(BindBackupFolderPrompt(nullptr));
    EXPECT_EQ(BindStatusLineObserver(nullptr), nullptr);
}

}  // namespace
}  // namespace oltoma::ol
