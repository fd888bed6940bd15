// The printer: the installed print queues, selection of one by its device
// (queue) name, print jobs with title, new page, end and abort, and the
// canvas the job draws on. Names and titles are Windows-1252. The program binds the Qt printer
// (CUPS); tests bind a RecordingPrinter. Until something is bound, a printer with no installed
// queues stands in, so printing does nothing and fails nowhere.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/print/canvas.h"

namespace oltoma::platform {

// How the chosen printer is set up for a job. Zero means "the printer's
// own default" for every number.
struct PrinterSetup {
    std::string deviceName;  // queue name; empty = the default printer
    int paperSize = 0;       // 9 A4, 8 A3, 11 A5, 1 Letter, 5 Legal, 40 fanfold 8.5 x 12 in
    int orientation = 0;     // 1 portrait, 2 landscape
    int resolutionX = 0;     // dots per inch
    int resolutionY = 0;
};

class Printer {
public:
    virtual ~Printer() = default;

    // Names of the installed printers; empty when none is installed.
    virtual std::vector<std::string> InstalledPrinters() = 0;
    // The default printer's name; empty when there is none.
    virtual std::string DefaultPrinterName() = 0;

    // Makes the named printer (or the default one) current with the setup
    // given. False when it is not installed; the previous choice then stays.
    virtual bool Select(const PrinterSetup& setup) = 0;
    // Name of the current printer; empty before a successful Select.
    virtual std::string CurrentName() const = 0;

    // The title the next job is spooled under.
    virtual void SetTitle(std::string_view title) = 0;
    // Starts a job on the current printer; false when it cannot start (the
    // canvas then has no device context).
    virtual bool BeginDoc() = 0;
    virtual void NewPage() = 0;
    // Ends the job and hands it to the spooler.
    virtual void EndDoc() = 0;
    // Cancels the running job; nothing of it is printed.
    virtual void Abort() = 0;
    // A job runs (between BeginDoc and EndDoc or Abort).
    virtual bool Printing() const = 0;
    // The last job was aborted (until the next BeginDoc).
    virtual bool Aborted() const = 0;

    // The canvas exists always and keeps its font between jobs; it draws
    // only while HasDeviceContext().
    virtual Canvas& GetCanvas() = 0;
    virtual bool HasDeviceContext() const = 0;

    // The printable area in device pixels and the resolution in dots per
    // inch of the current printer as set up.
    virtual int PageWidth() const = 0;
    virtual int PageHeight() const = 0;
    virtual int ResolutionX() const = 0;
    virtual int ResolutionY() const = 0;
};

// Binds a printer (null = the no-printer stand-in); returns the one bound
// before.
Printer* BindPrinter(Printer* printer);

// The bound printer; never null.
Printer& ActivePrinter();

}  // namespace oltoma::platform
