#include "tool_test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "base/settings/settings_state.h"
#include "base/text/windows1252.h"
#include "ol/data/files/competitions.h"
#include "ol/data/files/file_groups.h"
#include "ol/data/files/ol_startup.h"
#include "ol/data/files/ol_state.h"
#include "ol/data/files/registers.h"

namespace oltoma::tool {

ToolRun Tool(const std::string& arguments) {
    return oltoma::testing::RunCommand("'" OLTOMA_TOOL_PATH "' " + arguments);
}

std::string Slurp(const std::filesystem::path& name) {
    std::ifstream file(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

void StartDataDirectory() {
    std::filesystem::create_directory("data");
    GlobalSettings& settings = WorkingGlobalSettings();
    settings.dataDirectories[kOltomaApplicationKind] =
        Windows1252FromUtf8(std::filesystem::absolute("data").string());
    settings.routeDescriptionFormat = 1;
    ASSERT_TRUE(ol::OlStartup({}));
    ASSERT_TRUE(ol::CreateCommonFiles());
    ASSERT_TRUE(ol::OpenCommonFiles());
}

void AddClubAndCompetition() {
    std::int32_t rc = 0;
    ol::ClearClub();
    ol::Ol().club.rec.Namn = "ALFA OK";
    ASSERT_TRUE(ol::SaveClub(true, rc));
    ol::ClearCompetitionRecord();
    ol::Ol().competition.rec.Tvl = "Test";
    int n = 0;
    ASSERT_TRUE(ol::SaveCompetition(true, n));
    ASSERT_TRUE(ol::CreateCompetitionFiles());
}

}  // namespace oltoma::tool
