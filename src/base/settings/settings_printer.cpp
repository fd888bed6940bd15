#include "base/settings/settings_printer.h"

#include <cstring>

#include "base/messages/messages.h"
#include "base/settings/printer_block_fields.h"
#include "base/settings/settings_state.h"
#include "platform/services.h"

namespace oltoma {
namespace {

// Zeroes the names, the valid flag and the platform areas; the fonts and the
// column count stay.
void ClearPlatformAreas(PrinterBlock& block) {
    block.driverName = "";
    block.deviceName = "";
    block.portName = "";
    block.valid = 0;
    std::memset(block.reserved545, 0, sizeof(block.reserved545));
    std::memset(&block.deviceMode, 0, sizeof(block.deviceMode));
    std::memset(block.driverExtra, 0, sizeof(block.driverExtra));
    std::memset(block.reserved8965, 0, sizeof(block.reserved8965));
    std::memset(&block.pageSetup, 0, sizeof(block.pageSetup));
    std::memset(&block.deviceNames, 0, sizeof(block.deviceNames));
}

void FillDeviceMode(const platform::PrinterInfo& printer, DeviceMode& mode) {
    StoreUtf16(mode.deviceName, std::size(mode.deviceName), printer.name);
    mode.specVersion = kDeviceModeSpecVersion;
    mode.size = sizeof(DeviceMode);
    mode.driverExtra = 0;
    mode.fields = kFieldCopies | kFieldPrintQuality | kFieldYResolution;
    mode.copies = 1;
    mode.printQuality = static_cast<std::int16_t>(printer.resolutionX);
    mode.yResolution = static_cast<std::int16_t>(printer.resolutionY);
}

// The three names one after the other behind the four offsets, which count
// 16-bit characters from the start of the area.
void FillDeviceNames(const PrinterBlock& block, bool isDefault, DeviceNamesData& names) {
    constexpr std::size_t kHeader = 4;
    std::size_t at = 0;
    const auto store = [&](std::string_view text, std::uint16_t& offset) {
        offset = static_cast<std::uint16_t>(kHeader + at);
        StoreUtf16(names.names + at, text.size() + 1, text);
        at += text.size() + 1;
    };
    store(block.driverName.view(), names.driverOffset);
    store(block.deviceName.view(), names.deviceOffset);
    store(block.portName.view(), names.outputOffset);
    names.defaultFlag = isDefault ? 1 : 0;
}

}  // namespace

void FillPrinterBlock(const platform::PrinterInfo& printer, PrinterBlock& block) {
    ClearPlatformAreas(block);
    block.driverName = printer.driver;
    block.deviceName = printer.name;
    block.portName = printer.port;
    FillDeviceMode(printer, block.deviceMode);
    block.pageSetup.structSize = sizeof(PageSetupData);
    block.pageSetup.flags = kMarginsInHundredthsOfMillimetre;
    const platform::PageMargins& minimum = printer.minimumMargins;
    const std::int32_t margins[4] = {minimum.left, minimum.top, minimum.right, minimum.bottom};
    std::memcpy(block.pageSetup.minimumMargins, margins, sizeof(margins));
    SetPageMargins(block, minimum);
    SetPaper(block, printer.paperCode, printer.paperWidth, printer.paperLength, printer.paperName);
    SetOrientation(block, printer.orientation);
    FillDeviceNames(block, printer.isDefault, block.deviceNames);
    block.valid = 1;
}

void CaptureStartPrinter() {
    PrinterBlock& block = StartPrinterBlock();
    block = PrinterBlock{};
    if (const std::optional<platform::PrinterInfo> printer = platform::CurrentPrinter()) {
        FillPrinterBlock(*printer, block);
    }
}

void CaptureDefaultPrinter() {
    PrinterBlock& block = DefaultPrinterBlock();
    block = PrinterBlock{};
    if (const std::optional<platform::PrinterInfo> printer = platform::SystemDefaultPrinter()) {
        FillPrinterBlock(*printer, block);
        return;
    }
    // The explanation comes first: the bottom status bar shows the start of a
    // message when it is cut.
    SetMessageLine("Ingen skrivare installerad (pagesetupdlg error: " +
                   std::to_string(kNoDefaultPrinterError) + ")");
}

bool SelectSettingPrinter() {
    const std::string name = WorkingPrintSetting().printer.deviceName.str();
    if (name.empty() || platform::CurrentPrinterCatalog().PrinterNames().empty()) {
        return true;
    }
    if (platform::SelectCurrentPrinter(name)) {
        return true;
    }
    SetMessageLine("Kan ej finna skrivaren \"" + name + "\"");
    return false;
}

void RestoreStartPrinter() {
    const PrinterBlock& start = StartPrinterBlock();
    if (start.valid == 0) {
        SetMessageLine("Error! Kan ej finna default skrivare.");
        return;
    }
    platform::SelectCurrentPrinter(start.deviceName.view());
}

}  // namespace oltoma
