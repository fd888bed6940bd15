#include "base/settings/settings_state.h"

#include <unistd.h>

#include "platform/process_state.h"

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

// The records as before LoadConfiguration; a configuration file still open
// is closed without being written.
void ForgetSettings() {
    if (Records().state.open && Records().state.descriptor >= 0) {
        ::close(Records().state.descriptor);
    }
    Records() = WorkingRecords{};
}
[[maybe_unused]] const bool kResetRegistered = platform::RegisterStateReset(&ForgetSettings);

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
