#include "platform/printer_catalog.h"

#include <gtest/gtest.h>

#include "bound_services.h"
#include "scripted_printer_catalog.h"

namespace oltoma::platform {
namespace {

using testing::BoundServices;
using testing::ScriptedPrinterCatalog;

std::string CurrentName() {
    const std::optional<PrinterInfo> printer = CurrentPrinter();
    return printer ? printer->name : "<none>";
}

TEST(PrinterCatalog, CurrentPrinterFollowsSelectionWhileItIsInstalled) {
    ScriptedPrinterCatalog catalog;
    BoundServices bound({.printerCatalog = &catalog});
    EXPECT_EQ(CurrentName(), "<none>");
    EXPECT_FALSE(SelectCurrentPrinter("laser"));

    catalog.Add("laser");
    catalog.Add("matrix");
    EXPECT_EQ(CurrentName(), "laser");
    EXPECT_TRUE(SelectCurrentPrinter("matrix"));
    EXPECT_EQ(CurrentName(), "matrix");
    EXPECT_FALSE(SelectCurrentPrinter("gone"));
    EXPECT_EQ(CurrentName(), "matrix");

    catalog.Remove("matrix");
    EXPECT_EQ(CurrentName(), "laser");
    catalog.Remove("laser");
    catalog.Add("only");
    catalog.defaultName.clear();
    EXPECT_EQ(CurrentName(), "only");  // no default: the first installed
    EXPECT_TRUE(SelectCurrentPrinter(""));
}

}  // namespace
}  // namespace oltoma::platform
