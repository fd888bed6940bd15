// oltoma-tool's help, version and usage errors, run as a user runs them, and
// the command table they are made from.
#include "tool/usage_text.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>

#include "oltoma_version.h"
#include "tool/tool_commands.h"
#include "tool_test_support.h"

namespace oltoma::tool {
namespace {

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Every entry is complete (a missing text would crash the help), names are
// unique, and the example runs the command it stands under.
TEST(ToolCommandTable, EveryEntryIsComplete) {
    std::set<std::string> names;
    for (const ToolCommand& command : ToolCommands()) {
        const char* texts[] = {command.name,        command.arguments,   command.summary,
                               command.description, command.exitSuccess, command.exitFailure,
                               command.exitUsage,   command.example};
        for (const char* text : texts) {
            ASSERT_NE(text, nullptr) << command.name;
            EXPECT_NE(text[0], '\0') << command.name;
        }
        EXPECT_NE(command.run, nullptr) << command.name;
        EXPECT_TRUE(names.insert(command.name).second) << "twice: " << command.name;
        EXPECT_TRUE(Contains(command.example, std::string("oltoma-tool ") + command.name + " "))
            << command.example;
        EXPECT_EQ(FindToolCommand(command.name), &command);
    }
    EXPECT_EQ(FindToolCommand("nonsense"), nullptr);
}

TEST(ToolHelp, VersionIsTheProjectVersion) {
    const ToolRun run = Tool("--version");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "oltoma-tool " OLTOMA_VERSION "\n");
    EXPECT_EQ(run.err, "");
}

// --help and help show every command with its arguments, exit statuses and
// example; help COMMAND and COMMAND --help show that command's part.
TEST(ToolHelp, ShowsEveryCommandInFull) {
    for (const char* arguments : {"--help", "help"}) {
        const ToolRun run = Tool(arguments);
        EXPECT_EQ(run.status, 0) << arguments;
        EXPECT_EQ(run.err, "");
        for (const ToolCommand& command : ToolCommands()) {
            EXPECT_TRUE(
                Contains(run.out, std::string(command.name) + " " + command.arguments + "\n"))
                << command.name;
            EXPECT_TRUE(Contains(run.out, command.example)) << command.name;
        }
        EXPECT_TRUE(Contains(run.out, "Exit status:"));
    }
    for (const std::string arguments : {"help backup", "backup --help"}) {
        const ToolRun run = Tool(arguments);
        EXPECT_EQ(run.status, 0) << arguments;
        std::ostringstream expected;
        WriteCommandHelp(expected, *FindToolCommand("backup"));
        EXPECT_EQ(run.out, expected.str()) << arguments;
        EXPECT_TRUE(run.out.starts_with("usage: oltoma-tool backup DIR COMPETITION TARGET\n"));
    }
    const ToolRun rebuild = Tool("help rebuild");
    EXPECT_TRUE(rebuild.out.starts_with(
        "usage: oltoma-tool rebuild DIR COMPETITION [--discard-journal]\n"));
    EXPECT_TRUE(Contains(rebuild.out, "moved aside as NAME.DIA.bad")) << rebuild.out;
}

// Bad command lines print the usage on standard error, nothing on standard
// output, and end with status 2.
TEST(ToolHelp, BadCommandLinesGiveTheUsageAndStatusTwo) {
    struct Case {
        const char* arguments;
        const char* message;
    };
    const Case cases[] = {
        {"", "oltoma-tool: no command given\n"},
        {"--bogus", "oltoma-tool: unknown option --bogus\n"},
        {"-x", "oltoma-tool: unknown option -x\n"},
        {"frobnicate", "oltoma-tool: unknown command frobnicate\n"},
        {"help frobnicate", "oltoma-tool: unknown command frobnicate\n"},
        {"help check backup", "oltoma-tool: help takes one command\n"},
    };
    for (const Case& c : cases) {
        const ToolRun run = Tool(c.arguments);
        EXPECT_EQ(run.status, 2) << c.arguments;
        EXPECT_EQ(run.out, "") << c.arguments;
        EXPECT_TRUE(run.err.starts_with(c.message)) << c.arguments << ": " << run.err;
        for (const ToolCommand& command : ToolCommands()) {
            EXPECT_TRUE(Contains(run.err, std::string("  oltoma-tool ") + command.name + " " +
                                              command.arguments + "\n"))
                << c.arguments << ": " << command.name;
        }
    }
    // A command's own bad arguments give that command's usage line.
    // --discard-journal is an option of rebuild alone.
    for (const char* arguments :
         {"check", "check data --bogus", "rebuild data 9", "backup data",
          "check data --discard-journal", "backup data 1 saker --discard-journal"}) {
        const ToolRun run = Tool(arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        const std::string name = std::string(arguments).substr(0, std::string(arguments).find(' '));
        const ToolCommand* command = FindToolCommand(name);
        EXPECT_TRUE(run.err.starts_with(std::string("usage: oltoma-tool ") + command->name + " " +
                                        command->arguments + "\n"))
            << arguments << ": " << run.err;
    }
}

}  // namespace
}  // namespace oltoma::tool
