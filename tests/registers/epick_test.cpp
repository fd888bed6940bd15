// The pick list's own behaviour, through the control pick.
#include "registers/epick.h"

#include <gtest/gtest.h>

#include "base/messages/desktop_services.h"
#include "pick_fixture.h"
#include "platform/process_state.h"
#include "registers/ol_pick.h"
#include "storage/access_layer.h"

namespace oltoma::registers {
namespace {

class Pick : public testing::PickTest {
protected:
    void SetUp() override {
        PickTest::SetUp();
        for (const char* code : {"31", "45", "32"}) {
            AddControl(code);
        }
    }
};

TEST_F(Pick, AsksTheDialogWithTheCandidatesInKeyOrder) {
    auto pick = TKontrPick::InitM(7, "kontroller", true);
    ASSERT_EQ(dialog.requests.size(), 1u);
    const PickDialogRequest& request = dialog.requests[0];
    EXPECT_EQ(request.owner, 7u);
    EXPECT_EQ(request.title, "kontroller");
    EXPECT_TRUE(request.multi);
    EXPECT_FALSE(request.sort);
    EXPECT_EQ(request.lines, (std::vector<std::string>{"31", "32", "45"}));
    EXPECT_TRUE(request.preselected.empty());
    EXPECT_EQ(pick->ItemsRead(), 3);
    // The hourglass shows while the candidates are read and goes again.
    EXPECT_EQ(cursors.set,
              (std::vector<int>{platform::CursorShape::kWait, platform::CursorShape::kDefault}));
    EXPECT_EQ(CursorDepth(), 0);
}

TEST_F(Pick, WithoutATitleTheCaptionIsValj) {
    TKontrPick::InitM(0, "", false);
    ASSERT_EQ(dialog.requests.size(), 1u);
    EXPECT_EQ(dialog.requests[0].title, Windows1252FromUtf8("välj"));
}

TEST_F(Pick, OkKeepsTheItemsOfTheSelectedLinesInTheirOrder) {
    dialog.ChooseLines({2, 0});
    auto pick = TKontrPick::InitM(0, "kontroller", true);
    ASSERT_TRUE(pick->OkExec());
    EXPECT_EQ(Texts(*pick), (std::vector<std::string>{"31", "45"}));
    EXPECT_FALSE(pick->Alla());

    // Each chosen record is loaded into the control buffer.
    const std::int32_t rc = pick->GetPickData(1);
    EXPECT_EQ(rc, pick->Items()[1].rec);
    EXPECT_EQ(ol::Ol().control.rec.KodNr.str(), "45");
    EXPECT_EQ(pick->CheckPickItem(rc), 1);
    EXPECT_EQ(pick->CheckPickStr("31"), 0);
    EXPECT_EQ(pick->CheckPickStr("32"), -1);  // not chosen
    EXPECT_EQ(pick->CheckPickStr("99"), -1);  // no such control
}

TEST_F(Pick, AllLinesChosenIsAlla) {
    dialog.ChooseLines({0, 1, 2});
    auto pick = TKontrPick::InitM(0, "kontroller", true);
    EXPECT_TRUE(pick->OkExec());
    EXPECT_TRUE(pick->Alla());
}

TEST_F(Pick, CancelOrNothingChosenIsNotConfirmed) {
    // Cancel with lines selected.
    dialog.answer = [](const PickDialogRequest&) {
        return PickDialogAnswer{.ok = false, .selected = {0, 1}};
    };
    EXPECT_FALSE(TKontrPick::InitM(0, "k", true)->OkExec());
    // OK with none selected.
    dialog.ChooseLines({});
    auto none = TKontrPick::InitM(0, "k", true);
    EXPECT_FALSE(none->OkExec());
    EXPECT_EQ(none->Antal(), 0);
}

TEST_F(Pick, WithoutABoundDialogNothingShowsAndNothingIsChosen) {
    registers::BindPickDialog(nullptr);
    EXPECT_FALSE(TKontrPick::InitM(0, "k", true)->OkExec());
    EXPECT_TRUE(dialog.requests.empty());
}

TEST_F(Pick, GetPickDataRefusesIndexesOutsideTheListAndRecordsGone) {
    dialog.ChooseLines({0, 1});
    auto pick = TKontrPick::InitM(0, "k", true);
    EXPECT_EQ(pick->GetPickData(-1), -1);
    EXPECT_EQ(pick->GetPickData(2), -1);
    // A chosen record deleted since cannot be loaded.
    ASSERT_TRUE(ol::DeleteControl(ol::FindMode::kByNumber, {}, pick->Items()[0].rec, true));
    EXPECT_EQ(pick->GetPickData(0), -1);
    EXPECT_GE(pick->GetPickData(1), 1);
}

TEST_F(Pick, AKeyLeftByADeletedRecordIsSkipped) {
    // Record of "32" deleted with its key left in the index.
    std::int32_t rc = 0;
    bool notFound = true;
    bool ok = false;
    ASSERT_TRUE(ol::FindControl(ol::FindMode::kByKey, "32", rc, notFound, ok));
    storage::DeleteRec(ol::Ol().controlFile, rc);
    ASSERT_TRUE(storage::IsamSucceeded());
    TKontrPick::InitM(0, "k", true);
    ASSERT_EQ(dialog.requests.size(), 1u);
    EXPECT_EQ(dialog.requests[0].lines, (std::vector<std::string>{"31", "45"}));
}

TEST(PickDialogBinding, ProcessStateResetUnbindsTheDialog) {
    oltoma::testing::ScriptedPickDialog dialog;
    BindPickDialog(&dialog);
    platform::ResetProcessState();
    EXPECT_EQ(BoundPickDialog(), nullptr);
}

}  // namespace
}  // namespace oltoma::registers
