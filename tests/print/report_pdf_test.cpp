// A report to a PDF file on the recording printer: the target reaches the
// printer, no installed printer is needed, a file that cannot be written
// gives its one message; and the question for the file.
#include <deque>
#include <filesystem>

#include "base/messages/messages.h"
#include "base/text/windows1252.h"
#include "platform/folders.h"
#include "platform/pdf_file_prompt.h"
#include "print/pdf_choice.h"
#include "report_fixture.h"

namespace oltoma::testing {
namespace {

TEST_F(ReportFixture, PdfJobNeedsNoInstalledPrinter) {
    platform::RecordingPrinter none(
        platform::RecordingPrinter::Device{{}, "", 4724, 6779, 600, true});
    platform::Printer* previous = platform::BindPrinter(&none);
    block = TestPrinterBlock(1);
    block->valid = 0;
    block->deviceMode.printQuality = 0;  // no resolution: the PDF job's own
    ASSERT_TRUE(ReportOpen("klasser", *block, 0, {.pdfFile = "/tmp/out/klasser.pdf"}));
    ASSERT_EQ(none.selections().size(), 1u);
    EXPECT_EQ(none.selections()[0].pdfFile, "/tmp/out/klasser.pdf");
    // Margins 12.7 mm, 25.4 mm and 12.7 mm at the printer's 600 dpi.
    EXPECT_EQ(MarginLeft(), 300);
    EXPECT_EQ(MarginTop(), 600);
    EXPECT_EQ(PrintHeight(), 6779 - 600 - 300);
    WriteLine("rad");
    ReportEnd(false);
    EXPECT_TRUE(PdfWritten());
    EXPECT_TRUE(boxes.shown.empty());
    platform::BindPrinter(previous);
}

TEST_F(ReportFixture, UnwritablePdfGivesItsMessageOnly) {
    platform::RecordingPrinter failing(platform::RecordingPrinter::Device{
        {"oltoma-test"}, "oltoma-test", 2000, 2800, 240, true, true});
    platform::Printer* previous = platform::BindPrinter(&failing);
    block = TestPrinterBlock(1);
    ASSERT_TRUE(ReportOpen("klasser", *block, 0, {.pdfFile = "/nowhere/klasser.pdf"}));
    EXPECT_TRUE(PrintAborted());
    WriteLine("rad");
    ReportEnd(false);
    EXPECT_FALSE(PdfWritten());
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "Kan ej skriva PDF-filen \"/nowhere/klasser.pdf\"");
    EXPECT_EQ(boxes.shown[0].caption, "info");
    EXPECT_FALSE(dialog.open);
    platform::BindPrinter(previous);
}

TEST_F(ReportFixture, PrintedReportWritesNoPdf) {
    ASSERT_TRUE(Open(1));
    ReportEnd(false);
    EXPECT_FALSE(PdfWritten());
    EXPECT_TRUE(printer.selections().back().pdfFile.empty());
}

class ScriptedPdfPrompt final : public platform::PdfFilePrompt {
public:
    std::vector<std::string> suggested;
    std::deque<std::string> answers;

    std::string AskPdfFile(platform::WindowHandle, const std::string& suggestedPath) override {
        suggested.push_back(suggestedPath);
        std::string answer = answers.empty() ? std::string() : answers.front();
        if (!answers.empty()) {
            answers.pop_front();
        }
        return answer;
    }
};

TEST(PdfChoice, SuggestsTheTitleInTheFolderUsedLastAndAddsTheEnding) {
    ScriptedPdfPrompt prompt;
    platform::PdfFilePrompt* previous = platform::BindPdfFilePrompt(&prompt);
    prompt.answers = {"/data/rapporter/lista", "/data/andra/A.PDF", ""};
    EXPECT_EQ(AskReportPdfFile(0, "kontroller"), "/data/rapporter/lista.pdf");
    EXPECT_EQ(AskReportPdfFile(0, Windows1252FromUtf8("klassér")), "/data/andra/A.PDF");
    EXPECT_EQ(AskReportPdfFile(0, "banor"), "") << "cancelled";
    ASSERT_EQ(prompt.suggested.size(), 3u);
    EXPECT_EQ(prompt.suggested[0],
              (std::filesystem::path(platform::DocumentsFolder()) / "kontroller.pdf").string());
    EXPECT_EQ(prompt.suggested[1], "/data/rapporter/klassér.pdf");
    EXPECT_EQ(prompt.suggested[2], "/data/andra/banor.pdf");
    platform::BindPdfFilePrompt(previous);
    EXPECT_EQ(AskReportPdfFile(0, "banor"), "") << "unbound: every question is cancelled";
}

}  // namespace
}  // namespace oltoma::testing
