// The log list on the recording printer: page 2800 pixels high at 240 dpi;
// "Courier New" 10 points gives text 33 high and 16 wide, so x = 96 and the
// line height is 33 * 6 div 5 = 39.
#include "print/log_list.h"

#include <gtest/gtest.h>

#include "platform/print/recording_printer.h"
#include "platform/process_state.h"

namespace oltoma {
namespace {

using Kind = platform::CanvasCall::Kind;

class LogList : public ::testing::Test {
protected:
    LogList() { previous_ = platform::BindPrinter(&printer); }
    ~LogList() override {
        LogClose();
        platform::BindPrinter(previous_);
    }

    std::vector<std::vector<platform::CanvasCall>> LinesPerJob() const {
        std::vector<std::vector<platform::CanvasCall>> jobs;
        for (const platform::CanvasCall& call : printer.calls()) {
            if (call.kind == Kind::BeginDoc) {
                jobs.emplace_back();
            } else if (call.kind == Kind::TextOut) {
                jobs.back().push_back(call);
            }
        }
        return jobs;
    }

    platform::RecordingPrinter printer;

private:
    platform::Printer* previous_ = nullptr;
};

TEST_F(LogList, PageHoldsTheDocumentedNumberOfLines) {
    LogLine(LogText("first"));
    for (int i = 1; i < 70; ++i) {
        LogLine("line " + std::to_string(i));
    }
    LogClose();
    const int perPage = (2800 - 4 * 39) / 39 + 1;
    ASSERT_EQ(perPage, 68);
    const auto jobs = LinesPerJob();
    ASSERT_EQ(jobs.size(), 2u);
    EXPECT_EQ(jobs[0].size(), 68u);
    EXPECT_EQ(jobs[1].size(), 2u);
    EXPECT_EQ(jobs[0][0].text, "first");
    EXPECT_EQ(jobs[0][0].from, (platform::Point{96, 78}));
    EXPECT_EQ(jobs[0][67].from, (platform::Point{96, 78 + 67 * 39}));
    EXPECT_EQ(jobs[1][0].from, (platform::Point{96, 78}));
    EXPECT_EQ(jobs[0][0].font.face, "Courier New");
    EXPECT_TRUE(jobs[0][0].font.bold);
    EXPECT_EQ(printer.jobTitles(), (std::vector<std::string>{"logglista", ". forts..."}));
    EXPECT_EQ(printer.jobsEnded(), 2);
}

TEST_F(LogList, ClosedLogPrintsNothingAndRestoresTheFont) {
    platform::FontDescription before;
    before.face = "Arial";
    printer.GetCanvas().SetFont(before);
    LogLine("not printed");
    EXPECT_FALSE(LogIsOpen());
    LogOpen("import");
    LogNewPage(-33);
    LogLine("one");
    LogNewPage(1);
    LogClose();
    LogClose();
    EXPECT_EQ(printer.jobTitles(), (std::vector<std::string>{"import", ". forts..."}));
    EXPECT_EQ(printer.GetCanvas().Font(), before);
}

std::vector<std::string>& Observed() {
    static std::vector<std::string> lines;
    return lines;
}

TEST_F(LogList, ObserverSeesThePrintedLinesOnly) {
    Observed().clear();
    const LogLineObserver previous =
        BindLogLineObserver([](std::string_view line) { Observed().emplace_back(line); });
    LogLine("closed: not printed");
    LogLine(LogText("first"));
    LogLine("");
    LogLine(std::string(300, 'x'));
    LogClose();
    BindLogLineObserver(previous);
    EXPECT_EQ(Observed(), (std::vector<std::string>{"first", "", std::string(255, 'x')}));
}

TEST_F(LogList, WithoutPrinterNothingHappens) {
    platform::RecordingPrinter none(platform::RecordingPrinter::Device{{}, "", 2000, 2800, 240});
    platform::BindPrinter(&none);
    EXPECT_EQ(LogText("x"), "x");
    LogLine("x");
    LogNewPage(0);
    LogClose();
    EXPECT_FALSE(LogIsOpen());
    EXPECT_TRUE(none.calls().empty());
    platform::BindPrinter(&printer);
}

TEST_F(LogList, ProcessStateResetForgetsAnOpenLog) {
    LogOpen("logg");
    ASSERT_TRUE(LogIsOpen());
    platform::ResetProcessState();
    EXPECT_FALSE(LogIsOpen());
}

}  // namespace
}  // namespace oltoma
