#include "base/settings/printer_block_fields.h"

#include <cmath>

#include "base/text/windows1252.h"

namespace oltoma {
namespace {

constexpr int kFanfoldWidthTenthsMm = 2159;   // 8.5 in
constexpr int kFanfoldLengthTenthsMm = 3048;  // 12 in

// The paper extent of the page-setup data, in its unit and orientation.
void UpdatePaperExtent(PrinterBlock& block) {
    const DeviceMode& mode = block.deviceMode;
    const bool inches = (block.pageSetup.flags & kMarginsInHundredthsOfMillimetre) == 0 &&
                        (block.pageSetup.flags & kMarginsInThousandthsOfInch) != 0;
    // From tenths of a millimetre to the unit of the page-setup data.
    const auto convert = [inches](int tenthsMm) {
        return inches ? static_cast<int>(std::lround(tenthsMm * 10 / 2.54)) : tenthsMm * 10;
    };
    int width = convert(mode.paperWidth);
    int height = convert(mode.paperLength);
    if (mode.orientation == kOrientationLandscape) {
        std::swap(width, height);
    }
    block.pageSetup.paperWidth = width;
    block.pageSetup.paperHeight = height;
}

}  // namespace

void StoreUtf16(std::uint16_t* field, std::size_t capacity, std::string_view text) {
    std::size_t count = 0;
    for (; count < text.size() && count + 1 < capacity; ++count) {
        field[count] =
            static_cast<std::uint16_t>(DecodeWindows1252(static_cast<unsigned char>(text[count])));
    }
    for (std::size_t i = count; i < capacity; ++i) {
        field[i] = 0;
    }
}

std::string LoadUtf16(const std::uint16_t* field, std::size_t capacity) {
    std::string text;
    for (std::size_t i = 0; i < capacity && field[i] != 0; ++i) {
        char byte = '?';
        if (!EncodeWindows1252(field[i], byte)) {
            byte = '?';
        }
        text += byte;
    }
    return text;
}

platform::PageMargins PageMarginsOf(const PrinterBlock& block) {
    const std::int32_t* m = block.pageSetup.margins;
    if ((block.pageSetup.flags & kMarginsInHundredthsOfMillimetre) == 0 &&
        (block.pageSetup.flags & kMarginsInThousandthsOfInch) != 0) {
        // 1/1000 in = 2.54/100 mm.
        const auto convert = [](std::int32_t v) { return static_cast<int>(std::lround(v * 2.54)); };
        return {convert(m[0]), convert(m[1]), convert(m[2]), convert(m[3])};
    }
    return {m[0], m[1], m[2], m[3]};
}

void SetPageMargins(PrinterBlock& block, const platform::PageMargins& margins) {
    PageSetupData& setup = block.pageSetup;
    if ((setup.flags & kMarginsInThousandthsOfInch) != 0) {
        // The extent and minimum margins move to the new unit with the margins.
        const auto convert = [](std::int32_t v) {
            return static_cast<std::int32_t>(std::lround(v * 2.54));
        };
        setup.paperWidth = convert(setup.paperWidth);
        setup.paperHeight = convert(setup.paperHeight);
        for (std::int32_t& v : setup.minimumMargins) {
            v = convert(v);
        }
    }
    setup.flags = (setup.flags & ~kMarginsInThousandthsOfInch) | kMarginsInHundredthsOfMillimetre;
    setup.margins[0] = margins.left;
    setup.margins[1] = margins.top;
    setup.margins[2] = margins.right;
    setup.margins[3] = margins.bottom;
}

void SetOrientation(PrinterBlock& block, int orientation) {
    block.deviceMode.orientation = static_cast<std::int16_t>(orientation);
    block.deviceMode.fields |= kFieldOrientation;
    UpdatePaperExtent(block);
}

void SetPaper(PrinterBlock& block, int paperCode, int widthTenthsMm, int lengthTenthsMm,
              std::string_view formName) {
    DeviceMode& mode = block.deviceMode;
    mode.paperSize = static_cast<std::int16_t>(paperCode);
    mode.paperWidth = static_cast<std::int16_t>(widthTenthsMm);
    mode.paperLength = static_cast<std::int16_t>(lengthTenthsMm);
    StoreUtf16(mode.formName, std::size(mode.formName), formName);
    mode.fields |= kFieldPaperSize | kFieldPaperWidth | kFieldPaperLength | kFieldFormName;
    UpdatePaperExtent(block);
}

void SetFanfoldPaper(PrinterBlock& block) {
    SetPaper(block, kPaperFanfold, kFanfoldWidthTenthsMm, kFanfoldLengthTenthsMm,
             "German Std Fanfold");
}

}  // namespace oltoma
