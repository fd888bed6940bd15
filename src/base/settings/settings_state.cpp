#include "base/settings/settings_state.h"

namespace oltoma {
namespace {

struct WorkingRecords {
    GlobalSettings global{};
    LabelSetting label{};
    PrintSetting print{};
    PrinterBlock startPrinter{};
    PrinterBlock defaultPrinter{};
    ConfigurationState state;
};

WorkingRecords& Records() {
    static WorkingRecords records;
    return records;
}

int ValidSettingNumber(std::uint8_t& stored) {
    if (stored < 1 || stored > kSettingSlots) {
        stored = 1;
    }
    return stored;
}

}  // namespace

GlobalSettings& WorkingGlobalSettings() {
    return Records().global;
}
LabelSetting& WorkingLabelSetting() {
    return Records().label;
}
PrintSetting& WorkingPrintSetting() {
    return Records().print;
}
PrinterBlock& StartPrinterBlock() {
    return Records().startPrinter;
}
PrinterBlock& DefaultPrinterBlock() {
    return Records().defaultPrinter;
}
ConfigurationState& Configuration() {
    return Records().state;
}

int CurrentLabelNumber() {
    return ValidSettingNumber(WorkingGlobalSettings().labelSettingNumber);
}
int CurrentPrintNumber() {
    return ValidSettingNumber(WorkingGlobalSettings().printSettingNumber);
}

}  // namespace oltoma
