// oltoma-tool isam-script, run as a process: scripts and their output.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "process_run.h"

#include "case_names.h"

namespace oltoma::tool {
namespace {

using ToolRun = oltoma::testing::ProcessRun;

// Runs `oltoma-tool isam-script -` in `folder` with the script on stdin.
ToolRun RunScript(const std::string& folder, const std::string& script) {
    std::filesystem::create_directories(folder);
    { std::ofstream(folder + "/script.txt", std::ios::binary) << script; }
    return oltoma::testing::RunCommand("cd '" + folder +
                                       "' && '" OLTOMA_TOOL_PATH "' isam-script - < script.txt");
}

struct ScriptCase {
    const char* name;
    const char* script;
    const char* output;
};

class IsamScriptTest : public ::testing::TestWithParam<ScriptCase> {};

TEST_P(IsamScriptTest, PrintsOneLinePerCommand) {
    const ScriptCase& c = GetParam();
    const ToolRun run = RunScript(c.name, c.script);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, c.output);
    EXPECT_EQ(run.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, IsamScriptTest,
    ::testing::Values(
        ScriptCase{"records",
                   "init 0 8\n"
                   "create R 21 0\n"
                   "open R\n"
                   "addrec R x00000000414243\n"
                   "addrec R x\n"
                   "addrec R x00000000ff\n"
                   "# a comment\n"
                   "\n"
                   "getrec R 1\n"
                   "deleterec R 2\n"
                   "getrec R 2\n"
                   "addrec R x0000000058\n"
                   "putrec R 3 x00000000595a\n"
                   "getrec R 3\n"
                   "filelen R\n"
                   "usedrecs R\n"
                   "deleterec R 4\n"
                   "putrec R 0 x\n"
                   "close R\n"
                   "exit\n",
                   "ok 8\nok\nok\nok 1\nok 2\nok 3\n"
                   "ok x000000004142430000000000000000000000000000\n"
                   "ok\n"
                   "ok xffffffff0000000000000000000000000000000000\n"
                   "ok 2\nok\n"
                   "ok x00000000595a000000000000000000000000000000\n"
                   "ok 4\nok 3\nerr 10135\nerr 10130\nok\nok\n"},
        ScriptCase{"keys",
                   "init 0 200\n"
                   "create K 30 2 5,0 3,1\n"
                   "open K\n"
                   "addkey K 1 1 x4243\n"
                   "addkey K 1 2 x41\n"
                   "addkey K 1 3 x41\n"
                   "addkey K 1 3 x414243444546\n"
                   "addkey K 2 7 x5a\n"
                   "addkey K 2 3 x5a\n"
                   "findkey K 2 x5a\n"
                   "searchkey K 2 x59\n"
                   "searchkey K 1 x43\n"
                   "findkey K 1 x42\n"
                   "clearkey K 1\n"
                   "nextkey K 1\n"
                   "nextkey K 1\n"
                   "nextkey K 1\n"
                   "nextkey K 1\n"
                   "nextkey K 1 2 x41\n"
                   "deletekey K 1 0 x4243\n"
                   "deletekey K 1 0 x4243\n"
                   "nextkey K 2\n"
                   "addkey K 3 1 x41\n"
                   "close K\n"
                   "exit\n",
                   "ok 200\nok\nok\nok\nok\nerr 10230\nerr 10125\nok\nok\n"
                   "ok 3\nok 3 x5a\nerr 10210\nerr 10200\nok\n"
                   "ok 2 x41\nok 1 x4243\nerr 10250\nok 2 x41\nok 1 x4243\n"
                   "ok\nerr 10220\nok 7 x5a\nerr 10164\nok\nok\n"},
        ScriptCase{"nextkey after a change searches from the last entry returned",
                   "init 0 8\n"
                   "create N 30 1 4,0\n"
                   "open N\n"
                   "addkey N 1 1 x41\n"
                   "addkey N 1 2 x42\n"
                   "addkey N 1 3 x43\n"
                   "nextkey N 1\n"
                   "nextkey N 1\n"
                   "deletekey N 1 2 x42\n"
                   "nextkey N 1\n"
                   "exit\n",
                   "ok 8\nok\nok\nok\nok\nok\nok 1 x41\nok 2 x42\nok\nok 3 x43\nok\n"},
        ScriptCase{"engine codes for what is not there",
                   "addrec A x\n"
                   "init 0 7\n"
                   "init 1 8\n"
                   "init 0 8\n"
                   "init 0 8\n"
                   "getrec A 1\n"
                   "close A\n"
                   "open A\n"
                   "create A 20 0\n"
                   "create A 30 1 31,0\n"
                   "create A 30 101\n"
                   "delete A\n"
                   "nextkey A 1\n"
                   "exit\n"
                   "exit\n",
                   "err 10455\nerr 10451\nerr 10310\nok 8\nerr 10450\nerr 10445\nerr 10445\n"
                   "err 9903\nerr 10020\nerr 10055\nerr 10050\nok\nerr 10445\nok\nerr 10455\n"},
        ScriptCase{"a second open of an open fileblock fails",
                   "init 0 8\ncreate B 30 0\nopen B\nopen B\nclose B\nopen B\nexit\n",
                   "ok 8\nok\nok\nerr 10140\nok\nok\nok\n"}),
    [](const auto& info) { return ::oltoma::testing::CaseName(info.param.name); });

struct MalformedCase {
    const char* name;
    const char* script;
    const char* output;  // what ran before the bad line
    const char* where = "<stdin>:2:";
};

class MalformedScriptTest : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedScriptTest, StopsWithStatusTwo) {
    const MalformedCase& c = GetParam();
    const ToolRun run = RunScript("malformed", c.script);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, c.output);
    EXPECT_NE(run.err.find(c.where), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, MalformedScriptTest,
    ::testing::Values(MalformedCase{"unknown_command", "init 0 8\nfrobnicate\nexit\n", "ok 8\n"},
                      MalformedCase{"two_blanks", "init 0 8\nopen  A\n", "ok 8\n"},
                      MalformedCase{"trailing_blank", "init 0 8\nopen A \n", "ok 8\n"},
                      MalformedCase{"argument_missing", "init 0 8\ninit 0\n", "ok 8\n"},
                      MalformedCase{"word_for_a_number", "init 0 8\ninit zero 8\n", "ok 8\n"},
                      MalformedCase{"number_too_large", "init 0 8\ngetrec A 99999999999\n",
                                    "ok 8\n"},
                      MalformedCase{"half_a_byte", "init 0 8\naddkey A 1 1 x4\n", "ok 8\n"},
                      MalformedCase{"bytes_without_x", "init 0 8\naddkey A 1 1 41\n", "ok 8\n"},
                      MalformedCase{"key_pair_missing", "init 0 8\ncreate A 30 2 5,0\n", "ok 8\n"},
                      MalformedCase{"bad_key_pair", "init 0 8\ncreate A 30 1 5,2\n", "ok 8\n"},
                      MalformedCase{"incomplete_position", "init 0 8\nnextkey A 1 5\n", "ok 8\n"},
                      MalformedCase{"record_too_long",
                                    "init 0 8\ncreate A 21 0\nopen A\naddrec A x"
                                    "00000000000000000000000000000000000000000000\n",
                                    "ok 8\nok\nok\n", "<stdin>:4: record data longer"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IsamScriptCommandTest, ArgumentsAndScriptFiles) {
    std::filesystem::create_directories("files");
    std::ofstream("files/s.txt") << "init 0 8\r\nexit\r\n";
    const std::string tool = "'" OLTOMA_TOOL_PATH "'";
    const ToolRun run = oltoma::testing::RunCommand("cd files && " + tool + " isam-script s.txt");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "ok 8\nok\n");
    EXPECT_EQ(oltoma::testing::RunCommand(tool + " isam-script missing.txt").status, 1);
    EXPECT_EQ(oltoma::testing::RunCommand(tool + " isam-script").status, 2);
}

}  // namespace
}  // namespace oltoma::tool
