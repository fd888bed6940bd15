#include "platform/process_state.h"

#include <gtest/gtest.h>

#include "platform/printer_catalog.h"
#include "scripted_message_boxes.h"
#include "scripted_printer_catalog.h"

namespace oltoma::platform {
namespace {

int resetsCalled = 0;

void CountReset() {
    ++resetsCalled;
}

TEST(ProcessState, ResetCallsEveryRegisteredReset) {
    static const bool registered = RegisterStateReset(&CountReset);
    ASSERT_TRUE(registered);
    const int before = resetsCalled;
    ResetProcessState();
    EXPECT_EQ(resetsCalled, before + 1);
}

TEST(ProcessState, ResetUnbindsTheServicesAndForgetsTheSelectedPrinter) {
    testing::ScriptedMessageBoxes boxes;
    testing::ScriptedPrinterCatalog catalog;
    catalog.Add("laser");
    catalog.Add("matrix");
    BindServices({.messageBoxes = &boxes, .printerCatalog = &catalog});
    ASSERT_TRUE(SelectCurrentPrinter("matrix"));

    ResetProcessState();

    const Services bound = BindServices({.printerCatalog = &catalog});
    EXPECT_EQ(bound.messageBoxes, nullptr);
    EXPECT_EQ(bound.printerCatalog, nullptr);
    EXPECT_EQ(CurrentPrinter()->name, "laser");
    BindServices({});
}

}  // namespace
}  // namespace oltoma::platform
