// A printer block whose margins and fonts give round numbers on the
// RecordingPrinter (2000 x 2800 pixels at 240 dpi): margins left 12.7 mm
// (120 px), top 25.4 mm (240 px), right 0, bottom 12.7 mm (120 px); fonts
// "stor" 18, "mellan" 12, "liten" 9 points. At 240 dpi the recording canvas
// gives a 12-point font a height of 40, a line of 44 and characters 20
// wide; 9 points: 30, 33 and 15.
#pragma once

#include <cmath>
#include <memory>

#include "base/settings/settings_records.h"

namespace oltoma::testing {

inline void SetFont(FontSpec& stored, const char* face, int size) {
    stored = FontSpec{};
    stored.name = face;
    stored.size = size;
    stored.height = -static_cast<int>(std::lround(size * 96 / 72.0));  // at 96 pixels an inch
    stored.style = kFontBold;
}

inline std::unique_ptr<PrinterBlock> TestPrinterBlock(int columns) {
    auto block = std::make_unique<PrinterBlock>();  // zero-initialised
    block->deviceName = "oltoma-test";
    block->valid = 1;
    block->deviceMode.printQuality = 240;
    block->deviceMode.yResolution = 240;
    block->pageSetup.flags = kMarginsInHundredthsOfMillimetre;
    block->pageSetup.margins[0] = 1270;
    block->pageSetup.margins[1] = 2540;
    block->pageSetup.margins[2] = 0;
    block->pageSetup.margins[3] = 1270;
    SetFont(block->stor, "Arial", 18);
    SetFont(block->mellan, "Arial", 12);
    SetFont(block->liten, "Arial", 9);
    block->columns = columns;
    return block;
}

}  // namespace oltoma::testing
