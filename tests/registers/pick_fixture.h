// A competition with classes, controls and route descriptions to pick from,
// and the pick dialog answered by a ScriptedPickDialog.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "bound_services.h"
#include "data_layer_fixture.h"
#include "ol/data/files/file_groups.h"
#include "ol/data/files/registers.h"
#include "registers/epick.h"
#include "scripted_pick_dialog.h"
#include "scripted_services.h"

namespace oltoma::registers::testing {

class PickTest : public ol::testing::DataLayerTest {
protected:
    void SetUp() override {
        DataLayerTest::SetUp();
        ASSERT_NE(NewCompetition("Picktävling"), 0);
    }

    std::int32_t AddClass(std::string_view designation) {
        ol::ClearClass();
        ol::Ol().klass.rec.Bet = designation;
        std::int32_t rc = 0;
        EXPECT_TRUE(ol::SaveClass(true, rc)) << Message();
        return rc;
    }

    // Controls need the definition files.
    std::int32_t AddControl(std::string_view code) {
        if (!ol::Ol().DefinitionFilesOpen) {
            EXPECT_TRUE(ol::OpenDefinitionFiles());
        }
        ol::ClearControl();
        ol::Ol().control.rec.KodNr = code;
        std::int32_t rc = 0;
        EXPECT_TRUE(ol::SaveControl(true, rc)) << Message();
        return rc;
    }

    static std::vector<std::string> Texts(const TEPick& pick) {
        std::vector<std::string> texts;
        for (const PickItem& item : pick.Items()) {
            texts.push_back(item.text);
        }
        return texts;
    }

    oltoma::testing::ScriptedPickDialog dialog;
    oltoma::testing::PickDialogBinding boundDialog{&dialog};
    oltoma::testing::RecordingCursors cursors;
    oltoma::testing::BoundServices boundServices{{.cursors = &cursors}};
};

}  // namespace oltoma::registers::testing
