// The settings records of the configuration file, written byte for byte.
// Integers are little-endian, a Boolean is one byte (0 false, 1 true), texts
// are Windows-1252 short strings (string[N] = length byte + N characters),
// paths are TLongPathName (1025 bytes up to the first NUL). Bytes marked
// padding or reserved are written as 0 unless a default says otherwise.
//
// FontSpec, 100 bytes: a stored font
//   0     int32       character set code
//   4     int32       colour 0x00BBGGRR
//   8     int32       height in device units, as the platform reports it
//   12    int32       size in points
//   16    string[80]  face name
//   97    byte        pitch: 0 default, 1 variable, 2 fixed
//   98    byte        style bits: 0 bold, 1 italic, 2 underline, 3 strike-out
//   99    1           padding
//
// PrinterBlock, 9600 bytes: a printer, its page and three fonts
//   0     81          driver name, NUL-terminated
//   81    81          device (printer queue) name, NUL-terminated
//   162   81          port name, NUL-terminated
//   243   1           padding
//   244   FontSpec    "stor" (headings)
//   344   FontSpec    "mellan" (body text)
//   444   FontSpec    "liten" (footers)
//   544   Boolean     valid: the platform areas below were filled
//   545   7           reserved
//   552   220         device mode, fixed part (printer_platform_areas.h)
//   772   8193        device mode, driver-specific part (length at 622)
//   8965  3           reserved
//   8968  128         page-setup data: flags at 9000, margins at 9028
//   9096  496         device-names data
//   9592  int32       columns a report page is divided into (1..9)
//   9596  4           reserved
//
// PictureSlot, 1032 bytes: a report picture
//   0     TLongPathName  picture file
//   1025  Boolean        active
//   1026  2              padding
//   1028  int32          size: the picture takes 1/n of the report width
//
// LabelSetting, 9776 bytes; lengths in tenths of a millimetre from the top
// left corner of the printable area (negative margins reach back towards
// the stock's edge; settings dialog control in brackets)
//   0     int32         left margin of the first column (EtXmarg)
//   4     word          label height (EtYh)
//   6     word          row pitch (EtYdeln)
//   8     word          column pitch (EtXdeln)
//   10    word          label width (EtXw)
//   12    int32         top margin of the first row (EtYmarg)
//   16    word          reserved (30 in settings 1..3, else 0)
//   18    word          labels across (EtXn, 1..9)
//   20    word          label rows per sheet (EtYn, 1..99)
//   22    2             padding
//   24    int32         reserved (10)
//   28    int32         reserved (10)
//   32    byte          reserved (0)
//   33    7             padding
//   40    PrinterBlock  printer, page and fonts
//   9640  int32         copies of each label (Etcopies, 1..99; below 1 is 1)
//   9644  byte          reserved (1 in settings 1..3, else 0)
//   9645  131           reserved
//
// PrintSetting, 16016 bytes
//   0     byte             reserved (0)
//   1     1025             reserved (0)
//   1026  string[64]       footer text of report pages (fottext)
//   1091  5                padding
//   1096  PrinterBlock     printer, page, fonts and columns of reports
//   10696 21               reserved (all 0 but the second byte, 1)
//   10717 3                padding
//   10720 5 x PictureSlot  report pictures 0..4
//   15880 136              reserved
//
// GlobalSettings, 60352 bytes
//   0     int32              reserved
//   4     int32              current number of the running program (this
//                            program: the current competition)
//   8     byte               current label setting (1..10)
//   9     byte               current print setting (1..10)
//   10    TLongPathName      reserved text
//   1035  TLongPathName      reserved
//   2060  TLongPathName      reserved text (file mask)
//   3085  string[31]         computer name
//   3117  2050               reserved
//   5167  TLongPathName      current data directory
//   6192  TLongPathName      path last used for exchange files
//   7217  byte               route description format (1: 24-line file)
//   7218  2                  padding
//   7220  31 x int32         current number per application kind 0..30
//   7344  31 x TLongPathName data directory per application kind 0..30
//   39119 6398               reserved
//   45517 9 x 1538           reserved
//   59359 11 x string[40]    entry 0 communication text; 1..10 label names
//   59810 10 x string[40]    print setting names 1..10
//   60220 int32              settings dialog page shown last, from 1
//   60224 word               window scale in percent (used within 100..300)
//   60226 2                  padding
//   60228 int32              main window left edge
//   60232 int32              main window top edge
//   60236 116                reserved
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "base/settings/printer_platform_areas.h"
#include "base/text/nul_terminated_text.h"
#include "base/text/short_string.h"

