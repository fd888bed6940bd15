// A file put in place only when complete.
#include "platform/replacing_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace oltoma::platform {
namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

void Write(const fs::path& path, std::string_view text) {
    std::ofstream(path, std::ios::binary) << text;
}

// The folder's entries other than `keep`.
std::vector<std::string> Others(const fs::path& folder, std::string_view keep) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().filename() != keep) {
            names.push_back(entry.path().filename().string());
        }
    }
    return names;
}

class ReplacingFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder =
            fs::current_path() / ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::create_directories(folder);
        target = folder / "rapport.pdf";
        Write(target, "old");
    }
    fs::path folder;
    fs::path target;
};

TEST_F(ReplacingFileTest, CommitReplacesTheTargetAtOnce) {
    ReplacingFile file(target.string());
    ASSERT_TRUE(file.Create());
    EXPECT_EQ(fs::path(file.TemporaryName()).parent_path(), folder);
    Write(file.TemporaryName(), "new");
    EXPECT_EQ(Read(target), "old") << "the target is untouched while the job runs";
    ASSERT_TRUE(file.Commit());
    EXPECT_EQ(Read(target), "new");
    EXPECT_TRUE(Others(folder, "rapport.pdf").empty());
}

TEST_F(ReplacingFileTest, DiscardAndDestructionKeepTheTarget) {
    {
        ReplacingFile file(target.string());
        ASSERT_TRUE(file.Create());
        Write(file.TemporaryName(), "partial");
    }
    EXPECT_EQ(Read(target), "old");
    EXPECT_TRUE(Others(folder, "rapport.pdf").empty());
}

TEST_F(ReplacingFileTest, FailuresLeaveNothingBehind) {
    ReplacingFile intoMissing((folder / "no-such-folder" / "x.pdf").string());
    EXPECT_FALSE(intoMissing.Create());
    // A folder of the target's name cannot be replaced by a file.
    fs::create_directory(folder / "mapp.pdf");
    ReplacingFile overFolder((folder / "mapp.pdf").string());
    ASSERT_TRUE(overFolder.Create());
    EXPECT_FALSE(overFolder.Commit());
    EXPECT_TRUE(fs::is_directory(folder / "mapp.pdf"));
    const std::vector<std::string> others = Others(folder, "rapport.pdf");
    EXPECT_EQ(others, std::vector<std::string>{"mapp.pdf"});
}

}  // namespace
}  // namespace oltoma::platform
