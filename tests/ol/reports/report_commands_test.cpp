// The menu commands: the pick list runs with the PDF box offered, a ticked
// box asks for the file, and the picked records print in the pick's order.
#include <deque>

#include "ol/reports/report_commands.h"
#include "platform/pdf_file_prompt.h"
#include "reports_fixture.h"
#include "scripted_pick_dialog.h"

namespace oltoma::ol::testing {
namespace {

class AnsweredPdfPrompt final : public platform::PdfFilePrompt {
public:
    std::deque<std::string> answers;
    int asked = 0;
    std::string AskPdfFile(platform::WindowHandle, const std::string&) override {
        ++asked;
        std::string answer = answers.empty() ? std::string() : answers.front();
        if (!answers.empty()) {
            answers.pop_front();
        }
        return answer;
    }
};

class ReportCommandsTest : public ReportsTest {
protected:
    void SetUp() override {
        ReportsTest::SetUp();
        previousPrompt_ = platform::BindPdfFilePrompt(&prompt);
    }
    void TearDown() override {
        platform::BindPdfFilePrompt(previousPrompt_);
        ReportsTest::TearDown();
    }

    // OK with every line selected, and the PDF box as given.
    void ChooseAll(bool pdf) {
        picks.answer = [pdf](const registers::PickDialogRequest& request) {
            registers::PickDialogAnswer answer{.ok = true, .pdf = pdf};
            for (std::size_t i = 0; i < request.lines.size(); ++i) {
                answer.selected.push_back(static_cast<int>(i));
            }
            return answer;
        };
    }

    oltoma::testing::ScriptedPickDialog picks;
    oltoma::testing::PickDialogBinding pickBinding{&picks};
    AnsweredPdfPrompt prompt;

private:
    platform::PdfFilePrompt* previousPrompt_ = nullptr;
};

TEST_F(ReportCommandsTest, EachCommandPicksWithItsTitleAndOffersPdf) {
    AddControl("31");
    AddCourse("A", {"31"});
    AddClass("H21", "A");
    AddSymbol("5.1", 0);
    struct Case {
        void (*command)(platform::WindowHandle);
        const char* title;
        const char* jobTitle;
    };
    const Case cases[] = {
        {&PrintControlDefinitions, "Välj kontroll(er)", "OltomaW64:kontroller"},
        {&PrintCoursesPerClass, "Välj klass(er)", "OltomaW64:banor"},
        {&PrintCodeCourseClass, "Välj kontroll(er)", "OltomaW64:kodbanaklass"},
        {&PrintCourseDefinitions, "Välj ban(a)(or)", "OltomaW64:banor"},
        {&PrintClassList, "Välj klass(er)", "OltomaW64:klasser"},
        {[](platform::WindowHandle owner) { PrintRouteDescriptions(owner, 'p'); },
         "Välj rutbeskrivning(ar)", "OltomaW64:rutbeskr"},
    };
    ChooseAll(false);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        picks.requests.clear();
        const std::size_t jobs = printer().jobTitles().size();
        c.command(7);
        ASSERT_EQ(picks.requests.size(), 1u);
        EXPECT_EQ(Utf8FromWindows1252(picks.requests[0].title), c.title);
        EXPECT_TRUE(picks.requests[0].multi);
        EXPECT_TRUE(picks.requests[0].offerPdf);
        ASSERT_EQ(printer().jobTitles().size(), jobs + 1);
        EXPECT_EQ(printer().jobTitles().back(), c.jobTitle);
        EXPECT_TRUE(printer().selections().back().pdfFile.empty());
    }
    EXPECT_EQ(prompt.asked, 0);
}

TEST_F(ReportCommandsTest, TickedPdfAsksForTheFileAndCancelPrintsNothing) {
    AddClass("H21", "A");
    ChooseAll(true);
    prompt.answers = {"/tmp/klasser.pdf", ""};
    PrintClassList(7);
    ASSERT_EQ(printer().selections().size(), 1u);
    EXPECT_EQ(printer().selections()[0].pdfFile, "/tmp/klasser.pdf");
    PrintClassList(7);
    EXPECT_EQ(prompt.asked, 2);
    EXPECT_EQ(printer().jobTitles().size(), 1u) << "Cancel of the file question prints nothing";
}

TEST_F(ReportCommandsTest, CancelledPickOrEmptyFilePrintsNothing) {
    PrintControlDefinitions(7);  // no control: no pick either
    EXPECT_TRUE(picks.requests.empty());
    AddControl("31");
    PrintControlDefinitions(7);  // the scripted dialog answers Cancel
    EXPECT_EQ(picks.requests.size(), 1u);
    EXPECT_TRUE(printer().jobTitles().empty());
}

}  // namespace
}  // namespace oltoma::ol::testing
