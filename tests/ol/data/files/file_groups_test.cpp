#include "ol/data/files/file_groups.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "data_layer_fixture.h"
#include "ol/data/files/file_names.h"
#include "ol/data/files/fileblock_handles.h"
#include "ol/data/files/registers.h"
#include "ol/data/files/route_file.h"
#include "storage/access_layer.h"

namespace oltoma::ol {
namespace {

class FileGroups : public testing::DataLayerTest {
protected:
    // True when the fileblock is not held by the layer any more.
    bool Free(std::string_view base) {
        storage::FileBlock* block = nullptr;
        if (!OpenDataFile(block, base)) {
            return false;
        }
        CloseDataFile(block, base);
        return true;
    }
};

class FileGroupsWithoutFiles : public FileGroups {
protected:
    bool WithCommonFiles() const override { return false; }
};

TEST_F(FileGroupsWithoutFiles, MissingFilesKeepTheGroupClosedWithoutADialog) {
    EXPECT_FALSE(OpenCommonFiles());
    EXPECT_FALSE(Ol().CommonFilesOpen);
    EXPECT_EQ(Message(), "Datafiler saknas/ ej i aktuellt bibliotek");
    EXPECT_EQ(Ol().CompetitionSlots, 0);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_TRUE(std::filesystem::is_empty(folder)) << "looking for a file leaves none behind";

    EXPECT_FALSE(OpenParticipantFiles());
    EXPECT_FALSE(OpenDefinitionFiles());
    EXPECT_FALSE(CreateCompetitionFiles());
}

TEST_F(FileGroups, OpeningAndClosingTheCommonFilesIsReported) {
    EXPECT_TRUE(Ol().CommonFilesOpen);
    EXPECT_EQ(Message(), "Filerna öppna....");
    EXPECT_TRUE(Ol().Route24FileOpen);
    CloseCommonFiles();
    EXPECT_EQ(Message(), "Filerna stängda..");
    EXPECT_FALSE(Ol().CommonFilesOpen);
    EXPECT_EQ(Ol().clubFile, nullptr);
    EXPECT_EQ(Ol().route24File, nullptr);
}

TEST_F(FileGroups, AGroupThatCannotOpenCompletelyClosesWhatItOpened) {
    ASSERT_EQ(NewCompetition("Ett"), 1);
    CloseParticipantFiles();
    storage::DeleteFileBlock(DataFileName("OL01"));
    EXPECT_FALSE(OpenParticipantFiles());
    EXPECT_EQ(Ol().classFile, nullptr);
    EXPECT_TRUE(Free("KLASS01"));

    CloseCommonFiles();
    storage::DeleteFileBlock(DataFileName("DISTR"));
    EXPECT_FALSE(OpenCommonFiles());
    EXPECT_EQ(Ol().clubFile, nullptr);
    EXPECT_TRUE(Free("CLUBAR"));
    EXPECT_TRUE(Free("RUTB24"));
}

TEST_F(FileGroups, DefinitionFilesTakeTurnsWithTheParticipantFiles) {
    ASSERT_EQ(NewCompetition("Ett"), 1);
    ASSERT_TRUE(OpenDefinitionFiles());
    EXPECT_FALSE(Ol().ParticipantFilesOpen);
    EXPECT_NE(Ol().controlFile, nullptr);
    EXPECT_EQ(Ol().participantFile, nullptr);

    ASSERT_TRUE(OpenParticipantFiles());
    EXPECT_FALSE(Ol().DefinitionFilesOpen);
    EXPECT_EQ(Ol().controlFile, nullptr);
    EXPECT_NE(Ol().participantFile, nullptr);
    EXPECT_TRUE(OpenParticipantFiles());  // already open: nothing changes

    CloseParticipantFiles();
    EXPECT_TRUE(Free("KLASS01"));
    EXPECT_TRUE(Free("OL01"));
    EXPECT_TRUE(Free("TRACK01"));
}

TEST_F(FileGroups, SwitchingTheRouteFormatKeepsBothFiles) {
    std::int32_t rc = 0;
    ClearRoute24();
    Ol().route24.rec.Namn = "BRANT";
    ASSERT_TRUE(SaveRoute24(true, rc));

    WorkingGlobalSettings().routeDescriptionFormat = 0;
    EXPECT_TRUE(SwitchRouteFormat());
    EXPECT_TRUE(Ol().RouteFileOpen);
    EXPECT_FALSE(Ol().Route24FileOpen);
    EXPECT_EQ(Ol().route24File, nullptr);
    EXPECT_TRUE(Free("RUTB24"));

    WorkingGlobalSettings().routeDescriptionFormat = 2;  // still the older form
    EXPECT_TRUE(SwitchRouteFormat());
    EXPECT_TRUE(Ol().RouteFileOpen);

    WorkingGlobalSettings().routeDescriptionFormat = 1;
    EXPECT_TRUE(SwitchRouteFormat());
    bool notFound = true;
    bool ok = false;
    EXPECT_TRUE(FindRoute24(FindMode::kByKey, "brant", rc, notFound, ok));
}

TEST_F(FileGroups, MissingRouteFileOfTheNewFormatClosesTheGroup) {
    storage::DeleteFileBlock(DataFileName("RUTBESKR"));
    WorkingGlobalSettings().routeDescriptionFormat = 0;
    EXPECT_FALSE(SwitchRouteFormat());
    EXPECT_FALSE(Ol().CommonFilesOpen);
    EXPECT_TRUE(Free("CLUBAR"));
    EXPECT_TRUE(Free("RUTB24"));
}

TEST_F(FileGroups, CompetitionFilesThatCannotAllBeMadeAreRemoved) {
    std::filesystem::create_directory(folder / "TRACK01.DAT");  // blocks the course file
    ClearInfoRec(Ol().competition.rec);
    int n = 0;
    ASSERT_TRUE(SaveCompetition(true, n));
    EXPECT_FALSE(CreateCompetitionFiles());
    EXPECT_FALSE(Ol().ParticipantFilesOpen);
    EXPECT_EQ(Message().rfind("TRACK01: ", 0), 0u) << Message();
    for (const char* name : {"KLASS01.DAT", "KLASS01.IX", "CLUBS01.Dat", "OL01.DAT", "OL01.IX"}) {
        EXPECT_FALSE(Exists(name)) << name;
    }
}

}  // namespace
}  // namespace oltoma::ol
