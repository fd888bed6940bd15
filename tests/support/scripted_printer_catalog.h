// A printer catalog the test fills: the installed printers in order and the
// name of the default one.
#pragma once

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "platform/printer_catalog.h"

namespace oltoma::testing {

class ScriptedPrinterCatalog final : public platform::PrinterCatalog {
public:
    std::vector<platform::PrinterInfo> printers;
    std::string defaultName;

    // Adds a printer with the catalog's default page; the first one added
    // becomes the default printer.
    platform::PrinterInfo& Add(const std::string& name) {
        platform::PrinterInfo printer;
        printer.name = name;
        printer.driver = name + " driver";
        if (defaultName.empty()) {
            defaultName = name;
            printer.isDefault = true;
        }
        printers.push_back(printer);
        return printers.back();
    }

    void Remove(const std::string& name) {
        std::erase_if(printers, [&](const platform::PrinterInfo& p) { return p.name == name; });
        if (defaultName == name) {
            defaultName.clear();
        }
    }

    std::vector<std::string> PrinterNames() override {
        std::vector<std::string> names;
        for (const platform::PrinterInfo& printer : printers) {
            names.push_back(printer.name);
        }
        return names;
    }
    std::string DefaultPrinterName() override { return defaultName; }
    std::optional<platform::PrinterInfo> Describe(std::string_view name) override {
        for (const platform::PrinterInfo& printer : printers) {
            if (printer.name == name) {
                return printer;
            }
        }
        return std::nullopt;
    }
};

}  // namespace oltoma::testing
