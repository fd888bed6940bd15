// The program's command line and its identity on the desktop: --help and
// --version of the built program (which must answer without the settings
// or the single-instance lock), unknown options, the options that pass
// through to Qt and the program, and the window icon.
#include "app/command_line.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <filesystem>
#include <sstream>
#include <vector>

#include "app/program_identity.h"
#include "oltoma_version.h"
#include "platform/single_instance.h"
#include "process_run.h"

namespace oltoma {
namespace {

using oltoma::testing::ProcessRun;

// Runs the built program offscreen, bounded in time: a regression that
// opened a window or a message box would otherwise wait for an answer.
ProcessRun Program(const std::string& arguments) {
    return oltoma::testing::RunCommand(
        "QT_QPA_PLATFORM=offscreen timeout 20 '" OLTOMA_PROGRAM_PATH "' " + arguments);
}

bool SettingsTouched() {
    return std::filesystem::exists(std::filesystem::path(std::getenv("HOME")) / ".config" /
                                   "OltomaW64");
}

// A runtime folder of the test's own, so the lock is the test's.
void UsePrivateRuntimeFolder() {
    const std::string folder = std::string(std::getenv("HOME")) + "/run";
    ::mkdir(folder.c_str(), 0700);
    ::setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
}

TEST(ProgramCommandLine, HelpAndVersionAnswerWhileAnotherInstanceRuns) {
    UsePrivateRuntimeFolder();
    platform::SingleInstanceGuard running("OLTOMA");
    ASSERT_EQ(running.state(), platform::SingleInstanceGuard::State::Acquired);
    for (const char* option : {"--version", "-v"}) {
        const ProcessRun run = Program(option);
        EXPECT_EQ(run.status, 0) << option;
        EXPECT_TRUE(run.out.starts_with("oltoma " OLTOMA_VERSION "\n")) << run.out;
        EXPECT_EQ(run.err, "") << option;
    }
    for (const char* option : {"--help", "-h"}) {
        const ProcessRun run = Program(option);
        EXPECT_EQ(run.status, 0) << option;
        std::ostringstream help;
        WriteProgramHelp(help);
        EXPECT_EQ(run.out, help.str()) << option;
        EXPECT_EQ(run.err, "") << option;
    }
    EXPECT_FALSE(SettingsTouched());
}

TEST(ProgramCommandLine, UnknownOptionsGiveTheUsageAndStatusTwo) {
    UsePrivateRuntimeFolder();
    struct Case {
        const char* arguments;
        const char* message;
    };
    const Case cases[] = {
        {"--bogus", "oltoma: okänd flagga: --bogus\n"},
        {"-x /NET", "oltoma: okänd flagga: -x\n"},
        {"--frobnicate=3", "oltoma: okänd flagga: --frobnicate\n"},
        {"-platform", "oltoma: fel på kommandoraden: "},
    };
    for (const Case& c : cases) {
        const ProcessRun run = Program(c.arguments);
        EXPECT_EQ(run.status, kCommandLineUsageExitCode) << c.arguments;
        EXPECT_EQ(run.out, "") << c.arguments;
        EXPECT_TRUE(run.err.starts_with(c.message)) << c.arguments << ": " << run.err;
        EXPECT_NE(run.err.find("Användning: oltoma"), std::string::npos) << run.err;
    }
    EXPECT_FALSE(SettingsTouched());
}

TEST(ProgramCommandLine, QtOptionsAndParametersStartTheProgram) {
    const std::vector<std::vector<const char*>> commandLines = {
        {"oltoma"},
        {"oltoma", "/NET"},
        {"oltoma", "x/net"},
        {"oltoma", "-platform", "offscreen"},
        {"oltoma", "-style=fusion", "-reverse"},
        {"oltoma", "-session", "1234_5", "-name", "club"},
        {"oltoma", "--", "--not-an-option"},
    };
    for (const std::vector<const char*>& argv : commandLines) {
        std::ostringstream out;
        std::ostringstream error;
        EXPECT_EQ(HandleCommandLine(static_cast<int>(argv.size()), argv.data(), out, error),
                  std::nullopt)
            << argv.back();
        EXPECT_EQ(out.str() + error.str(), "") << argv.back();
    }
}

TEST(ProgramIdentity, EveryWindowCarriesTheIconAndTheDesktopId) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int argc = 1;
    char name[] = "oltoma";
    char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    SetProgramIdentity();
    EXPECT_EQ(QGuiApplication::desktopFileName(), "org.example.oltoma");
    const QList<QSize> sizes = QApplication::windowIcon().availableSizes();
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
    }
    QDialog dialog;
    EXPECT_EQ(dialog.windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
}

}  // namespace
}  // namespace oltoma
