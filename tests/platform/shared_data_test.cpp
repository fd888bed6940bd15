#include "platform/shared_data.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace oltoma::platform {
namespace {

namespace fs = std::filesystem;

std::string Make(const std::string& path) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path) << "x";
    return fs::absolute(path).string();
}

std::string Folder(const std::string& path) {
    fs::create_directories(path);
    return fs::absolute(path).string();
}

TEST(SharedData, FoundBesideTheInstalledAndTheBuiltExecutable) {
    const std::string installed = Make("usr/share/oltoma/symbols.txt");
    EXPECT_EQ(FindSharedDataFile("symbols.txt", Folder("usr/bin")).path, installed);

    const std::string built = Make("build/share/oltoma/licences/qt.txt");
    EXPECT_EQ(FindSharedDataFile("licences/qt.txt", Folder("build/src/app")).path, built);
    EXPECT_EQ(FindSharedDataFile("licences/qt.txt", Folder("build/tests/ol/data")).path, built);
}

TEST(SharedData, MissingFileNamesItAndDoesNotFallBackToAnotherTree) {
    // An outer tree holds the file, but the executable's own tree comes first.
    Make("outer/share/oltoma/symbols.txt");
    Folder("outer/opt/oltoma/share/oltoma");
    const SharedDataFile lookup = FindSharedDataFile("symbols.txt", Folder("outer/opt/oltoma/bin"));
    EXPECT_TRUE(lookup.path.empty());
    EXPECT_EQ(lookup.problem,
              "Programmets datafil saknas: " +
                  fs::absolute("outer/opt/oltoma/share/oltoma/symbols.txt").string());
}

TEST(SharedData, NoDataFolderAtAllIsReportedNotFound) {
    const std::string bin = Folder("bare/bin");
    const SharedDataFile lookup = FindSharedDataFile("symbols.txt", bin);
    EXPECT_TRUE(lookup.path.empty());
    EXPECT_NE(lookup.problem.find("share/oltoma/symbols.txt"), std::string::npos) << lookup.problem;
    EXPECT_NE(lookup.problem.find(bin), std::string::npos) << lookup.problem;

    EXPECT_TRUE(FindSharedDataFile("symbols.txt", "").path.empty());
}

}  // namespace
}  // namespace oltoma::platform
