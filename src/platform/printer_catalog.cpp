#include "platform/printer_catalog.h"

#include "platform/process_state.h"
#include "platform/services.h"

namespace oltoma::platform {
namespace {

std::string& SelectedName() {
    static std::string name;
    return name;
}

// No printer selected: the system's default is current.
void ForgetSelectedPrinter() {
    SelectedName().clear();
}
[[maybe_unused]] const bool kResetRegistered = RegisterStateReset(&ForgetSelectedPrinter);

}  // namespace

std::optional<PrinterInfo> SystemDefaultPrinter() {
    PrinterCatalog& catalog = CurrentPrinterCatalog();
    const std::string defaultName = catalog.DefaultPrinterName();
    if (!defaultName.empty()) {
        if (std::optional<PrinterInfo> printer = catalog.Describe(defaultName)) {
            return printer;
        }
    }
    // No default: the first installed printer stands in, as print dialogs do.
    for (const std::string& name : catalog.PrinterNames()) {
        if (std::optional<PrinterInfo> printer = catalog.Describe(name)) {
            return printer;
        }
    }
    return std::nullopt;
}

std::optional<PrinterInfo> CurrentPrinter() {
    if (!SelectedName().empty()) {
        if (std::optional<PrinterInfo> selected =
                CurrentPrinterCatalog().Describe(SelectedName())) {
            return selected;
        }
    }
    return SystemDefaultPrinter();
}

bool SelectCurrentPrinter(std::string_view name) {
    if (name.empty()) {
        SelectedName().clear();
        return true;
    }
    if (!CurrentPrinterCatalog().Describe(name)) {
        return false;
    }
    SelectedName() = std::string(name);
    return true;
}

}  // namespace oltoma::platform
