// The installed printers, the system's default printer and the printer the
// program has selected as its current one. The program binds the catalog to
// the desktop's print system (platform/qt), tests bind a scripted one
// (tests/support/scripted_printer_catalog.h); the quiet default knows no
// printer.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace oltoma::platform {

// Margins in hundredths of a millimetre.
struct PageMargins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    friend bool operator==(const PageMargins&, const PageMargins&) = default;
};

// What the program keeps of a printer and its default page. Texts are
// Windows-1252.
struct PrinterInfo {
    std::string name;    // the print queue's name
    std::string driver;  // make and model, where the system knows it
    std::string port;    // where the printer is attached, where known
    bool isDefault = false;
    std::string paperName = "A4";  // the default paper's name
    int paperCode = 9;             // paper code: 9 A4, 1 Letter, 40 fanfold...
    int paperWidth = 2100;         // tenths of a millimetre, portrait
    int paperLength = 2970;        // tenths of a millimetre, portrait
    int orientation = 1;           // 1 portrait, 2 landscape
    int resolutionX = 300;         // dots per inch
    int resolutionY = 300;
    PageMargins minimumMargins;  // where the printer cannot print

    friend bool operator==(const PrinterInfo&, const PrinterInfo&) = default;
};

class PrinterCatalog {
public:
    virtual ~PrinterCatalog() = default;
    // Names of the installed printers, in the system's order.
    virtual std::vector<std::string> PrinterNames() = 0;
    // The system default printer's name; empty when there is none.
    virtual std::string DefaultPrinterName() = 0;
    // The printer and its default page; nothing when no printer has the name.
    virtual std::optional<PrinterInfo> Describe(std::string_view name) = 0;
};

// The system default printer; when the system names none, the first
// installed printer stands in, as print dialogs do. Nothing when no printer
// is installed.
std::optional<PrinterInfo> SystemDefaultPrinter();

// The program's current printer: the one selected last, as long as it is
// still installed, else SystemDefaultPrinter().
std::optional<PrinterInfo> CurrentPrinter();

// Makes the named installed printer the current one. Returns false, and
// keeps the selection, when no installed printer has that name. An empty
// name returns to the system default.
bool SelectCurrentPrinter(std::string_view name);

}  // namespace oltoma::platform
