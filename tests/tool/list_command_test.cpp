// oltoma-tool list: every live register record as a JSON line, in key order,
// without writing anything.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "base/settings/settings_state.h"
#include "base/text/windows1252.h"
#include "ol/data/files/competitions.h"
#include "ol/data/files/file_formats.h"
#include "ol/data/files/file_groups.h"
#include "ol/data/files/file_names.h"
#include "ol/data/files/ol_startup.h"
#include "ol/data/files/ol_state.h"
#include "ol/data/files/registers.h"
#include "ol/data/records/record_keys.h"
#include "storage/access_layer.h"
#include "storage/file_primitives.h"
#include "tool_test_support.h"

namespace oltoma::tool {
namespace {

std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// The string values of `field` in the lines, in order.
std::vector<std::string> Values(const std::string& out, const std::string& field) {
    std::vector<std::string> values;
    const std::regex pattern("\"" + field + "\":\"([^\"]*)\"");
    for (const std::string& line : LinesOf(out)) {
        std::smatch match;
        values.push_back(std::regex_search(line, match, pattern) ? match[1].str() : "?");
    }
    return values;
}

// Every file of the data directory with its contents.
std::map<std::string, std::string> Contents() {
    std::map<std::string, std::string> contents;
    for (const auto& entry : std::filesystem::directory_iterator("data")) {
        contents[entry.path().filename().string()] = Slurp(entry.path());
    }
    return contents;
}

template <typename Record>
void AddWithoutLayer(storage::FileBlock* file, const Record& record, const std::string& key) {
    const std::int32_t rc = storage::AddRec(file, &record);
    if (!key.empty()) {
        storage::AddKey(file, 1, rc, key);
    }
    ASSERT_TRUE(storage::IsamSucceeded());
}

// A data directory "data" with records in every register, made through
// the data layer (and some past it: a record deleted behind a key it
// kept, a live record without a key, text in the OEM code page), closed.
class ListCommand : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(StartDataDirectory());
        std::int32_t rc = 0;
        for (const char* name : {"Beta IF", "Åland OK", "Alfa OK", "Gamma SK", "Delta OK"}) {
            ol::ClearClub();
            ol::Ol().club.rec.Namn = Windows1252FromUtf8(name);
            ASSERT_TRUE(ol::SaveClub(true, rc));
        }
        ol::ClubRec zeta{};
        zeta.Namn = "ZETA";
        AddWithoutLayer(ol::Ol().clubFile, zeta, "");
        // Gamma deleted with its key; Delta's record deleted, its key left.
        storage::DeleteKey(ol::Ol().clubFile, 1, 4, ol::ClubKey("GAMMA SK"));
        storage::DeleteRec(ol::Ol().clubFile, 4);
        storage::DeleteRec(ol::Ol().clubFile, 5);

        for (const auto& [number, name] : {std::pair{"02", "Syd"}, {"01", "Mitt"}}) {
            ol::ClearDistrict();
            ol::Ol().district.rec.Dnr = number;
            ol::Ol().district.rec.Dname = name;
            ASSERT_TRUE(ol::SaveDistrict(true, rc));
        }
        ol::DistrRec oem{};
        oem.Dnr = "03";
        oem.Dname = "\x86\x84\x94";  // "åäö" in the OEM code page
        AddWithoutLayer(ol::Ol().districtFile, oem, ol::DistrictKey("03"));

        ol::ClearRoute24();
        ol::Ol().route24.rec.Namn = "BRANT";
        ASSERT_TRUE(ol::SaveRoute24(true, rc));

        ol::ClearCompetitionRecord();
        ol::Ol().competition.rec.Tvl = Windows1252FromUtf8("Vårträffen");
        int n = 0;
        ASSERT_TRUE(ol::SaveCompetition(true, n));
        ASSERT_TRUE(ol::CreateCompetitionFiles());
        for (const char* designation : {"D16", "H21E"}) {
            ol::ClearClass();
            ol::Ol().klass.rec.Bet = designation;
            ASSERT_TRUE(ol::SaveClass(true, rc));
        }
        for (const char* number : {"0002", "0001"}) {
            ol::ClearParticipant();
            ol::Ol().participant.rec.NrStr = number;
            ASSERT_TRUE(ol::SaveParticipant(true, rc));
        }
        ASSERT_TRUE(ol::OpenDefinitionFiles());
        for (const char* code : {"32", "31"}) {
            ol::ClearControl();
            ol::Ol().control.rec.KodNr = code;
            ASSERT_TRUE(ol::SaveControl(true, rc));
        }
        for (const char* designation : {"B", "A"}) {
            ol::ClearCourse();
            ol::Ol().course.rec.Bana = designation;
            ASSERT_TRUE(ol::SaveCourse(true, rc));
        }
        ol::CloseCommonFiles();

        storage::FileBlock* routes = nullptr;
        storage::OpenFileBlock(routes, ol::DataFileName(ol::kRouteBase));
        ol::RutbRec sank{};
        sank.Namn = "SANK";
        AddWithoutLayer(routes, sank, ol::RouteKey("SANK"));
        storage::CloseFileBlock(routes);
        ol::OlShutdown();
    }
    void TearDown() override { std::filesystem::remove_all("data"); }
};

struct ListCase {
    const char* arguments;
    const char* field;
    std::vector<std::string> values;
};

class ListRegisters : public ListCommand, public ::testing::WithParamInterface<ListCase> {};

