#include "platform/single_instance.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

namespace oltoma::platform {
namespace {

using State = SingleInstanceGuard::State;

class SingleInstanceTest : public ::testing::Test {
protected:
    void SetUp() override { ::setenv("XDG_RUNTIME_DIR", std::getenv("HOME"), 1); }
};

TEST_F(SingleInstanceTest, SecondHolderIsToldItAlreadyExists) {
    {
        SingleInstanceGuard first("OLTOMA");
        EXPECT_EQ(first.state(), State::Acquired);
        EXPECT_TRUE(first.FirstInstance());
        SingleInstanceGuard second("OLTOMA");
        EXPECT_EQ(second.state(), State::AlreadyExists);
        EXPECT_FALSE(second.FirstInstance());
        SingleInstanceGuard other("OTHER");
        EXPECT_EQ(other.state(), State::Acquired);
    }
    SingleInstanceGuard again("OLTOMA");
    EXPECT_EQ(again.state(), State::Acquired);
}

// A symbolic link where the lock file should be is not followed: nothing is
// created or changed where it points, and the run is left unguarded.
TEST_F(SingleInstanceTest, ALinkedLockFileIsNotFollowed) {
    const std::string path = InstanceLockPath("OLTOMA");
    ASSERT_FALSE(path.empty());
    const std::string outside = std::string(std::getenv("HOME")) + "/outside-lock";
    ::unlink(path.c_str());
    ASSERT_EQ(::symlink(outside.c_str(), path.c_str()), 0);
    {
        SingleInstanceGuard guard("OLTOMA");
        EXPECT_EQ(guard.state(), State::Unavailable);
    }
    struct stat info {};
    EXPECT_NE(::lstat(outside.c_str(), &info), 0);
    ::unlink(path.c_str());
}

TEST_F(SingleInstanceTest, LockIsReleasedWhenTheHolderDies) {
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        SingleInstanceGuard held("OLTOMA");
        const char state = held.state() == State::Acquired ? 'A' : 'x';
        (void)!::write(ready[1], &state, 1);
        ::pause();  // killed by the parent without any clean-up
        ::_exit(0);
    }
    char state = 0;
    ASSERT_EQ(::read(ready[0], &state, 1), 1);
    EXPECT_EQ(state, 'A');
    EXPECT_EQ(SingleInstanceGuard("OLTOMA").state(), State::AlreadyExists);

    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_EQ(SingleInstanceGuard("OLTOMA").state(), State::Acquired);
    ::close(ready[0]);
    ::close(ready[1]);
}

TEST_F(SingleInstanceTest, FallsBackToAPrivateTemporaryFolder) {
    const std::string home = std::getenv("HOME");
    ::unsetenv("XDG_RUNTIME_DIR");
    ::setenv("TMPDIR", home.c_str(), 1);
    const std::string folder = home + "/oltoma-" + std::to_string(::getuid());
    EXPECT_EQ(InstanceLockPath("OLTOMA"), folder + "/OLTOMA.lock");
    SingleInstanceGuard guard("OLTOMA");
    EXPECT_EQ(guard.state(), State::Acquired);
    struct stat info {};
    ASSERT_EQ(::stat(folder.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
}

TEST_F(SingleInstanceTest, FolderOthersCanWriteIsRefusedAndTheProgramStillRuns) {
    const std::string home = std::getenv("HOME");
    ::unsetenv("XDG_RUNTIME_DIR");
    ::setenv("TMPDIR", home.c_str(), 1);
    const std::string folder = home + "/oltoma-" + std::to_string(::getuid());
    ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
    ASSERT_EQ(::chmod(folder.c_str(), 0777), 0);
    SingleInstanceGuard guard("OLTOMA");
    EXPECT_EQ(guard.state(), State::Unavailable);
    EXPECT_TRUE(guard.FirstInstance());
}

}  // namespace
}  // namespace oltoma::platform
