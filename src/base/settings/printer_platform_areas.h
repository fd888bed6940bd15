// The three platform areas of a stored printer (PrinterBlock, see
// settings_records.h): the device mode, the page-setup data and the device
// names. They keep the layouts, field offsets and codes of the printing
// structures of the desktop system the configuration file comes from, so that
// files move between systems and every reader uses one layout. Integers are
// little-endian; texts in these areas are UTF-16 (16-bit characters, NUL at
// the end). Bytes no field defines are written as 0.
//
// DeviceMode, 220 bytes (the fixed part; the driver-specific part follows it
// in the PrinterBlock, its length in driverExtra):
//   offset  size  field
//   0       64    deviceName: 32 UTF-16 characters, NUL-terminated
//   64      2     specVersion (kDeviceModeSpecVersion)
//   66      2     driverVersion
//   68      2     size of this fixed part (220)
//   70      2     driverExtra: length of the driver-specific part (0..8193)
//   72      4     fields: which of the following fields are set (kField...)
//   76      2     orientation: 1 portrait, 2 landscape
//   78      2     paperSize: paper code (9 A4, 40 fanfold 8.5 x 12 in, ...)
//   80      2     paperLength, tenths of a millimetre
//   82      2     paperWidth, tenths of a millimetre
//   84      2     scale, percent
//   86      2     copies
//   88      2     defaultSource
//   90      2     printQuality: horizontal resolution in dots per inch
//   92      2     colour: 1 monochrome, 2 colour
//   94      2     duplex: 1 simplex
//   96      2     yResolution: vertical resolution in dots per inch
//   98      4     reserved (font option, collate)
//   102     64    formName: 32 UTF-16 characters, NUL-terminated
//   166     54    reserved (display fields)
//
// PageSetupData, 128 bytes:
//   offset  size  field
//   0       4     structSize (128)
//   4       28    reserved (handles that mean nothing in a file; 0)
//   32      4     flags: kMarginsInHundredthsOfMillimetre (8) or
//                 kMarginsInThousandthsOfInch (4) says the unit of the
//                 paper size and margins below
//   36      8     paper width, paper height
//   44      16    minimum margins left, top, right, bottom
//   60      16    margins left, top, right, bottom
//   76      52    reserved (0)
//
// DeviceNamesData, 496 bytes:
//   offset  size  field
//   0       2     driverOffset: where the driver name starts, in characters
//   2       2     deviceOffset: where the device name starts, in characters
//   4       2     outputOffset: where the port name starts, in characters
//   6       2     defaultFlag: 1 when the printer is the system default
//   8       488   the three names, UTF-16, each NUL-terminated
#pragma once

#include <cstddef>
#include <cstdint>

namespace oltoma {

#pragma pack(push, 1)

struct DeviceMode {
    std::uint16_t deviceName[32];
    std::uint16_t specVersion;
    std::uint16_t driverVersion;
    std::uint16_t size;
    std::uint16_t driverExtra;
    std::uint32_t fields;
    std::int16_t orientation;
    std::int16_t paperSize;
    std::int16_t paperLength;
    std::int16_t paperWidth;
    std::int16_t scale;
    std::int16_t copies;
    std::int16_t defaultSource;
    std::int16_t printQuality;
    std::int16_t colour;
    std::int16_t duplex;
    std::int16_t yResolution;
    std::uint8_t reserved98[4];
    std::uint16_t formName[32];
    std::uint8_t reserved166[54];
};

struct PageSetupData {
    std::uint32_t structSize;
    std::uint8_t reserved4[28];
    std::uint32_t flags;
    std::int32_t paperWidth;
    std::int32_t paperHeight;
    std::int32_t minimumMargins[4];  // left, top, right, bottom
    std::int32_t margins[4];         // left, top, right, bottom
    std::uint8_t reserved76[52];
};

struct DeviceNamesData {
    std::uint16_t driverOffset;
    std::uint16_t deviceOffset;
    std::uint16_t outputOffset;
    std::uint16_t defaultFlag;
    std::uint16_t names[244];
};

#pragma pack(pop)

static_assert(sizeof(DeviceMode) == 220);
static_assert(offsetof(DeviceMode, deviceName) == 0);
static_assert(offsetof(DeviceMode, specVersion) == 64);
static_assert(offsetof(DeviceMode, driverVersion) == 66);
static_assert(offsetof(DeviceMode, size) == 68);
static_assert(offsetof(DeviceMode, driverExtra) == 70);
static_assert(offsetof(DeviceMode, fields) == 72);
static_assert(offsetof(DeviceMode, orientation) == 76);
static_assert(offsetof(DeviceMode, paperSize) == 78);
static_assert(offsetof(DeviceMode, paperLength) == 80);
static_assert(offsetof(DeviceMode, paperWidth) == 82);
static_assert(offsetof(DeviceMode, scale) == 84);
static_assert(offsetof(DeviceMode, copies) == 86);
static_assert(offsetof(DeviceMode, defaultSource) == 88);
static_assert(offsetof(DeviceMode, printQuality) == 90);
static_assert(offsetof(DeviceMode, colour) == 92);
static_assert(offsetof(DeviceMode, duplex) == 94);
static_assert(offsetof(DeviceMode, yResolution) == 96);
static_assert(offsetof(DeviceMode, formName) == 102);
static_assert(offsetof(DeviceMode, reserved166) == 166);

static_assert(sizeof(PageSetupData) == 128);
static_assert(offsetof(PageSetupData, flags) == 32);
static_assert(offsetof(PageSetupData, paperWidth) == 36);
static_assert(offsetof(PageSetupData, minimumMargins) == 44);
static_assert(offsetof(PageSetupData, margins) == 60);

static_assert(sizeof(DeviceNamesData) == 496);
static_assert(offsetof(DeviceNamesData, names) == 8);

inline constexpr std::uint16_t kDeviceModeSpecVersion = 0x0401;
inline constexpr std::int16_t kOrientationPortrait = 1;
inline constexpr std::int16_t kOrientationLandscape = 2;
inline constexpr std::int16_t kPaperA4 = 9;
inline constexpr std::int16_t kPaperFanfold = 40;  // German standard fanfold 8.5 x 12 in

// Bits of DeviceMode::fields.
inline constexpr std::uint32_t kFieldOrientation = 0x1;
inline constexpr std::uint32_t kFieldPaperSize = 0x2;
inline constexpr std::uint32_t kFieldPaperLength = 0x4;
inline constexpr std::uint32_t kFieldPaperWidth = 0x8;
inline constexpr std::uint32_t kFieldCopies = 0x100;
inline constexpr std::uint32_t kFieldPrintQuality = 0x400;
inline constexpr std::uint32_t kFieldYResolution = 0x2000;
inline constexpr std::uint32_t kFieldFormName = 0x10000;

// Units of PageSetupData::flags.
inline constexpr std::uint32_t kMarginsInThousandthsOfInch = 4;
inline constexpr std::uint32_t kMarginsInHundredthsOfMillimetre = 8;

inline constexpr std::size_t kDriverExtraCapacity = 8193;

}  // namespace oltoma
