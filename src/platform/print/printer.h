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
//
// With pdfFile set, jobs are written to that PDF file instead of being
// printed; no installed printer is needed. The page is then as the printer
// of deviceName would print it: the paper, orientation and resolution given
// (A4, portrait and 600 dots per inch where none is given), the printable
// area the sheet less the border the queue reports when it is installed,
// else 5 mm on every side. The file is written under a temporary name and
// put in place by EndDoc, so an aborted or failed job leaves no file and an
// existing file of that name as it was.
struct PrinterSetup {
    std::string deviceName;  // queue name; empty = the default printer
    int paperSize = 0;       // 9 A4, 8 A3, 11 A5, 1 Letter, 5 Legal, 40 fanfold 8.5 x 12 in
    int orientation = 0;     // 1 portrait, 2 landscape
    int resolutionX = 0;     // dots per inch
    int resolutionY = 0;
    std::string pdfFile;  // the file system's path; empty = print
};

// The defaults of a PDF job for what a setup leaves open.
inline constexpr int kPdfDefaultPaper = 9;  // A4
inline constexpr int kPdfDefaultOrientation = 1;
inline constexpr int kPdfDefaultResolution = 600;
inline constexpr double kPdfDefaultBorderMillimetres = 5.0;

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
    // Ends the job and hands it to the spooler (or puts its PDF file in
    // place).
    virtual void EndDoc() = 0;
    // The last job had a PDF file that could not be written (at BeginDoc,
    // which then failed, or at EndDoc); cleared by the next BeginDoc.
    virtual bool OutputFailed() const { return false; }
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
