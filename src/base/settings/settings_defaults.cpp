#include "base/settings/settings_defaults.h"

#include "base/settings/printer_block_fields.h"
#include "base/settings/settings_state.h"
#include "base/text/number_format.h"
#include "base/text/windows1252.h"
#include "platform/folders.h"

namespace oltoma {
namespace {

struct LabelDefaults {
    const char* name;  // UTF-8
    int left, height, rowPitch, columnPitch, width, top, across, rows;
    bool fanfold;
    bool courierFonts;  // the three fixed-pitch Courier fonts of the fanfold settings
};

constexpr LabelDefaults kLabelDefaults[kSettingSlots] = {
    {"Laser 3x8", -50, 320, 360, 703, 600, -20, 3, 8, false, false},
    {"Laser 6x8", 0, 370, 370, 349, 348, 0, 6, 8, false, false},
    {"Laser 2x8", -30, 300, 356, 1060, 900, -10, 2, 8, false, false},
    {"Löpande 2x12 I", -50, 230, 254, 1040, 900, 0, 2, 11, true, true},
    {"Löpande 2x12 II", -100, 230, 254, 930, 750, 0, 2, 11, true, true},
    {"Löpande 3x12", -100, 200, 254, 918, 800, 0, 3, 11, true, false},
    {"Resultatremsor I", 80, 300, 380, 1810, 1790, -30, 1, 8, true, false},
    {"Resultatremsor II", 190, 240, 254, 1800, 1750, -40, 1, 12, true, false},
    {"Resultatremsor III", 70, 220, 254, 1910, 1850, -30, 1, 12, true, false},
    {"Giro/Startkort", -60, 1016, 1016, 1850, 1850, -40, 1, 3, false, false},
};

struct FontDefaults {
    const char* face;
    int size;
    int height;
    bool bold;
};

struct PrintDefaults {
    const char* name;  // UTF-8
    int orientation;
    FontDefaults fonts[3];  // stor, mellan, liten
};

constexpr FontDefaults kArial[3] = {
    {"Arial", 14, 14, true}, {"Arial", 11, 11, true}, {"Arial", 8, 8, true}};

constexpr PrintDefaults kPrintDefaults[kSettingSlots] = {
    {"arial.stående", kOrientationPortrait, {kArial[0], kArial[1], kArial[2]}},
    {"arial.liggande", kOrientationLandscape, {kArial[0], kArial[1], kArial[2]}},
    {"Courier.stående",
     kOrientationPortrait,
     {{"Courier New", 16, 14, true}, {"Courier New", 12, 11, true}, {"Courier New", 8, 8, true}}},
    {"Courier.liggande",
     kOrientationLandscape,
     {{"Courier New", 16, 14, true}, {"Courier New", 14, 11, true}, {"Courier New", 10, 8, true}}},
    {"Arial.stående", kOrientationPortrait, {kArial[0], kArial[1], kArial[2]}},
    {"Arial.liggande", kOrientationLandscape, {kArial[0], kArial[1], kArial[2]}},
    {"Proprinter.A3.40,36,16", kOrientationPortrait, {kArial[0], kArial[1], kArial[2]}},
    {"brumlekvarn", kOrientationPortrait, {kArial[0], kArial[1], kArial[2]}},
    {"brumlekvarn", kOrientationPortrait, {kArial[0], kArial[1], kArial[2]}},
    {"brumlekvarn", kOrientationPortrait, {kArial[0], kArial[1], kArial[2]}},
};

constexpr const char* kCommunicationText = "Com3:96,n,8,1";
constexpr const char* kReservedSystemFolder = "c:\\windows\\command\\system32";
constexpr const char* kReservedFileMask = "*.*";
constexpr const char* kComputerNameSuffix = ".DatorID.ejdef";
constexpr std::size_t kComputerNameHostLength = 31 - 14;

int SlotIndex(int n) {
    return n >= 1 && n <= kSettingSlots ? n - 1 : 0;
}

FontSpec MakeFont(const char* face, int size, int height, bool bold, std::uint8_t pitch) {
    FontSpec font{};
    font.name = face;
    font.size = size;
    font.height = height;
    font.style = bold ? kFontBold : 0;
    font.pitch = pitch;
    return font;
}

void FillLabelFonts(const LabelDefaults& defaults, PrinterBlock& printer) {
    constexpr std::uint8_t kFixed = 2;
    if (defaults.courierFonts) {
        printer.stor = MakeFont("Courier 5cpi", 15, 16, true, kFixed);
        printer.mellan = MakeFont("Courier 10cpi", 15, 12, true, kFixed);
        printer.liten = MakeFont("Courier 17cpi", 15, 10, false, kFixed);
        return;
    }
    printer.stor = MakeFont("Courier New", 16, 16, true, 0);
    printer.mellan = MakeFont("Courier New", 12, 12, true, 0);
    printer.liten = MakeFont("Courier New", 10, 10, true, 0);
}

}  // namespace

std::string DefaultComputerName() {
    std::string host = Windows1252FromUtf8(platform::ComputerName());
    if (host.empty()) {
        host = "dator";
    }
    return host.substr(0, kComputerNameHostLength) + kComputerNameSuffix;
}

void DefaultGlobalSettings() {
    const ConfigurationState& state = Configuration();
    GlobalSettings& global = WorkingGlobalSettings();
    global = GlobalSettings{};
    global.labelSettingNumber = 1;
    global.printSettingNumber = 1;
    global.reservedText10 = kReservedSystemFolder;
    global.fileMask = kReservedFileMask;
    global.computerName = DefaultComputerName();
    global.dataDirectory = state.defaultDataDirectory;
    if (state.applicationKind >= 0 && state.applicationKind < kApplicationKinds) {
        global.dataDirectories[state.applicationKind] = state.defaultDataDirectory;
    }
    global.routeDescriptionFormat = 1;
    global.labelNames[0] = kCommunicationText;
    for (int n = 1; n <= kSettingSlots; ++n) {
        const std::string number = IntZeroPadded(n, 2);
        global.labelNames[n] = Windows1252FromUtf8("Etikettinställning") + number + " default";
        global.printNames[n - 1] =
            Windows1252FromUtf8("Utskriftsinställning") + number + " default";
    }
    global.settingsPage = 1;
    global.windowScale = 1;
}

void DefaultLabelSetting(int n) {
    const int index = SlotIndex(n);
    const LabelDefaults& defaults = kLabelDefaults[index];
    const bool firstThree = index < 3;
    LabelSetting& label = WorkingLabelSetting();
    label = LabelSetting{};
    label.leftMargin = defaults.left;
    label.labelHeight = static_cast<std::uint16_t>(defaults.height);
    label.rowPitch = static_cast<std::uint16_t>(defaults.rowPitch);
    label.columnPitch = static_cast<std::uint16_t>(defaults.columnPitch);
    label.labelWidth = static_cast<std::uint16_t>(defaults.width);
    label.topMargin = defaults.top;
    label.reserved16 = firstThree ? 30 : 0;
    label.across = static_cast<std::uint16_t>(defaults.across);
    label.rows = static_cast<std::uint16_t>(defaults.rows);
    label.reserved24 = 10;
    label.reserved28 = 10;
    label.printer = DefaultPrinterBlock();
    SetPageMargins(label.printer, {0, 0, 0, 0});
    if (defaults.fanfold) {
        SetFanfoldPaper(label.printer);
    }
    FillLabelFonts(defaults, label.printer);
    label.printer.columns = 1;
    label.copies = 1;
    label.reserved9644 = firstThree ? 1 : 0;
    WorkingGlobalSettings().labelNames[index + 1] = Windows1252FromUtf8(defaults.name);
}

void DefaultPrintSetting(int n) {
    const int index = SlotIndex(n);
    const PrintDefaults& defaults = kPrintDefaults[index];
    PrintSetting& print = WorkingPrintSetting();
    print = PrintSetting{};
    print.fottext = kDefaultFooterText;
    print.printer = DefaultPrinterBlock();
    SetPageMargins(print.printer, {500, 500, 100, 0});
    SetOrientation(print.printer, defaults.orientation);
    FontSpec* fonts[3] = {&print.printer.stor, &print.printer.mellan, &print.printer.liten};
    for (int i = 0; i < 3; ++i) {
        const FontDefaults& font = defaults.fonts[i];
        *fonts[i] = MakeFont(font.face, font.size, font.height, font.bold, 0);
    }
    print.printer.columns = 1;
    print.reserved10696[1] = 1;
    print.pictures[0].active = 1;
    print.pictures[0].size = 6;
    print.pictures[1].size = 4;
    for (int slot = 2; slot < kPictureSlots; ++slot) {
        print.pictures[slot].size = 5;
    }
    WorkingGlobalSettings().printNames[index] = Windows1252FromUtf8(defaults.name);
}

}  // namespace oltoma
