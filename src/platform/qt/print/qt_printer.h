// The Printer on Qt Print Support: the installed CUPS queues, selection by
// queue name, jobs on a QPrinter (Qt submits them to CUPS as PDF) and the
// QtCanvas drawing on them. A setup with a PDF file prints to that file as
// QPrinter::PdfFormat, through a temporary file that EndDoc puts in place.
#pragma once

#include <QPainter>
#include <QPrinter>

#include <memory>

#include "platform/print/printer.h"
#include "platform/qt/print/qt_canvas.h"
#include "platform/replacing_file.h"

namespace oltoma::platform {

// Sets up a QPrinter for a printer as stored: queue (setup.deviceName must be
// an installed queue), paper, orientation and resolution where given, and the
// device's smallest margins, so the canvas origin is the top-left of what the
// printer can print and the report writer adds the page-setup margins itself.
void ApplyPrinterSetup(QPrinter& printer, const std::string& queueName, const PrinterSetup& setup);

// Sets up a QPrinter for a PDF job laid out as the printer of the setup
// (installed or not) would print it: paper, orientation and resolution of
// the setup (A4, portrait, 600 dpi where it gives none), margins the
// queue's unprintable border when it is installed, else 5 mm; the output
// file is not set.
void ApplyPdfSetup(QPrinter& printer, const PrinterSetup& setup);

class QtPrinter final : public Printer {
public:
    QtPrinter();
    ~QtPrinter() override;

    std::vector<std::string> InstalledPrinters() override;
    std::string DefaultPrinterName() override;
    bool Select(const PrinterSetup& setup) override;
    std::string CurrentName() const override { return current_; }
    void SetTitle(std::string_view title) override;
    bool BeginDoc() override;
    void NewPage() override;
    void EndDoc() override;
    void Abort() override;
    bool Printing() const override { return printing_; }
    bool Aborted() const override { return aborted_; }
    bool OutputFailed() const override { return outputFailed_; }
    Canvas& GetCanvas() override { return canvas_; }
    bool HasDeviceContext() const override { return printing_ && painter_.isActive(); }
    int PageWidth() const override;
    int PageHeight() const override;
    int ResolutionX() const override;
    int ResolutionY() const override;

    QPrinter& qprinter() { return *printer_; }

private:
    void Finish();

    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    QtCanvas canvas_;
    std::string current_;
    std::string pdfFile_;                    // the PDF target of the selection
    std::unique_ptr<ReplacingFile> output_;  // the running PDF job's file
    bool printing_ = false;
    bool aborted_ = false;
    bool outputFailed_ = false;
};

}  // namespace oltoma::platform
