#include "base/settings/settings_printer.h"

#include <gtest/gtest.h>

#include <cstring>

#include "base/messages/messages.h"
#include "base/settings/printer_block_fields.h"
#include "base/settings/settings_state.h"
#include "bound_services.h"
#include "scripted_printer_catalog.h"

namespace oltoma {
namespace {

using testing::BoundServices;
using testing::ScriptedPrinterCatalog;

template <typename T>
T At(const PrinterBlock& block, std::size_t offset) {
    T value;
    std::memcpy(&value, reinterpret_cast<const char*>(&block) + offset, sizeof(T));
    return value;
}

std::u16string Utf16At(const PrinterBlock& block, std::size_t offset) {
    std::u16string text;
    for (char16_t c; (c = At<char16_t>(block, offset)) != 0; offset += 2) {
        text += c;
    }
    return text;
}

platform::PrinterInfo Laser() {
    platform::PrinterInfo printer;
    printer.name = "laser-2";
    printer.driver = "Gr\xE5 Laser";  // Windows-1252
    printer.port = "usb://x";
    printer.isDefault = true;
    printer.paperName = "A4";
    printer.paperCode = 9;
    printer.paperWidth = 2100;
    printer.paperLength = 2970;
    printer.orientation = 2;
    printer.resolutionX = 600;
    printer.resolutionY = 1200;
    printer.minimumMargins = {400, 410, 420, 430};
    return printer;
}

TEST(SettingsPrinter, FillsThePlatformAreasAtTheirOffsets) {
    PrinterBlock block{};
    block.stor.size = 14;
    block.columns = 3;
    block.driverExtra[5] = 0x55;
    FillPrinterBlock(Laser(), block);

    EXPECT_EQ(block.driverName, "Gr\xE5 Laser");
    EXPECT_STREQ(reinterpret_cast<const char*>(&block) + 81, "laser-2");
    EXPECT_STREQ(reinterpret_cast<const char*>(&block) + 162, "usb://x");
    EXPECT_EQ(At<std::uint8_t>(block, 544), 1);
    EXPECT_EQ(Utf16At(block, 552), u"laser-2");
    EXPECT_EQ(At<std::uint16_t>(block, 620), 220);
    EXPECT_EQ(At<std::uint16_t>(block, 622), 0);
    EXPECT_EQ(At<std::int16_t>(block, 628), 2);
    EXPECT_EQ(At<std::int16_t>(block, 630), 9);
    EXPECT_EQ(At<std::int16_t>(block, 638), 1);  // copies
    EXPECT_EQ(At<std::int16_t>(block, 642), 600);
    EXPECT_EQ(At<std::int16_t>(block, 648), 1200);
    EXPECT_EQ(Utf16At(block, 552 + 102), u"A4");
    EXPECT_EQ(block.driverExtra[5], 0);
    EXPECT_EQ(At<std::uint32_t>(block, 8968), 128u);
    EXPECT_EQ(At<std::uint32_t>(block, 9000), 8u);
    EXPECT_EQ(At<std::int32_t>(block, 9004), 29700);  // landscape extent
    EXPECT_EQ(At<std::int32_t>(block, 9008), 21000);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(At<std::int32_t>(block, 9028 + 4 * i), 400 + 10 * i);
    }
    // Device names: four word offsets counted in characters, then the names.
    EXPECT_EQ(At<std::uint16_t>(block, 9096), 4);
    EXPECT_EQ(At<std::uint16_t>(block, 9098), 4 + 10);
    EXPECT_EQ(At<std::uint16_t>(block, 9100), 4 + 10 + 8);
    EXPECT_EQ(At<std::uint16_t>(block, 9102), 1);
    EXPECT_EQ(Utf16At(block, 9096 + 2 * 4), u"Gr\u00E5 Laser");
    EXPECT_EQ(Utf16At(block, 9096 + 2 * 14), u"laser-2");
    EXPECT_EQ(Utf16At(block, 9096 + 2 * 22), u"usb://x");
    EXPECT_EQ(block.stor.size, 14);  // kept
    EXPECT_EQ(block.columns, 3);
}

TEST(SettingsPrinter, LongNamesStayInsideTheirFields) {
    platform::PrinterInfo printer = Laser();
    printer.name = std::string(120, 'n');
    printer.driver = std::string(120, 'd');
    printer.port = std::string(120, 'p');
    PrinterBlock block{};
    FillPrinterBlock(printer, block);
    EXPECT_EQ(block.deviceName.view(), std::string(80, 'n'));
    EXPECT_EQ(Utf16At(block, 552), std::u16string(31, u'n'));
    EXPECT_EQ(Utf16At(block, 9096 + 2 * (4 + 81 + 81)), std::u16string(80, u'p'));
}

TEST(SettingsPrinter, MarginsAreReadInEitherUnit) {
    PrinterBlock block{};
    block.pageSetup.flags = kMarginsInThousandthsOfInch;
    block.pageSetup.margins[0] = 1000;  // one inch
    block.pageSetup.margins[3] = 500;
    EXPECT_EQ(PageMarginsOf(block), (platform::PageMargins{2540, 0, 0, 1270}));

    SetPageMargins(block, {100, 200, 300, 400});
    EXPECT_EQ(block.pageSetup.flags, kMarginsInHundredthsOfMillimetre);
    EXPECT_EQ(PageMarginsOf(block), (platform::PageMargins{100, 200, 300, 400}));
}

TEST(SettingsPrinter, SelectingTheSettingPrinter) {
    ScriptedPrinterCatalog catalog;
    BoundServices bound({.printerCatalog = &catalog});
    PrinterBlock& block = WorkingPrintSetting().printer;

    block.deviceName = "laser";
    EXPECT_TRUE(SelectSettingPrinter());  // no printers installed
    catalog.Add("matrix");
    catalog.Add("laser");
    EXPECT_TRUE(SelectSettingPrinter());
    EXPECT_EQ(platform::CurrentPrinter()->name, "laser");

    block.deviceName = "";
    EXPECT_TRUE(SelectSettingPrinter());
    block.deviceName = "gone";
    SetMessageLine("");
    EXPECT_FALSE(SelectSettingPrinter());
    EXPECT_EQ(MessageLine, "Kan ej finna skrivaren \"gone\"");
    EXPECT_EQ(platform::CurrentPrinter()->name, "laser");
}

TEST(SettingsPrinter, StartPrinterIsMadeCurrentAgainAtTheEnd) {
    ScriptedPrinterCatalog catalog;
    BoundServices bound({.printerCatalog = &catalog});
    catalog.Add("matrix");
    catalog.Add("laser");
    ASSERT_TRUE(platform::SelectCurrentPrinter("laser"));
    CaptureStartPrinter();
    CaptureDefaultPrinter();
    EXPECT_EQ(StartPrinterBlock().deviceName, "laser");
    EXPECT_EQ(DefaultPrinterBlock().deviceName, "matrix");
    EXPECT_EQ(DefaultPrinterBlock().deviceNames.defaultFlag, 1);

    ASSERT_TRUE(platform::SelectCurrentPrinter("matrix"));
    RestoreStartPrinter();
    EXPECT_EQ(platform::CurrentPrinter()->name, "laser");
}

}  // namespace
}  // namespace oltoma
