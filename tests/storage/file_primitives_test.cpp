#include "storage/file_primitives.h"
#include "storage/internal/isam_status_detail.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <unistd.h>
#include <csignal>

#include "storage/isam_status.h"
#include "storage_test_support.h"

namespace oltoma::storage {
namespace {

using testing::FileExists;
using testing::ReadFile;
using testing::WriteFile;

class FilePrimitivesTest : public testing::StorageTest {};

struct OpenFailureCase {
    const char* name;
    int systemError;
    int isamError;
};

TEST_F(FilePrimitivesTest, OpenFailuresMapToEngineCodes) {
    WriteFile("plain", "x");
    const OpenFailureCase cases[] = {
        {"missing", 2, IsamCode::kFileNotFound},
        {"nofolder/missing", 3, IsamCode::kPathNotFound},
        {"plain/below", 3, IsamCode::kPathNotFound},
        {".", 5, IsamCode::kSystemError},  // a folder is no file
    };
    for (const OpenFailureCase& c : cases) {
        detail::ClearStatus();
        FileHandle file;
        EXPECT_FALSE(OpenFile(file, c.name, false, false)) << c.name;
        EXPECT_EQ(IsamDosError(), c.systemError) << c.name;
        EXPECT_EQ(IsamDosFunction(), FileOperation::kOpen) << c.name;
        EXPECT_EQ(IsamError(), c.isamError) << c.name;
        EXPECT_FALSE(file.IsOpen());
    }
}

TEST_F(FilePrimitivesTest, ShortTransfersAndTruncation) {
    FileHandle file;
    ASSERT_TRUE(CreateFile(file, "f"));
    ASSERT_TRUE(WriteAt(file, 0, 6, "abcdef"));
    char buffer[8] = {};
    detail::ClearStatus();
    EXPECT_FALSE(ReadAt(file, 4, 4, buffer));
    EXPECT_EQ(IsamError(), IsamCode::kShortRead);
    EXPECT_EQ(IsamDosFunction(), FileOperation::kRead);
    EXPECT_EQ(IsamDosError(), 0);
    ASSERT_TRUE(WriteAt(file, 2, 0, nullptr));  // a count of 0 truncates
    std::int64_t size = 0;
    ASSERT_TRUE(FileSize(file, size));
    EXPECT_EQ(size, 2);
    detail::ClearStatus();
    EXPECT_FALSE(ReadAt(file, -1, 1, buffer));
    EXPECT_EQ(IsamDosFunction(), FileOperation::kSeek);
    ASSERT_TRUE(CloseFile(file));
    detail::ClearStatus();
    EXPECT_FALSE(ReadAt(file, 0, 1, buffer));
    EXPECT_EQ(IsamError(), IsamCode::kInvalidHandle);
}

TEST_F(FilePrimitivesTest, FirstFailureKeepsItsSystemError) {
    detail::ClearStatus();
    FileHandle file;
    EXPECT_FALSE(OpenFile(file, "nofolder/x", false, false));
    EXPECT_FALSE(OpenFile(file, "missing", false, false));
    EXPECT_EQ(IsamDosError(), 3);
    EXPECT_EQ(IsamError(), IsamCode::kFileNotFound);  // the code follows the last failure
}

TEST_F(FilePrimitivesTest, FlushesAreCounted) {
    FileHandle file;
    ASSERT_TRUE(CreateFile(file, "f"));
    const std::uint64_t before = FlushCount();
    EXPECT_TRUE(FlushFile(file));
    EXPECT_TRUE(FlushFile(file));
    EXPECT_EQ(FlushCount(), before + 2);
    CloseFile(file);
}

// A held file can be neither opened again, nor deleted, renamed or created
// over, from this process or another; a shared open admits other readers.
// A pair of flushes counts two syncs and at most two waits; on a disk the
// second runs on the helper thread, which a forked child does not have: the
// child must sync by itself instead of waiting for a thread that is not there.
TEST_F(FilePrimitivesTest, PairedFlushesWorkInAForkedChild) {
    FileHandle first;
    FileHandle second;
    ASSERT_TRUE(CreateFile(first, "first"));
    ASSERT_TRUE(CreateFile(second, "second"));
    ASSERT_TRUE(WriteAt(first, 0, 3, "one"));
    ASSERT_TRUE(FlushFile(first));  // times a sync: decides whether pairs run side by side
    for (int pass = 0; pass < 3; ++pass) {
        ASSERT_TRUE(WriteAt(first, 3 * pass, 3, "one"));  // a sync with nothing to write is fast
        ASSERT_TRUE(WriteAt(second, 0, 3, "two"));
        const std::uint64_t flushes = FlushCount();
        const std::uint64_t waits = FlushWaitCount();
        ASSERT_TRUE(FlushFilePair(first, second));
        EXPECT_EQ(FlushCount() - flushes, 2u);
        EXPECT_GE(FlushWaitCount() - waits, 1u);
        EXPECT_LE(FlushWaitCount() - waits, 2u);
    }

    const pid_t child = ::fork();
    if (child == 0) {
        const bool written = WriteAt(first, 9, 3, "one") && WriteAt(second, 3, 3, "two");
        ::_exit(written && FlushFilePair(first, second) ? 0 : 1);
    }
    int status = 0;
    pid_t ended = 0;
    for (int tries = 0; tries < 1000 && ended == 0; ++tries) {  // 10 s at most
        ended = ::waitpid(child, &status, WNOHANG);
        if (ended == 0) {
            ::usleep(10000);
        }
    }
    if (ended == 0) {
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
        FAIL() << "the forked child hung in FlushFilePair";
    }
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(ReadFile("second"), "twotwo");
    CloseFile(first);
    CloseFile(second);
}

TEST_F(FilePrimitivesTest, HeldFilesAreExclusive) {
    FileHandle held;
    ASSERT_TRUE(CreateFile(held, "held"));
    ASSERT_TRUE(WriteAt(held, 0, 4, "data"));
    FileHandle second;
    detail::ClearStatus();
    EXPECT_FALSE(OpenFile(second, "held", true, false));
    EXPECT_EQ(IsamDosError(), 32);
    EXPECT_EQ(IsamError(), IsamCode::kSystemError);
    EXPECT_FALSE(DeleteFile("held"));
    EXPECT_EQ(IsamDosFunction(), FileOperation::kOpen);
    detail::ClearStatus();
    EXPECT_FALSE(DeleteFile("held"));
    EXPECT_EQ(IsamDosError(), 32);
    EXPECT_EQ(IsamDosFunction(), FileOperation::kDelete);
    EXPECT_FALSE(RenameFile("held", "other"));
    WriteFile("other", "o");
    EXPECT_FALSE(RenameFile("other", "held"));
    EXPECT_FALSE(CreateFile(second, "held"));
    EXPECT_EQ(ReadFile("held"), "data");

    const pid_t child = ::fork();
    if (child == 0) {
        FileHandle fromChild;
        ::_exit(OpenFile(fromChild, "held", true, true) ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_EQ(WEXITSTATUS(status), 0) << "another process opened a held file";

    ASSERT_TRUE(CloseFile(held));
    FileHandle reader1;
    FileHandle reader2;
    EXPECT_TRUE(OpenFile(reader1, "held", true, true));
    EXPECT_TRUE(OpenFile(reader2, "held", true, true));
    EXPECT_FALSE(OpenFile(second, "held", false, false));
    CloseFile(reader1);
    CloseFile(reader2);
    EXPECT_TRUE(RenameFile("held", "moved"));
    EXPECT_TRUE(DeleteFile("moved"));
    EXPECT_FALSE(FileExists("moved"));
}

}  // namespace
}  // namespace oltoma::storage
