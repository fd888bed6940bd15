// The orienteering picks: what each offers and how.
#include "registers/ol_pick.h"

#include <gtest/gtest.h>

#include "pick_fixture.h"

namespace oltoma::registers {
namespace {

using testing::PickTest;

struct FilterCase {
    TKlassFilter filter;
    std::vector<std::string> offered;
};

class ClassFilter : public PickTest, public ::testing::WithParamInterface<FilterCase> {};

// Direct-entry words D1 and H1 name D10, D12 and H16; "E" marks H21E.
TEST_P(ClassFilter, OffersTheClassesTheFilterTakes) {
    ol::Ol().competition.rec.dirklassfilter = "D1 H1";
    for (const char* designation : {"H21", "D10", "H21E", "D21", "H16", "D12"}) {
        AddClass(designation);
    }
    TKlassPick::InitM(0, "klasser", GetParam().filter, true);
    ASSERT_EQ(dialog.requests.size(), 1u);
    EXPECT_EQ(dialog.requests[0].lines, GetParam().offered);
}

INSTANTIATE_TEST_SUITE_P(Filters, ClassFilter,
                         ::testing::Values(FilterCase{TKlassFilter::normal,
                                                      {"D10", "D12", "D21", "H16", "H21", "H21E"}},
                                           FilterCase{TKlassFilter::direkt, {"D10", "D12", "H16"}},
                                           FilterCase{TKlassFilter::nodir, {"D21", "H21", "H21E"}},
                                           FilterCase{TKlassFilter::elit, {"H21E"}}));

TEST_F(PickTest, AClassFilterThatTakesNothingShowsNoDialog) {
    AddClass("H21");
    auto pick = TKlassPick::InitM(0, "klasser", TKlassFilter::elit, true);
    EXPECT_TRUE(dialog.requests.empty());
    EXPECT_FALSE(pick->OkExec());
    EXPECT_EQ(pick->Antal(), 0);
}

TEST_F(PickTest, AnEmptyRegisterShowsNoDialog) {
    ASSERT_TRUE(ol::OpenDefinitionFiles());
    EXPECT_FALSE(TBanPick::InitM(0, "banor", true)->OkExec());
    EXPECT_FALSE(TKontrPick::InitM(0, "kontroller", true)->OkExec());
    EXPECT_TRUE(dialog.requests.empty());
}

TEST_F(PickTest, CoursesAreListedByDesignation) {
    ASSERT_TRUE(ol::OpenDefinitionFiles());
    for (const char* designation : {"LÅNG", "kort"}) {
        ol::ClearCourse();
        ol::Ol().course.rec.Bana = Windows1252FromUtf8(designation);
        std::int32_t rc = 0;
        ASSERT_TRUE(ol::SaveCourse(true, rc));
    }
    dialog.ChooseLines({1});
    auto pick = TBanPick::InitM(0, "banor", false);
    ASSERT_EQ(dialog.requests.size(), 1u);
    EXPECT_FALSE(dialog.requests[0].multi);
    EXPECT_EQ(dialog.requests[0].lines,
              (std::vector<std::string>{"kort", Windows1252FromUtf8("LÅNG")}));
    ASSERT_TRUE(pick->OkExec());
    ASSERT_GE(pick->GetPickData(0), 1);
    EXPECT_EQ(ol::Ol().course.rec.Bana.str(), Windows1252FromUtf8("LÅNG"));
}

TEST_F(PickTest, RouteDescriptionsOfTheFormatInUseShowNameAndText) {
    ASSERT_TRUE(ol::Ol().Route24FileOpen);
    ol::ClearRoute24();
    ol::Ol().route24.rec.Namn = "BRANTBRANT";
    ol::Ol().route24.rec.Text = std::string(48, 'x');
    std::int32_t rc = 0;
    ASSERT_TRUE(ol::SaveRoute24(true, rc));
    TRutbPick::InitM(0, "rutbeskrivningar", true);
    ASSERT_EQ(dialog.requests.size(), 1u);
    // The name, a blank and the text: 59 characters at the most.
    EXPECT_EQ(dialog.requests[0].lines,
              (std::vector<std::string>{"BRANTBRANT " + std::string(48, 'x')}));
}

}  // namespace
}  // namespace oltoma::registers
