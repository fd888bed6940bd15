// oltoma-tool report, run as a user runs it on a small data directory: each
// kind's PDF holds its heading and a known text; the exit codes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "base/messages/messages.h"
#include "base/settings/settings_state.h"
#include "base/text/windows1252.h"
#include "ol/data/files/competitions.h"
#include "ol/data/files/file_groups.h"
#include "ol/data/files/ol_startup.h"
#include "ol/data/files/ol_state.h"
#include "ol/data/files/registers.h"
#include "tool_test_support.h"

namespace oltoma::tool {
namespace {

namespace fs = std::filesystem;

// The PDF's text with every run of blanks and line breaks made one blank:
// the extraction splits a line where it has wide gaps.
std::string PdfText(const std::string& path) {
    std::system(("pdftotext '" + path + "' pdf-text.txt").c_str());
    std::string text;
    for (const char c : Slurp("pdf-text.txt")) {
        const bool blank = c == ' ' || c == '\n' || c == '\f';
        if (!blank || (!text.empty() && text.back() != ' ')) {
            text += blank ? ' ' : c;
        }
    }
    return text;
}

void Add(bool (*save)(bool, std::int32_t&)) {
    std::int32_t rc = 0;
    ASSERT_TRUE(save(true, rc)) << Utf8FromWindows1252(MessageLine.view());
}

// Competition 1 "Vårträffen" with controls 31 and 32 (described), course A,
// class H21 on it, and the route description ÅS.
class ReportCommand : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(StartDataDirectory());
        ol::ClearRoute24();
        ol::Ol().route24.rec.Namn = Windows1252FromUtf8("ÅS");
        ol::Ol().route24.rec.Text = Windows1252FromUtf8("sänka");
        Add(&ol::SaveRoute24);
        ol::ClearCompetitionRecord();
        ol::Ol().competition.rec.Tvl = Windows1252FromUtf8("Vårträffen");
        int n = 0;
        ASSERT_TRUE(ol::SaveCompetition(true, n));
        ASSERT_TRUE(ol::CreateCompetitionFiles());
        ol::ClearClass();
        ol::Ol().klass.rec.Bet = "H21";
        ol::Ol().klass.rec.Bana[0] = "A";
        Add(&ol::SaveClass);
        ASSERT_TRUE(ol::OpenDefinitionFiles());
        for (const char* code : {"31", "32"}) {
            ol::ClearControl();
            ol::Ol().control.rec.KodNr = code;
            ol::Ol().control.rec.R[5] = "2x3";
            Add(&ol::SaveControl);
        }
        ol::ClearCourse();
        ol::Ol().course.rec.Bana = "A";
        ol::Ol().course.rec.Antal = 2;
        ol::Ol().course.rec.KodNr[0] = "31";
        ol::Ol().course.rec.KodNr[1] = "32";
        Add(&ol::SaveCourse);
        ol::CloseCommonFiles();
        ol::OlShutdown();
    }
};

TEST_F(ReportCommand, EveryKindWritesItsReport) {
    struct Case {
        const char* kind;
        const char* heading;
        const char* text;
    };
    const Case cases[] = {
        {"controls", "Kontrollpunkter. (48x72). Skala 1.20", "2x3"},
        {"course-class", "Kontrollbeskrivningar. (48x72). Skala 1.20", "H21"},
        {"code-course-class", "Kod, Bana, Klass. (48x72). Skala 1.20", "A( 0)"},
        {"courses", "Kontrolldefinitioner. (48x72). Skala 1.20", "Antal banor utskrivna:"},
        {"route-data", "rutbeskrivningar (48x72). Skala 1.20 Antal:", "sänka"},
        {"route-catalogue", "rutbeskrivningar (48x72). Skala 1.20 Antal:", "[999]"},
        {"route-form", "rutbeskrivningar (48x72). Skala 1.20 Antal:", "ÅS, sänka"},
        {"class-list", "KlassLista", "SegrTid :EJSTAR"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        const std::string pdf = std::string(c.kind) + ".pdf";
        const ToolRun run = Tool(std::string("report data 1 ") + c.kind + " --pdf " + pdf);
        ASSERT_EQ(run.status, 0) << run.err;
        const std::string text = PdfText(pdf);
        EXPECT_NE(text.find(c.heading), std::string::npos) << text;
        EXPECT_NE(text.find(c.text), std::string::npos) << text;
    }
}

TEST_F(ReportCommand, SelectionNamesRecordsByKeyOnceEach) {
    ASSERT_EQ(Tool("report data 1 controls 32 32 --pdf one.pdf").status, 0);
    const std::string text = PdfText("one.pdf");
    EXPECT_NE(text.find("Antal utskrivna kontrollpunkter 1 [ 2]"), std::string::npos) << text;
    ASSERT_EQ(Tool("report data 0 route-catalogue \xC3\xA5s --pdf route").status, 0)
        << "lower case as the key finds it; .pdf is added";
    EXPECT_TRUE(fs::exists("route.pdf"));
}

TEST_F(ReportCommand, ExitCodes) {
    std::ofstream("existing.pdf") << "kept";
    std::ofstream("small.P64") << "not a configuration";
    struct Case {
        const char* arguments;
        int status;
    };
    const Case cases[] = {
        {"report data 1 bogus --pdf x.pdf", 2},
        {"report data 1 controls", 2},
        {"report data 1 controls --pdf x.pdf --setting 11", 2},
        {"report data 0 controls --pdf x.pdf", 2},
        {"report data 9 controls --pdf x.pdf", 2},
        {"report missing-folder 1 controls --pdf x.pdf", 1},
        {"report data 2 controls --pdf x.pdf", 1},
        {"report data 1 controls 99 --pdf x.pdf", 1},
        {"report data 1 controls --pdf no-folder/x.pdf", 1},
        {"report data 1 controls --pdf x.pdf --config small.P64", 1},
        {"report data 1 controls 99 --pdf existing.pdf", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        const ToolRun run = Tool(c.arguments);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_FALSE(run.err.empty());
    }
    EXPECT_FALSE(fs::exists("x.pdf"));
    EXPECT_EQ(Slurp("existing.pdf"), "kept");
}

TEST_F(ReportCommand, EmptyRegisterPrintsNothing) {
    ASSERT_TRUE(ol::OlStartup({}));
    ASSERT_TRUE(ol::OpenCommonFiles());
    ol::ClearCompetitionRecord();
    int n = 0;
    ASSERT_TRUE(ol::SaveCompetition(true, n));
    ASSERT_TRUE(ol::CreateCompetitionFiles());
    ol::CloseCommonFiles();
    ol::OlShutdown();
    const ToolRun run = Tool("report data 2 class-list --pdf x.pdf");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("empty"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists("x.pdf"));
}

}  // namespace
}  // namespace oltoma::tool
