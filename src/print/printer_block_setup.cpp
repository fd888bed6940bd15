#include "print/printer_block_setup.h"

#include <cmath>

#include "base/text/windows1252.h"

namespace oltoma {
namespace {

int Round(double value) {
    return static_cast<int>(std::nearbyint(value));
}

}  // namespace

platform::PrinterSetup PrinterSetupFromBlock(const PrinterBlock& block) {
    platform::PrinterSetup setup;
    setup.deviceName = block.deviceName.str();
    if (block.valid != 0) {
        const DeviceMode& mode = block.deviceMode;
        setup.paperSize = mode.paperSize;
        setup.orientation = mode.orientation;
        setup.resolutionX = mode.printQuality > 0 ? mode.printQuality : 0;
        setup.resolutionY = mode.yResolution > 0 ? mode.yResolution : setup.resolutionX;
    }
    return setup;
}

std::string PrinterDeviceText(const PrinterBlock& block) {
    // The names come from the configuration file, which may hold anything.
    std::string text = std::string(PrintablePrefix(block.deviceName.str())) + "," +
                       std::string(PrintablePrefix(block.driverName.str())) + "," +
                       std::string(PrintablePrefix(block.portName.str()));
    return text.substr(0, 160);
}

DeviceMargins MarginsFromBlock(const PrinterBlock& block, int resolutionWhenNone) {
    DeviceMargins margins;
    const DeviceMode& mode = block.deviceMode;
    const bool ownResolution = mode.printQuality > 0;
    const int resolutionX = ownResolution ? mode.printQuality : resolutionWhenNone;
    if (resolutionX <= 0) {
        return margins;
    }
    const int resolutionY = ownResolution && mode.yResolution > 0 ? mode.yResolution : resolutionX;
    const double unit =
        (block.pageSetup.flags & kMarginsInThousandthsOfInch) != 0 ? 1000.0 : 2540.0;
    const std::int32_t* stored = block.pageSetup.margins;
    margins.left = Round(stored[0] / unit * resolutionX);
    margins.top = Round(stored[1] / unit * resolutionY);
    margins.right = Round(stored[2] / unit * resolutionX);
    margins.bottom = Round(stored[3] / unit * resolutionY);
    return margins;
}

}  // namespace oltoma