namespace oltoma {

inline constexpr int kApplicationKinds = 31;
inline constexpr int kSettingSlots = 10;
inline constexpr int kPictureSlots = 5;

// Bits of FontSpec::style.
inline constexpr std::uint8_t kFontBold = 0x1;
inline constexpr std::uint8_t kFontItalic = 0x2;
inline constexpr std::uint8_t kFontUnderline = 0x4;
inline constexpr std::uint8_t kFontStrikeOut = 0x8;

#pragma pack(push, 1)

struct FontSpec {
    std::int32_t charset;
    std::int32_t colour;
    std::int32_t height;
    std::int32_t size;
    ShortString<80> name;
    std::uint8_t pitch;
    std::uint8_t style;
    std::uint8_t padding99;
};

struct PrinterBlock {
    NulTerminatedText<81> driverName;
    NulTerminatedText<81> deviceName;
    NulTerminatedText<81> portName;
    std::uint8_t padding243;
    FontSpec stor;
    FontSpec mellan;
    FontSpec liten;
    std::uint8_t valid;
    std::uint8_t reserved545[7];
    DeviceMode deviceMode;
    std::uint8_t driverExtra[kDriverExtraCapacity];
    std::uint8_t reserved8965[3];
    PageSetupData pageSetup;
    DeviceNamesData deviceNames;
    std::int32_t columns;
    std::uint8_t reserved9596[4];
};

struct PictureSlot {
    TLongPathName path;
    std::uint8_t active;
    std::uint8_t padding1026[2];
    std::int32_t size;
};

struct LabelSetting {
    std::int32_t leftMargin;
    std::uint16_t labelHeight;
    std::uint16_t rowPitch;
    std::uint16_t columnPitch;
    std::uint16_t labelWidth;
    std::int32_t topMargin;
    std::uint16_t reserved16;
    std::uint16_t across;
    std::uint16_t rows;
    std::uint8_t padding22[2];
    std::int32_t reserved24;
    std::int32_t reserved28;
    std::uint8_t reserved32;
    std::uint8_t padding33[7];
    PrinterBlock printer;
    std::int32_t copies;
    std::uint8_t reserved9644;
    std::uint8_t reserved9645[131];
};

struct PrintSetting {
    std::uint8_t reserved0;
    std::uint8_t reserved1[1025];
    ShortString<64> fottext;
    std::uint8_t padding1091[5];
    PrinterBlock printer;
    std::uint8_t reserved10696[21];
    std::uint8_t padding10717[3];
    PictureSlot pictures[kPictureSlots];
    std::uint8_t reserved15880[136];
};

struct GlobalSettings {
    std::int32_t reserved0;
    std::int32_t currentNumber;
    std::uint8_t labelSettingNumber;
    std::uint8_t printSettingNumber;
    TLongPathName reservedText10;
    TLongPathName reserved1035;
    TLongPathName fileMask;
    ShortString<31> computerName;
    std::uint8_t reserved3117[2050];
    TLongPathName dataDirectory;
    TLongPathName exchangePath;
    std::uint8_t routeDescriptionFormat;
    std::uint8_t padding7218[2];
    std::int32_t currentNumbers[kApplicationKinds];
    TLongPathName dataDirectories[kApplicationKinds];
    std::uint8_t reserved39119[6398];
    std::uint8_t reserved45517[9][1538];
    ShortString<40> labelNames[kSettingSlots + 1];  // entry 0: communication text
    ShortString<40> printNames[kSettingSlots];      // entry n - 1: print setting n
    std::int32_t settingsPage;
    std::uint16_t windowScale;
    std::uint8_t padding60226[2];
    std::int32_t windowLeft;
    std::int32_t windowTop;
    std::uint8_t reserved60236[116];
};

#pragma pack(pop)

static_assert(std::is_trivially_copyable_v<GlobalSettings> &&
              std::is_trivially_copyable_v<LabelSetting> &&
              std::is_trivially_copyable_v<PrintSetting>);

static_assert(sizeof(FontSpec) == 100);
static_assert(offsetof(FontSpec, charset) == 0);
static_assert(offsetof(FontSpec, colour) == 4);
static_assert(offsetof(FontSpec, height) == 8);
static_assert(offsetof(FontSpec, size) == 12);
static_assert(offsetof(FontSpec, name) == 16);
static_assert(offsetof(FontSpec, pitch) == 97);
static_assert(offsetof(FontSpec, style) == 98);

static_assert(sizeof(PrinterBlock) == 9600);
static_assert(offsetof(PrinterBlock, driverName) == 0);
static_assert(offsetof(PrinterBlock, deviceName) == 81);
static_assert(offsetof(PrinterBlock, portName) == 162);
static_assert(offsetof(PrinterBlock, stor) == 244);
static_assert(offsetof(PrinterBlock, mellan) == 344);
static_assert(offsetof(PrinterBlock, liten) == 444);
static_assert(offsetof(PrinterBlock, valid) == 544);
static_assert(offsetof(PrinterBlock, deviceMode) == 552);
static_assert(offsetof(PrinterBlock, deviceMode) + offsetof(DeviceMode, driverExtra) == 622);
static_assert(offsetof(PrinterBlock, deviceMode) + offsetof(DeviceMode, orientation) == 628);
static_assert(offsetof(PrinterBlock, deviceMode) + offsetof(DeviceMode, paperSize) == 630);
static_assert(offsetof(PrinterBlock, deviceMode) + offsetof(DeviceMode, printQuality) == 642);
static_assert(offsetof(PrinterBlock, deviceMode) + offsetof(DeviceMode, yResolution) == 648);
static_assert(offsetof(PrinterBlock, driverExtra) == 772);
static_assert(offsetof(PrinterBlock, reserved8965) == 8965);
static_assert(offsetof(PrinterBlock, pageSetup) == 8968);
static_assert(offsetof(PrinterBlock, pageSetup) + offsetof(PageSetupData, flags) == 9000);
static_assert(offsetof(PrinterBlock, pageSetup) + offsetof(PageSetupData, margins) == 9028);
static_assert(offsetof(PrinterBlock, deviceNames) == 9096);
static_assert(offsetof(PrinterBlock, columns) == 9592);

static_assert(sizeof(PictureSlot) == 1032);
static_assert(offsetof(PictureSlot, active) == 1025);
static_assert(offsetof(PictureSlot, size) == 1028);

static_assert(sizeof(LabelSetting) == 9776);
static_assert(offsetof(LabelSetting, labelHeight) == 4);
static_assert(offsetof(LabelSetting, rowPitch) == 6);
static_assert(offsetof(LabelSetting, columnPitch) == 8);
static_assert(offsetof(LabelSetting, labelWidth) == 10);
static_assert(offsetof(LabelSetting, topMargin) == 12);
static_assert(offsetof(LabelSetting, reserved16) == 16);
static_assert(offsetof(LabelSetting, across) == 18);
static_assert(offsetof(LabelSetting, rows) == 20);
static_assert(offsetof(LabelSetting, reserved24) == 24);
static_assert(offsetof(LabelSetting, reserved28) == 28);
static_assert(offsetof(LabelSetting, reserved32) == 32);
static_assert(offsetof(LabelSetting, printer) == 40);
static_assert(offsetof(LabelSetting, copies) == 9640);
static_assert(offsetof(LabelSetting, reserved9644) == 9644);
static_assert(offsetof(LabelSetting, reserved9645) == 9645);

static_assert(sizeof(PrintSetting) == 16016);
static_assert(offsetof(PrintSetting, reserved1) == 1);
static_assert(offsetof(PrintSetting, fottext) == 1026);
static_assert(offsetof(PrintSetting, printer) == 1096);
static_assert(offsetof(PrintSetting, reserved10696) == 10696);
static_assert(offsetof(PrintSetting, pictures) == 10720);
static_assert(offsetof(PrintSetting, reserved15880) == 15880);

static_assert(sizeof(GlobalSettings) == 60352);
static_assert(offsetof(GlobalSettings, currentNumber) == 4);
static_assert(offsetof(GlobalSettings, labelSettingNumber) == 8);
static_assert(offsetof(GlobalSettings, printSettingNumber) == 9);
static_assert(offsetof(GlobalSettings, reservedText10) == 10);
static_assert(offsetof(GlobalSettings, reserved1035) == 1035);
static_assert(offsetof(GlobalSettings, fileMask) == 2060);
static_assert(offsetof(GlobalSettings, computerName) == 3085);
static_assert(offsetof(GlobalSettings, reserved3117) == 3117);
static_assert(offsetof(GlobalSettings, dataDirectory) == 5167);
static_assert(offsetof(GlobalSettings, exchangePath) == 6192);
static_assert(offsetof(GlobalSettings, routeDescriptionFormat) == 7217);
static_assert(offsetof(GlobalSettings, currentNumbers) == 7220);
static_assert(offsetof(GlobalSettings, dataDirectories) == 7344);
static_assert(offsetof(GlobalSettings, reserved39119) == 39119);
static_assert(offsetof(GlobalSettings, reserved45517) == 45517);
static_assert(offsetof(GlobalSettings, labelNames) == 59359);
static_assert(offsetof(GlobalSettings, printNames) == 59810);
static_assert(offsetof(GlobalSettings, settingsPage) == 60220);
static_assert(offsetof(GlobalSettings, windowScale) == 60224);
static_assert(offsetof(GlobalSettings, windowLeft) == 60228);
static_assert(offsetof(GlobalSettings, windowTop) == 60232);
static_assert(offsetof(GlobalSettings, reserved60236) == 60236);

}  // namespace oltoma
