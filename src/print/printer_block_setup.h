// What a stored PrinterBlock says about the printer and the page: the queue
// and its setup for the platform printer, and the page-setup margins in
// device units.
#pragma once

#include <string>

#include "base/settings/settings_records.h"
#include "platform/print/printer.h"

namespace oltoma {

// The queue (device name) and, when the block's platform areas are valid,
// paper, orientation and resolution of its device mode.
platform::PrinterSetup PrinterSetupFromBlock(const PrinterBlock& block);

// "device,driver,port", at most 160 characters; each name is cut at its
// first byte that is no printable character.
std::string PrinterDeviceText(const PrinterBlock& block);

struct DeviceMargins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The page-setup margins in device units at the block's resolution: with U
// = 1000 for thousandths of an inch (flag 4) and 2540 otherwise (hundredths
// of a millimetre), margin / U * resolution, rounded. A block without a
// positive horizontal resolution uses `resolutionWhenNone` (a PDF job's
// resolution); all 0 when that is not positive either. A missing vertical
// resolution is taken to equal the horizontal one.
DeviceMargins MarginsFromBlock(const PrinterBlock& block, int resolutionWhenNone = 0);

}  // namespace oltoma
