#include "base/files/exchange_file.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "base/messages/messages.h"
#include "base/settings/program_version.h"
#include "base/text/windows1252.h"
#include "bound_services.h"
#include "platform/folders.h"
#include "platform/process_state.h"
#include "scripted_progress.h"
#include "scripted_services.h"

namespace oltoma {
namespace {

std::string Slurp(const std::string& name) {
    std::ifstream file(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

std::string Message() {
    return Utf8FromWindows1252(MessageLine.view());
}

class ExchangeFile : public ::testing::Test {
protected:
    ~ExchangeFile() override { CloseExchangeFile(); }

    // Creates `name` through the named open or the save dialog and writes one
    // line; returns the file's bytes.
    std::string Created(const std::string& name, bool withDialog) {
        if (withDialog) {
            dialogs.Choose(name);
            std::string directory = platform::CurrentDirectory();
            std::string path;
            EXPECT_TRUE(OpenExchangeFileDialog(0, ';', 'C', 0, ";*.ol", "ol", directory, path));
        } else {
            EXPECT_TRUE(OpenExchangeFile(0, ';', 'C', name, 0));
        }
        WriteExchangeLine("*Klubbar");
        CloseExchangeFile();
        return Slurp(name);
    }

    testing::ScriptedFileDialogs dialogs;
    testing::BoundServices bound{{.fileDialogs = &dialogs}};
};

// An exchange file left open by one job is closed by the process-state
// reset, so the next job starts with none open.
TEST_F(ExchangeFile, TheProcessResetClosesAFileLeftOpen) {
    ASSERT_TRUE(OpenExchangeFile(0, ';', 'C', "LEFT.TXT", 0));
    platform::ResetProcessState();
    EXPECT_FALSE(ExchangeFileOpen());
    EXPECT_EQ(ExchangeIoResult(), 0);
}

TEST_F(ExchangeFile, FirstLineNamesTheProgramUnlessTheExtensionSaysOtherwise) {
    const std::string first = "; " + MainWindowCaption() + "\r\n";
    const struct {
        const char* name;
        bool byName;
        bool withDialog;
    } cases[] = {
        {"x.txt", true, true},   {"x.ol", true, true},    {"x.htm", false, false},
        {"x.HTM", false, false}, {"x.xml", false, false}, {"x.css", false, false},
        {"x.xsl", false, false}, {"x.html", true, false}, {"x.pdf", true, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Created(c.name, false), (c.byName ? first : "") + "*Klubbar\r\n") << c.name;
        EXPECT_EQ(Created(c.name, true), (c.withDialog ? first : "") + "*Klubbar\r\n") << c.name;
    }
}

TEST_F(ExchangeFile, SaveDialogStartsWhereTheDirectorySaysAndKeepsTheFolderChosen) {
    ::mkdir("ut", 0700);
    ::mkdir("data.2024", 0700);
    dialogs.Choose(platform::CurrentDirectory() + "/ut/klubbar.ol");
    std::string directory = "ut/gammal.txt";
    std::string path;
    ASSERT_TRUE(OpenExchangeFileDialog(0, ';', 'C', 3, ";*.ol", "ol", directory, path));
    const platform::FileDialogRequest& asked = dialogs.asked.back().request;
    EXPECT_EQ(asked.kind, platform::FileDialogRequest::Kind::save);
    EXPECT_EQ(asked.title, "Spara fil som...");
    EXPECT_EQ(asked.folder, "ut");
    EXPECT_EQ(asked.fileName, "gammal.txt");
    EXPECT_EQ(asked.filter, "import/export|*.txt;*.exp;*.ixp;*.imp;*.vpx;*.txx;*.exx;*.ol;*.txt");
    EXPECT_EQ(asked.defaultExtension, "ol");
    EXPECT_FALSE(asked.mustExist);
    EXPECT_EQ(path, platform::CurrentDirectory() + "/ut/klubbar.ol");
    EXPECT_EQ(directory, platform::CurrentDirectory() + "/ut");
    CloseExchangeFile();

    // An existing folder is never split at a "."; a mask without ";" makes a
    // filter of its own.
    dialogs.Choose("data.2024/a.txt");
    directory = "data.2024";
    ASSERT_TRUE(OpenExchangeFileDialog(0, ';', 'O', 0, "*.dat", "", directory, path) == false);
    EXPECT_EQ(dialogs.asked.back().request.folder, "data.2024");
    EXPECT_EQ(dialogs.asked.back().request.fileName, "");
    EXPECT_EQ(dialogs.asked.back().request.filter, "import/export (*.dat) |*.dat");
    EXPECT_EQ(Message(), "Kan ej öppna/skapa ixportfilen \"data.2024/a.txt\"");
    EXPECT_TRUE(dialogs.asked.back().request.mustExist);
    EXPECT_EQ(Utf8FromWindows1252(dialogs.asked.back().request.title), "Välj filnamn");
}

TEST_F(ExchangeFile, CancelLeavesItClosedAndClosingAClosedFileDoesNothing) {
    std::string directory;
    std::string path = "kept";
    EXPECT_FALSE(OpenExchangeFileDialog(0, ';', 'C', 3, ";*.ol", "ol", directory, path));
    EXPECT_FALSE(ExchangeFileOpen());
    EXPECT_EQ(path, "kept");
    SetMessageLine("unchanged");
    const ExchangeSummary summary = CloseExchangeFile();
    EXPECT_EQ(summary.lines, 0);
    EXPECT_EQ(Message(), "unchanged");
    EXPECT_FALSE(WriteExchangeLine("x"));
}

TEST_F(ExchangeFile, ReadsCountsAndReportsItsLines) {
    std::ofstream("in.txt", std::ios::binary) << "*Kontroller\r\n31,A\n\n32";
    ASSERT_TRUE(OpenExchangeFileForReading(0, ';', "in.txt", 4));
    EXPECT_EQ(Message(), "IxportFile in.txt öppen..");
    std::vector<std::string> lines;
    std::string line;
    while (ReadExchangeLine(line)) {
        lines.push_back(line);
    }
    EXPECT_EQ(lines, (std::vector<std::string>{"*Kontroller", "31,A", "", "32"}));
    EXPECT_TRUE(ExchangeEof());
    EXPECT_FALSE(ExchangeReadFailed());
    EXPECT_EQ(ExchangeLineNumber(), 4);
    const ExchangeSummary summary = CloseExchangeFile();
    EXPECT_EQ(summary.lines, 4);
    EXPECT_EQ(summary.ioResult, 0);
    EXPECT_TRUE(Message().starts_with("Import/export av    4 rader ")) << Message();
}

TEST_F(ExchangeFile, CountsShowInTheProgressWindow) {
    testing::ScriptedProgressWindows progress;
    testing::BoundProgressWindows boundProgress{progress};
    std::ofstream("in.txt") << "x\n";
    ASSERT_TRUE(OpenExchangeFileForReading(0, ';', "in.txt", 4));
    ASSERT_EQ(progress.windows.size(), 1u);
    EXPECT_EQ(progress.windows[0]->options.caption, "in.txt");
    EXPECT_TRUE(progress.windows[0]->options.withCancel);
    CountRecord("Kontr:  31 Record:   1", 1, 0);
    CountRecord("Kontr:  32 Record:   0", 0, 0);
    EXPECT_EQ(progress.windows[0]->lines[1], "Add: 0001 Mod: 0000");
    EXPECT_EQ(progress.windows[0]->lines[2], "Kontr:  32 Record:   0..felaktig!!");
    const ExchangeSummary summary = CloseExchangeFile();
    EXPECT_EQ(summary.added, 1);
    EXPECT_EQ(summary.modified, 0);
    EXPECT_FALSE(progress.windows[0]->open);

    ASSERT_TRUE(OpenExchangeFile(0, ';', 'C', "out.ol", 6));
    CountExport("StartNr:0001 Klass: H21", 1, 12);
    EXPECT_EQ(progress.windows[1]->lines[1], "Export:    1 [  12]");
    EXPECT_EQ(progress.windows[1]->lines[2], "StartNr:0001 Klass: H21");
}

TEST_F(ExchangeFile, FailuresAreReportedNotHidden) {
    EXPECT_FALSE(OpenExchangeFileForReading(0, ';', "missing.txt", 0));
    EXPECT_EQ(Message(), "Kan ej öppna IxportFile: \"missing.txt\" Hittar ej filen");
    EXPECT_FALSE(ExchangeFileOpen());
    EXPECT_FALSE(OpenExchangeFileForReading(0, ';', "", 0));

    // A folder opened as a file ends at its first read.
    ::mkdir("folder", 0700);
    ASSERT_TRUE(OpenExchangeFileForReading(0, ';', "folder", 0));
    std::string line = "unchanged";
    EXPECT_FALSE(ReadExchangeLine(line));
    EXPECT_EQ(line, "unchanged");
    EXPECT_TRUE(ExchangeEof());
    EXPECT_TRUE(ExchangeReadFailed());
    EXPECT_EQ(Message(), "Fel vid läsning av \"folder\" Filåtkomst förvägras");
    EXPECT_FALSE(ReadExchangeLine(line));
    EXPECT_EQ(CloseExchangeFile().ioResult, 5);

    // Writes to a full disk fail, at a write or at the close at the latest.
    ASSERT_TRUE(OpenExchangeFile(0, ';', 'C', "/dev/full", 0));
    bool allWritten = true;
    for (int i = 0; i < 1000; ++i) {
        allWritten = WriteExchangeLine(std::string(100, 'x')) && allWritten;
    }
    EXPECT_FALSE(allWritten);
    EXPECT_EQ(CloseExchangeFile().ioResult, 112);
    EXPECT_EQ(ExchangeIoResult(), 112);

    ASSERT_TRUE(OpenExchangeFile(0, ';', 'C', "/dev/full", 0));
    EXPECT_TRUE(WriteExchangeLine("short"));
    EXPECT_EQ(CloseExchangeFile().ioResult, 112);
}

TEST_F(ExchangeFile, WrittenLinesAreCutAndEndWithCarriageReturnLineFeed) {
    ASSERT_TRUE(OpenExchangeFile(0, ';', 'C', "out.htm", 0));
    EXPECT_TRUE(WriteExchangeLine(std::string(300, 'y')));
    EXPECT_TRUE(WriteExchangeLine(""));
    EXPECT_EQ(CloseExchangeFile().lines, 2);
    EXPECT_EQ(Slurp("out.htm"), std::string(255, 'y') + "\r\n\r\n");
}

}  // namespace
}  // namespace oltoma
