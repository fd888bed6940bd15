#include "base/settings/settings_printer.h"

#include <gtest/gtest.h>

#include <cstddef>
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

// Where the platform areas and their fields lie in the block.
constexpr std::size_t kDeviceMode = offsetof(PrinterBlock, deviceMode);
constexpr std::size_t kPageSetup = offsetof(PrinterBlock, pageSetup);
constexpr std::size_t kDeviceNames = offsetof(PrinterBlock, deviceNames);

constexpr std::size_t InDeviceMode(std::size_t field) {
    return kDeviceMode + field;
}
constexpr std::size_t InPageSetup(std::size_t field) {
    return kPageSetup + field;
}
// The device names' own offsets count UTF-16 characters from their start.
constexpr std::size_t DeviceNameCharacter(std::size_t character) {
    return kDeviceNames + 2 * character;
}

TEST(SettingsPrinter, FillsThePlatformAreasAtTheirOffsets) {
    PrinterBlock block{};
    block.stor.size = 14;
    block.columns = 3;
    block.driverExtra[5] = 0x55;
    FillPrinterBlock(Laser(), block);

    const char* bytes = reinterpret_cast<const char*>(&block);
    EXPECT_EQ(block.driverName, "Gr\xE5 Laser");
    EXPECT_STREQ(bytes + offsetof(PrinterBlock, deviceName), "laser-2");
    EXPECT_STREQ(bytes + offsetof(PrinterBlock, portName), "usb://x");
    EXPECT_EQ(At<std::uint8_t>(block, offsetof(PrinterBlock, valid)), 1);
    EXPECT_EQ(Utf16At(block, InDeviceMode(offsetof(DeviceMode, deviceName))), u"laser-2");
    EXPECT_EQ(At<std::uint16_t>(block, InDeviceMode(offsetof(DeviceMode, size))), 220);
    EXPECT_EQ(At<std::uint16_t>(block, InDeviceMode(offsetof(DeviceMode, driverExtra))), 0);
    EXPECT_EQ(At<std::int16_t>(block, InDeviceMode(offsetof(DeviceMode, orientation))), 2);
    EXPECT_EQ(At<std::int16_t>(block, InDeviceMode(offsetof(DeviceMode, paperSize))), 9);
    EXPECT_EQ(At<std::int16_t>(block, InDeviceMode(offsetof(DeviceMode, copies))), 1);
    EXPECT_EQ(At<std::int16_t>(block, InDeviceMode(offsetof(DeviceMode, printQuality))), 600);
    EXPECT_EQ(At<std::int16_t>(block, InDeviceMode(offsetof(DeviceMode, yResolution))), 1200);
    EXPECT_EQ(Utf16At(block, InDeviceMode(offsetof(DeviceMode, formName))), u"A4");
    EXPECT_EQ(block.driverExtra[5], 0);
    EXPECT_EQ(At<std::uint32_t>(block, InPageSetup(offsetof(PageSetupData, structSize))), 128u);
    EXPECT_EQ(At<std::uint32_t>(block, InPageSetup(offsetof(PageSetupData, flags))), 8u);
    // Landscape: the extent turns.
    EXPECT_EQ(At<std::int32_t>(block, InPageSetup(offsetof(PageSetupData, paperWidth))), 29700);
    EXPECT_EQ(At<std::int32_t>(block, InPageSetup(offsetof(PageSetupData, paperHeight))), 21000);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(At<std::int32_t>(block, InPageSetup(offsetof(PageSetupData, margins)) + 4 * i),
                  400 + 10 * static_cast<int>(i));
    }
    // Device names: four word offsets counted in characters, then the names.
    EXPECT_EQ(At<std::uint16_t>(block, kDeviceNames + offsetof(DeviceNamesData, driverOffset)), 4);
    EXPECT_EQ(At<std::uint16_t>(block, kDeviceNames + offsetof(DeviceNamesData, deviceOffset)),
              4 + 10);
    EXPECT_EQ(At<std::uint16_t>(block, kDeviceNames + offsetof(DeviceNamesData, outputOffset)),
              4 + 10 + 8);
    EXPECT_EQ(At<std::uint16_t>(block, kDeviceNames + offsetof(DeviceNamesData, defaultFlag)), 1);
    EXPECT_EQ(Utf16At(block, DeviceNameCharacter(4)), u"Gr\u00E5 Laser");
    EXPECT_EQ(Utf16At(block, DeviceNameCharacter(14)), u"laser-2");
    EXPECT_EQ(Utf16At(block, DeviceNameCharacter(22)), u"usb://x");
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
    EXPECT_EQ(Utf16At(block, InDeviceMode(offsetof(DeviceMode, deviceName))),
              std::u16string(31, u'n'));
    EXPECT_EQ(Utf16At(block, DeviceNameCharacter(4 + 81 + 81)), std::u16string(80, u'p'));
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
