#include "platform/native_program_launcher.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

namespace oltoma::platform {
namespace {

class NativeProgramLauncherTest : public ::testing::Test {
protected:
    void SetUp() override {
        home_ = std::getenv("HOME");
        bin_ = home_ + "/bin";
        std::filesystem::create_directories(bin_);
        ::setenv("PATH", bin_.c_str(), 1);
    }

    // A program that leaves a file named after itself in HOME when it runs
    // (with a shell builtin: the PATH holds only the test folder).
    void AddProgram(const std::string& name) {
        AddFile(name, "#!/bin/sh\necho > \"" + home_ + "/ran-" + name + "\"\n", 0755);
    }
    void AddFile(const std::string& name, const std::string& content, mode_t mode) {
        const std::string path = bin_ + "/" + name;
        std::ofstream(path) << content;
        ::chmod(path.c_str(), mode);
    }
    bool Ran(const std::string& name) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (std::chrono::steady_clock::now() < deadline) {
            if (std::filesystem::exists(home_ + "/ran-" + name)) {
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }

    std::string home_;
    std::string bin_;
};

TEST_F(NativeProgramLauncherTest, StartsProgramFromThePathWithoutExeSuffix) {
    AddProgram("edittoma");
    NativeProgramLauncher launcher;
    EXPECT_EQ(launcher.Start("edittoma.exe"), kProgramStarted);
    EXPECT_TRUE(Ran("edittoma"));
}

TEST_F(NativeProgramLauncherTest, MapsFailuresOntoResultCodes) {
    AddFile("garbage", "\x7f\x01\x02 not a program", 0755);
    AddFile("notrunnable", "#!/bin/sh\n", 0644);
    struct Case {
        std::string program;
        int expected;
    };
    const Case cases[] = {
        {"edittoma.exe", 2},
        {"", 2},
        {home_ + "/missing-program", 2},
        {home_ + "/missing-folder/program", 3},
        {"garbage", 11},
        {"notrunnable", 5},
    };
    NativeProgramLauncher launcher;
    for (const Case& c : cases) {
        EXPECT_EQ(launcher.Start(c.program), c.expected) << c.program;
    }
}

TEST_F(NativeProgramLauncherTest, NotepadStartsTheFirstTextEditorFound) {
    NativeProgramLauncher launcher({"first-editor", "second-editor", "third-editor"});
    EXPECT_EQ(launcher.Start("notepad.exe"), 2);  // none installed
    AddProgram("second-editor");
    AddProgram("third-editor");
    EXPECT_EQ(launcher.Start("NOTEPAD.EXE"), kProgramStarted);
    EXPECT_TRUE(Ran("second-editor"));
    EXPECT_FALSE(std::filesystem::exists(home_ + "/ran-third-editor"));
}

}  // namespace
}  // namespace oltoma::platform
