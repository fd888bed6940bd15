#include "platform/system_error.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

namespace oltoma::platform {
namespace {

TEST(SystemError, MapsErrnoOntoSystemNumbers) {
    const std::pair<int, int> cases[] = {
        {ENOENT, 2}, {ENOTDIR, 3}, {EMFILE, 4},  {ENFILE, 4},   {EACCES, 5},  {EPERM, 5},
        {EROFS, 5},  {EBADF, 6},   {EAGAIN, 32}, {ENOSPC, 112}, {EEXIST, 80},
    };
    for (const auto& [errnoValue, expected] : cases) {
        EXPECT_EQ(SystemErrorFromErrno(errnoValue), expected) << errnoValue;
    }
}

TEST(SystemError, MissingFolderIsPathNotFound) {
    std::filesystem::create_directory("here");
    EXPECT_EQ(SystemErrorFromErrno(ENOENT, "here/missing.dat"), 2);
    EXPECT_EQ(SystemErrorFromErrno(ENOENT, "gone/missing.dat"), 3);
    EXPECT_EQ(SystemErrorFromErrno(ENOENT, "plain.dat"), 2);
}

}  // namespace
}  // namespace oltoma::platform