// Key order (classes by their sort key, H21E before D16); deleted records
// and a stale key left out; a live record without a key after the keyed
// ones; å ä ö in UTF-8, also from OEM text.
TEST_P(ListRegisters, ListEveryLiveRecordOnceInKeyOrder) {
    const std::map<std::string, std::string> before = Contents();
    const ToolRun run = Tool(std::string("list data ") + GetParam().arguments);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(Values(run.out, GetParam().field), GetParam().values) << run.out;
    EXPECT_EQ(Contents(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Registers, ListRegisters,
    ::testing::Values(ListCase{"clubs", "Namn", {"ALFA OK", "BETA IF", "ÅLAND OK", "ZETA"}},
                      ListCase{"districts", "Dname", {"Mitt", "Syd", "åäö"}},
                      ListCase{"competitions", "Tvl", {"Vårträffen"}},
                      ListCase{"routes", "Namn", {"SANK"}}, ListCase{"routes24", "Namn", {"BRANT"}},
                      ListCase{"classes 1", "Bet", {"H21E", "D16"}},
                      ListCase{"participants 1", "NrStr", {"0001", "0002"}},
                      ListCase{"controls 1", "KodNr", {"31", "32"}},
                      ListCase{"courses 1", "Bana", {"A", "B"}}),
    [](const auto& info) {
        std::string name = info.param.arguments;
        return name.substr(0, name.find(' '));
    });

TEST_F(ListCommand, FieldsAreListedInLayoutOrderByKind) {
    ToolRun run = Tool("list data controls 1");
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(LinesOf(run.out)[0],
              "{\"DataStatus\":0,\"KodNr\":\"31\",\"posX\":0,\"posY\":0,"
              "\"R\":[\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"],"
              "\"Reserv\":[0,0,0,0,0,0,0,0,0,0,0,0]}");
    run = Tool("list data competitions");
    const std::string& competition = run.out;
    for (const char* part :
         {"{\"DataStatus\":0,\"Lnr\":\"01\",",
          "\"Avg\":{\"e\":1,\"u\":1,\"o\":1,\"l\":10,\"ef\":\"*1.5\"}", "\"Days\":true,",
          "\"resDag\":[-1,-1],", "\"gemen\":1,", "\"tvltyp\":\"?\",", "\"ExtraFileName\":\"\",",
          "\"Count\":[[0,", "\"adress\":[[\"\",\"\",\"\",\"\",\"\"],",
          "\"dirklassfilter\":\"Ö DIR\","}) {
        EXPECT_NE(competition.find(part), std::string::npos) << part;
    }
    EXPECT_EQ(competition.find("Padding"), std::string::npos);
    run = Tool("list data routes24");
    EXPECT_NE(run.out.find("\"Symbol\":[[[0,"), std::string::npos);
}

TEST_F(ListCommand, AnEmptyRegisterListsNothing) {
    ASSERT_TRUE(ol::OlStartup({}));
    ASSERT_TRUE(ol::CreateIndexedFile("KONTR02", ol::ControlFileFormat()));
    ol::OlShutdown();
    const ToolRun run = Tool("list data controls 2");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
}

struct RefusalCase {
    const char* name;
    const char* arguments;
    void (*damage)();
    int status;
    const char* error;  // the start of standard error
};

class ListRefusals : public ListCommand, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(ListRefusals, ExitWithTheReason) {
    GetParam().damage();
    const std::map<std::string, std::string> before = Contents();
    const ToolRun run = Tool(GetParam().arguments);
    EXPECT_EQ(run.status, GetParam().status);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind(GetParam().error, 0), 0u) << run.err;
    EXPECT_EQ(Contents(), before);
}

void NoDamage() {}

INSTANTIATE_TEST_SUITE_P(
    Cases, ListRefusals,
    ::testing::Values(
        RefusalCase{"MissingCompetition", "list data controls", &NoDamage, 2, "usage:"},
        RefusalCase{"CompetitionNotWanted", "list data clubs 1", &NoDamage, 2, "usage:"},
        RefusalCase{"CompetitionOutOfRange", "list data courses 9", &NoDamage, 2, "usage:"},
        RefusalCase{"UnknownRegister", "list data lag", &NoDamage, 2, "usage:"},
        RefusalCase{"MissingFolder", "list nowhere clubs", &NoDamage, 1, "oltoma-tool: nowhere"},
        RefusalCase{"MissingFile", "list data controls 2", &NoDamage, 1,
                    "oltoma-tool: KONTR02: no such register"},
        RefusalCase{"PendingJournal", "list data districts",
                    [] { std::ofstream("data/DISTR.DIA", std::ios::app) << "xxxxxxxx"; }, 1,
                    "oltoma-tool: DISTR: a journal is pending"},
        RefusalCase{"WrongRecordLength", "list data districts",
                    [] {
                        for (const char* extension : {".DAT", ".IX"}) {
                            std::filesystem::remove(std::string("data/DISTR") + extension);
                            std::filesystem::copy_file(std::string("data/RUTB24") + extension,
                                                       std::string("data/DISTR") + extension);
                        }
                    },
                    1, "oltoma-tool: DISTR: record length 520, expected 32"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ListCommand, RefusesFilesHeldByTheProgram) {
    storage::FileHandle held;
    ASSERT_TRUE(storage::OpenFile(held, "data/CLUBAR.IX", true, false));
    const ToolRun run = Tool("list data districts");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "oltoma-tool: CLUBAR.IX is held open by another process\n");
    storage::CloseFile(held);
}

}  // namespace
}  // namespace oltoma::tool
