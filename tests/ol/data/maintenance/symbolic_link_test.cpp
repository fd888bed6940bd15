// A symbolic link planted where the program keeps a file (a storage file,
// its journal, the club table, a temporary file, a backup copy) is never
// followed: the file outside the data directory it points at is neither
// read, written nor truncated, and an open through it is refused with the
// access-denied text.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "file_set_fixture.h"
#include "ol/data/files/club_table_file.h"
#include "ol/data/files/storage_failure.h"
#include "ol/data/maintenance/backup_copy.h"

namespace oltoma::ol {
namespace {

constexpr const char* kOutsideBytes = "a file outside the data directory";

class SymbolicLink : public testing::FileSetTest {
protected:
    void SetUp() override {
        FileSetTest::SetUp();
        AddClub("Alfa OK");
        ASSERT_EQ(NewCompetition("Test"), 1);
        AddParticipant(1, 1, 0);
        CloseParticipantFiles();
        outside = folder.parent_path() / (folder.filename().string() + "-outside");
        std::ofstream(outside, std::ios::binary) << kOutsideBytes;
    }
    void TearDown() override {
        std::filesystem::remove(outside);
        FileSetTest::TearDown();
    }

    // Replaces the file `name` of the data directory by a link to `outside`.
    void PlantLink(const std::filesystem::path& name) {
        std::filesystem::remove(name);
        std::filesystem::create_symlink(outside, name);
    }
    ::testing::AssertionResult OutsideUntouched() const {
        std::ifstream file(outside, std::ios::binary);
        const std::string bytes(std::istreambuf_iterator<char>(file), {});
        if (bytes != kOutsideBytes) {
            return ::testing::AssertionFailure()
                   << "outside file now holds " << bytes.size() << " bytes";
        }
        return ::testing::AssertionSuccess();
    }

    std::filesystem::path outside;
};

// A data file, an index file or a journal that is a link: the fileblock
// is not opened, and says why.
TEST_F(SymbolicLink, AStorageFileOrJournalIsRefused) {
    for (const char* name : {"OL01.DAT", "OL01.IX", "OL01.DIA"}) {
        SCOPED_TRACE(name);
        const std::string bytes = FileBytes(name);
        PlantLink(folder / name);
        ClearStorageStatus();
        EXPECT_FALSE(OpenParticipantFiles());
        EXPECT_NE(Message().find("Filåtkomst förvägras"), std::string::npos) << Message();
        EXPECT_TRUE(OutsideUntouched());
        CloseParticipantFiles();
        std::filesystem::remove(folder / name);
        std::ofstream(folder / name, std::ios::binary) << bytes;
    }
}

// The club table is not read through a link; writing it replaces a link
// under its own or its temporary name by the table.
TEST_F(SymbolicLink, TheClubTableIsNotReadOrWrittenThroughALink) {
    const std::string table = FileBytes("CLUBS01.Dat");
    Ol().CurrentCompetition = 1;
    for (const char* name : {"CLUBS01.Dat", "CLUBS01.Tmp"}) {
        SCOPED_TRACE(name);
        PlantLink(folder / name);
        if (std::string(name) == "CLUBS01.Dat") {
            EXPECT_FALSE(ReadClubTable());
        }
        EXPECT_TRUE(WriteClubTable()) << Message();
        EXPECT_TRUE(OutsideUntouched());
        EXPECT_FALSE(std::filesystem::is_symlink(folder / "CLUBS01.Dat"));
        EXPECT_EQ(FileBytes("CLUBS01.Dat").size(), table.size());
        EXPECT_FALSE(
            std::filesystem::exists(std::filesystem::symlink_status(folder / "CLUBS01.Tmp")));
    }
}

// In the backup's target, a link under a copy's temporary name or under the
// copy's own name is replaced by the copy, never written through.
TEST_F(SymbolicLink, ABackupReplacesLinksInItsTarget) {
    const std::filesystem::path target = folder / "saker";
    std::filesystem::create_directory(target);
    PlantLink(target / "OL01.DAT.TMP");
    PlantLink(target / "OL01.IX");
    const BackupFolderPrompt previous =
        BindBackupFolderPrompt([&](std::string_view, std::string_view) { return target.string(); });
    Ol().CurrentCompetition = 1;
    EXPECT_EQ(BackupCopy(), MaintenanceResult::done) << Message();
    BindBackupFolderPrompt(previous);
    CloseParticipantFiles();
    CloseCommonFiles();
    EXPECT_TRUE(OutsideUntouched());
    EXPECT_FALSE(std::filesystem::is_symlink(target / "OL01.IX"));
    EXPECT_EQ(FileBytes("saker/OL01.IX"), FileBytes("OL01.IX"));
    EXPECT_FALSE(std::filesystem::exists(target / "OL01.DAT.TMP"));
}

}  // namespace
}  // namespace oltoma::ol
