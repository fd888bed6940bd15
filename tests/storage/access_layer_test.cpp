// The engine's start and stop, the checks before every operation, and
// creating, opening, closing and deleting fileblocks.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

#include "case_names.h"
#include "storage/access_layer.h"
#include "storage/internal/isam_engine.h"
#include "storage_test_support.h"

namespace oltoma::storage {
namespace {

using testing::FileExists;
using testing::PutInt32;
using testing::ReadFile;
using testing::WriteFile;

class AccessLayerTest : public testing::StorageTest {
protected:
    void Create(const char* name, int keys = 1) {
        const IndexDescriptor descriptors[] = {{10, false}, {4, true}};
        CreateFileBlock(name, 30, keys, std::span(descriptors, static_cast<std::size_t>(keys)));
        ASSERT_TRUE(IsamSucceeded());
    }
};

TEST_F(AccessLayerTest, EngineStartAndStop) {
    EXPECT_EQ(engine::InitIsam(0, 200), 0);
    EXPECT_EQ(IsamError(), IsamCode::kAlreadyInitialised);
    ExitIsam();
    EXPECT_TRUE(IsamSucceeded());
    struct Case {
        int mode;
        int buffers;
        int code;
    } cases[] = {{0, 7, 10451}, {1, 8, 10310}, {3, 200, 10310}};
    for (const Case& c : cases) {
        EXPECT_EQ(engine::InitIsam(c.mode, c.buffers), 0);
        EXPECT_EQ(IsamError(), c.code);
    }
    FileBlock* block = nullptr;
    OpenFileBlock(block, "ANY");
    EXPECT_EQ(IsamError(), IsamCode::kNotInitialised);
    CreateFileBlock("ANY", 30, 0, {});
    EXPECT_EQ(IsamError(), IsamCode::kNotInitialised);
    ExitIsam();
    EXPECT_EQ(IsamError(), IsamCode::kNotInitialised);
    EXPECT_EQ(engine::InitIsam(2, 8), 8);
}

TEST_F(AccessLayerTest, ChecksBeforeEveryOperation) {
    Create("CHK");
    FileBlock* block = nullptr;
    OpenFileBlock(block, "CHK");
    FileBlock* stale = block;
    CloseFileBlock(block);
    EXPECT_EQ(block, nullptr);
    CloseFileBlock(stale);
    EXPECT_EQ(IsamError(), IsamCode::kBadFileBlock);
    char record[30] = {};
    IsamKeyStr key;
    std::int32_t number = 0;
    const std::function<void()> calls[] = {
        [&] { AddRec(stale, record); },
        [&] { GetRec(nullptr, 1, record); },
        [&] { PutRec(stale, 1, record); },
        [&] { DeleteRec(stale, 1); },
        [&] { FileLen(stale); },
        [&] { UsedRecs(nullptr); },
        [&] { AddKey(stale, 1, 1, "A"); },
        [&] { DeleteKey(stale, 1, 1, "A"); },
        [&] { FindKey(stale, 1, "A"); },
        [&] { SearchKey(stale, 1, key); },
        [&] { NextKey(stale, 1, key, number); },
        [&] { ClearKey(stale, 1); },
    };
    for (const auto& call : calls) {
        call();
        EXPECT_EQ(IsamError(), IsamCode::kBadFileBlock);
    }
}

TEST_F(AccessLayerTest, ReadOnlyFileBlocksRefuseChanges) {
    Create("RO");
    FileBlock* block = nullptr;
    engine::OpenFileBlock(block, "RO", true, false, true, false);
    ASSERT_TRUE(IsamSucceeded());
    char record[30] = {};
    const std::function<void()> calls[] = {
        [&] { AddRec(block, record); },       [&] { PutRec(block, 1, record); },
        [&] { DeleteRec(block, 1); },         [&] { AddKey(block, 1, 1, "A"); },
        [&] { DeleteKey(block, 1, 1, "A"); },
    };
    for (const auto& call : calls) {
        call();
        EXPECT_EQ(IsamError(), IsamCode::kReadOnly);
    }
    EXPECT_EQ(FileLen(block), 1);
}

TEST_F(AccessLayerTest, CreationChecks) {
    CreateFileBlock("SHORT", 20, 0, {});
    EXPECT_EQ(IsamError(), IsamCode::kRecordLengthTooSmall);
    EXPECT_FALSE(FileExists("SHORT.DAT"));
    const std::vector<IndexDescriptor> many(101, IndexDescriptor{10, false});
    CreateFileBlock("MANY", 30, 101, many);
    EXPECT_EQ(IsamError(), IsamCode::kTooManyKeysAtCreation);
    const IndexDescriptor tooLong[] = {{10, false}, {31, false}};
    CreateFileBlock("LONG", 30, 2, tooLong);
    EXPECT_EQ(IsamError(), IsamCode::kBadKeyLength);
    EXPECT_FALSE(FileExists("LONG.DAT"));
    EXPECT_FALSE(FileExists("LONG.IX"));
    const std::vector<IndexDescriptor> hundred(100, IndexDescriptor{30, true});
    CreateFileBlock("HUNDRED", 30, 100, hundred);
    EXPECT_TRUE(IsamSucceeded());
    EXPECT_EQ(testing::FileLength("HUNDRED.IX"), 100 * (62 * 39 + 6));
}

TEST_F(AccessLayerTest, CreatedIndexHeaders) {
    Create("HDR", 2);
    const std::string index = ReadFile("HDR.IX");
    ASSERT_EQ(index.size(), 62u * 19 + 6 + 62 * 13 + 6);
    std::string first(28, '\0');
    PutInt32(first, 0, -1);
    PutInt32(first, 12, 62 * 19 + 6);
    first[26] = 62;
    EXPECT_EQ(index.substr(0, 28), first);
    const std::size_t second = 62 * 19 + 6;
    EXPECT_EQ(testing::Int32At(index, second + 12), 62 * 13 + 6);
    EXPECT_EQ(index[second + 20], 1);
    EXPECT_EQ(index.find_first_not_of('\0', second + 28), std::string::npos);
}

struct DamageCase {
    const char* what;
    std::size_t offset;  // in the index file, or the data file when dataFile
    std::int32_t value;
    int width;
    bool dataFile;
    int code;
};

class OpenChecksTest : public AccessLayerTest, public ::testing::WithParamInterface<DamageCase> {};

TEST_P(OpenChecksTest, DamagedHeadersRefuseToOpen) {
    const DamageCase& c = GetParam();
    Create("DMG");
    const std::string file = c.dataFile ? "DMG.DAT" : "DMG.IX";
    std::string bytes = ReadFile(file);
    if (c.width == 4) {
        PutInt32(bytes, c.offset, c.value);
    } else if (c.width == 2) {
        testing::PutUInt16(bytes, c.offset, static_cast<std::uint16_t>(c.value));
    } else {
        bytes[c.offset] = static_cast<char>(c.value);
    }
    WriteFile(file, bytes);
    FileBlock* block = nullptr;
    OpenFileBlock(block, "DMG");
    EXPECT_EQ(IsamError(), c.code) << c.what;
    EXPECT_EQ(block, nullptr);
    // Nothing stays held: the files can be deleted.
    DeleteFileBlock("DMG");
    EXPECT_TRUE(IsamSucceeded());
}

INSTANTIATE_TEST_SUITE_P(
    Headers, OpenChecksTest,
    ::testing::Values(DamageCase{"modified marker", 20, 1, 1, true, 10010},
                      DamageCase{"101 keys", 16, 101, 4, true, 10060},
                      DamageCase{"record length 20", 12, 20, 4, true, 10060},
                      DamageCase{"negative SlotCount", 8, -5, 4, true, 10060},
                      DamageCase{"KeyLen 33", 12, 2610, 4, false, 10121},
                      DamageCase{"PageBytes not whole", 12, 2611, 4, false, 10120},
                      DamageCase{"PageSize 63", 26, 63, 2, false, 10122},
                      DamageCase{"PageSize 1", 26, 1, 2, false, 10122}),
    [](const auto& info) { return ::oltoma::testing::CaseName(info.param.what); });

TEST_F(AccessLayerTest, OpenFileBlocksAreExclusive) {
    Create("EXCL");
    Create("OTHER");
    FileBlock* block = nullptr;
    OpenFileBlock(block, "EXCL");
    ASSERT_TRUE(IsamSucceeded());
    FileBlock* second = nullptr;
    OpenFileBlock(second, "EXCL");
    EXPECT_EQ(IsamError(), IsamCode::kSystemError);
    EXPECT_EQ(IsamDosError(), 32);
    OpenFileBlock(second, "OTHER;EXCL");  // only the index file is held
    EXPECT_EQ(IsamError(), IsamCode::kCannotOpen);
    DeleteFileBlock("EXCL");
    EXPECT_EQ(IsamError(), IsamCode::kSystemError);
    EXPECT_EQ(IsamDosError(), 32);
    CreateFileBlock("EXCL", 30, 0, {});
    EXPECT_EQ(IsamError(), IsamCode::kSystemError);
    EXPECT_TRUE(FileExists("EXCL.DAT") && FileExists("EXCL.IX") && FileExists("EXCL.DIA"));

    const pid_t child = ::fork();
    if (child == 0) {
        engine::ExitIsam();
        engine::InitIsam(0, 8);
        FileBlock* fromChild = nullptr;
        OpenFileBlock(fromChild, "EXCL");
        ::_exit(IsamError() == IsamCode::kSystemError && IsamDosError() == 32 ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_EQ(WEXITSTATUS(status), 0);

    CloseFileBlock(block);
    DeleteFileBlock("EXCL");
    EXPECT_TRUE(IsamSucceeded());
    EXPECT_FALSE(FileExists("EXCL.DAT") || FileExists("EXCL.IX") || FileExists("EXCL.DIA"));
    DeleteFileBlock("EXCL");  // nothing left to delete is no failure
    EXPECT_TRUE(IsamSucceeded());
}

TEST_F(AccessLayerTest, OpeningAMissingFileBlock) {
    FileBlock* block = nullptr;
    OpenFileBlock(block, "NONE");
    EXPECT_EQ(IsamError(), IsamCode::kFileNotFound);
    OpenFileBlock(block, "nofolder/NONE");
    EXPECT_EQ(IsamError(), IsamCode::kPathNotFound);
    Create("NOIX");
    std::remove("NOIX.IX");
    OpenFileBlock(block, "NOIX");
    EXPECT_EQ(IsamError(), IsamCode::kCannotOpen);
}

TEST_F(AccessLayerTest, ExitClosesEveryFileBlock) {
    Create("ONE");
    Create("TWO");
    FileBlock* one = nullptr;
    FileBlock* two = nullptr;
    OpenFileBlock(one, "ONE");
    OpenFileBlock(two, "TWO");
    ExitIsam();
    EXPECT_TRUE(IsamSucceeded());
    engine::InitIsam(0, 8);
    EXPECT_EQ(FileLen(two), 0);
    EXPECT_EQ(IsamError(), IsamCode::kBadFileBlock);
    OpenFileBlock(one, "ONE");
    EXPECT_TRUE(IsamSucceeded());
}

// Outside journal mode changes stay in memory until close, and the
// modified marker guards the files meanwhile.
TEST_F(AccessLayerTest, WithoutJournalTheMarkerGuardsTheFiles) {
    Create("NOJ");
    FileBlock* block = nullptr;
    engine::OpenFileBlock(block, "NOJ", false, false, false, false);
    ASSERT_TRUE(IsamSucceeded());
    EXPECT_EQ(ReadFile("NOJ.DAT")[20], 0);
    char record[30] = {};
    EXPECT_EQ(AddRec(block, record), 1);
    EXPECT_EQ(ReadFile("NOJ.DAT")[20], 1);
    for (int n = 0; n < 100; ++n) {
        AddKey(block, 1, n + 1, "KEY" + std::to_string(n));
    }
    EXPECT_FALSE(FileExists("NOJ.DIA"));
    EXPECT_EQ(testing::Int32At(ReadFile("NOJ.IX"), 22), 0);  // EntryCount not yet written
    CloseFileBlock(block);
    EXPECT_TRUE(IsamSucceeded());
    EXPECT_EQ(ReadFile("NOJ.DAT")[20], 0);
    const auto image = testing::ReadImage("NOJ");
    EXPECT_EQ(image.slotCount, 1);
    EXPECT_EQ(image.keys[0].entryCount, 100);
    EXPECT_EQ(image.keys[0].entries.size(), 100u);
}

TEST_F(AccessLayerTest, ErrorClasses) {
    const std::pair<int, int> classes[] = {
        {0, 0},     {9903, 1},  {10200, 1}, {10299, 1}, {10410, 1}, {9900, 2},  {10065, 2},
        {10397, 2}, {10001, 3}, {10009, 3}, {10010, 4}, {10140, 4}, {10180, 4}, {9901, 4},
        {10300, 4}, {10199, 4}, {10110, 2}, {10355, 2}, {42, 4},
    };
    for (const auto& [code, errorClass] : classes) {
        EXPECT_EQ(IsamErrorClass(code), errorClass) << code;
    }
}

}  // namespace
}  // namespace oltoma::storage
