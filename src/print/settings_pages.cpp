#include "print/settings_pages.h"

#include <algorithm>
#include <filesystem>

#include "base/messages/messages.h"
#include "base/settings/configuration_file.h"
#include "base/settings/printer_block_fields.h"
#include "base/settings/settings_printer.h"
#include "base/settings/settings_state.h"
#include "base/text/windows1252.h"
#include "platform/print/builtin_pictures.h"
#include "platform/print/picture_loader.h"

namespace oltoma {
namespace {

constexpr int kMostColumns = 9;
constexpr int kMostRows = 99;
constexpr int kLongestLength = 9999;
constexpr int kMostNegativeMargin = -999;
constexpr std::size_t kDeviceNameCharacters = 32;

bool ValidSlot(int n) {
    return n >= 1 && n <= kSettingSlots;
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::uint16_t Length(int value) {
    return static_cast<std::uint16_t>(std::clamp(value, 0, kLongestLength));
}

std::int32_t Margin(int value) {
    return std::clamp(value, kMostNegativeMargin, kLongestLength);
}

}  // namespace

ReportPage ReportPageOfWorkingSetting() {
    const PrintSetting& setting = WorkingPrintSetting();
    ReportPage page;
    page.name = WorkingGlobalSettings().printNames[CurrentPrintNumber() - 1].str();
    page.footer = setting.fottext.str();
    page.columns = std::clamp(static_cast<int>(setting.printer.columns), 1, kMostColumns);
    for (int i = 0; i < kDialogPictures; ++i) {
        page.active[i] = setting.pictures[i].active != 0;
        page.sizes[i] = std::clamp(static_cast<int>(setting.pictures[i].size), 1, kMostColumns);
    }
    return page;
}

LabelPage LabelPageOfWorkingSetting() {
    const LabelSetting& setting = WorkingLabelSetting();
    LabelPage page;
    page.name = WorkingGlobalSettings().labelNames[CurrentLabelNumber()].str();
    page.across = std::clamp(static_cast<int>(setting.across), 1, kMostColumns);
    page.rows = std::clamp(static_cast<int>(setting.rows), 1, kMostRows);
    page.copies = std::clamp(static_cast<int>(setting.copies), 1, kMostRows);
    page.columnPitch = std::min(static_cast<int>(setting.columnPitch), kLongestLength);
    page.rowPitch = std::min(static_cast<int>(setting.rowPitch), kLongestLength);
    page.labelHeight = std::min(static_cast<int>(setting.labelHeight), kLongestLength);
    page.labelWidth = std::min(static_cast<int>(setting.labelWidth), kLongestLength);
    page.leftMargin = Margin(setting.leftMargin);
    page.topMargin = Margin(setting.topMargin);
    return page;
}

void StoreReportPage(int n, const ReportPage& page) {
    if (!ValidSlot(n)) {
        return;
    }
    GlobalSettings& global = WorkingGlobalSettings();
    PrintSetting& setting = WorkingPrintSetting();
    global.printSettingNumber = static_cast<std::uint8_t>(n);
    setting.fottext = page.footer;
    global.printNames[n - 1] = page.name;
    setting.printer.columns = std::clamp(page.columns, 1, kMostColumns);
    for (int i = 1; i < kDialogPictures; ++i) {
        setting.pictures[i].size = std::clamp(page.sizes[i], 1, kMostColumns);
        setting.pictures[i].active = page.active[i] ? 1 : 0;
    }
    if (OpenConfigFile()) {
        WritePrintSetting(n);
        CloseConfigFile();
    }
}

void StoreLabelPage(int n, const LabelPage& page) {
    if (!ValidSlot(n)) {
        return;
    }
    GlobalSettings& global = WorkingGlobalSettings();
    LabelSetting& setting = WorkingLabelSetting();
    global.labelSettingNumber = static_cast<std::uint8_t>(n);
    global.labelNames[n] = page.name;
    setting.across = static_cast<std::uint16_t>(std::clamp(page.across, 1, kMostColumns));
    setting.copies = std::clamp(page.copies, 1, kMostRows);
    setting.rows = static_cast<std::uint16_t>(std::clamp(page.rows, 1, kMostRows));
    setting.topMargin = Margin(page.topMargin);
    setting.leftMargin = Margin(page.leftMargin);
    setting.labelHeight = Length(page.labelHeight);
    setting.labelWidth = Length(page.labelWidth);
    setting.rowPitch = Length(page.rowPitch);
    setting.columnPitch = Length(page.columnPitch);
    if (OpenConfigFile()) {
        WriteLabelSetting(n);
        CloseConfigFile();
    }
}

bool ReadPrintSettingSlot(int n) {
    if (!ValidSlot(n) || !OpenConfigFile()) {
        return false;
    }
    const bool read = ReadPrintSetting(n);
    CloseConfigFile();
    if (read) {
        WorkingGlobalSettings().printSettingNumber = static_cast<std::uint8_t>(n);
    }
    return read;
}

bool ReadLabelSettingSlot(int n) {
    if (!ValidSlot(n) || !OpenConfigFile()) {
        return false;
    }
    const bool read = ReadLabelSetting(n);
    CloseConfigFile();
    if (read) {
        WorkingGlobalSettings().labelSettingNumber = static_cast<std::uint8_t>(n);
    }
    return read;
}

std::string UnreadableSettingsText() {
    return Windows1252FromUtf8("kan ej läsa inställningsfilen");
}

std::string FontBoxText(const FontSpec& font) {
    return "(" + std::to_string(font.size) + ") " + Quoted(font.name.view());
}

std::string StoredPrinterName(const PrinterBlock& block) {
    return LoadUtf16(block.deviceMode.deviceName, kDeviceNameCharacters);
}

int SettingsPageToShow() {
    const int page = WorkingGlobalSettings().settingsPage;
    return page == 1 || page == 2 ? page : 1;
}

void StoreDialogEnd(int page, std::string_view computerName) {
    GlobalSettings& global = WorkingGlobalSettings();
    global.settingsPage = page;
    global.computerName = computerName.substr(0, kComputerNameLength);
}

bool StoreChosenPrinter(PrinterBlock& block, const platform::PrinterInfo& printer) {
    const std::vector<std::string> installed = platform::CurrentPrinterCatalog().PrinterNames();
    if (std::find(installed.begin(), installed.end(), printer.name) == installed.end()) {
        return false;
    }
    const platform::PageMargins margins = PageMarginsOf(block);
    FillPrinterBlock(printer, block);
    SetPageMargins(block, margins);
    return true;
}

platform::Picture SlotPicture(int slot) {
    const std::string path = WorkingPrintSetting().pictures[slot].path.str();
    const std::string file = Utf8FromWindows1252(path);
    std::error_code error;
    if (!path.empty() && std::filesystem::is_regular_file(file, error)) {
        platform::Picture picture = platform::LoadPictureFile(file);
        if (!picture.empty()) {
            return picture;
        }
        SetMessageLine("kan ej ladda filen " + Quoted(path));
    }
    return platform::BuiltinPicture(slot);
}

bool StorePicturePath(int slot, std::string_view utf8Path) {
    const std::string path = Windows1252FromUtf8(utf8Path);
    if (Utf8FromWindows1252(path) != utf8Path || path.size() > TLongPathName::kMaxLength) {
        SetMessageLine("kan ej lagra filnamnet " + Quoted(path));
        return false;
    }
    WorkingPrintSetting().pictures[slot].path = path;
    return true;
}

}  // namespace oltoma
