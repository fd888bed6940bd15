// The Printer on Qt Print Support: the installed CUPS queues, selection by
// queue name, jobs on a QPrinter (Qt submits them to CUPS as PDF) and the
// QtCanvas drawing on them.
#pragma once

#include <QPainter>
#include <QPrinter>

#include <memory>

#include "platform/print/printer.h"
#include "platform/qt/print/qt_canvas.h"

namespace oltoma::platform {

// Sets up a QPrinter for a printer as stored: queue (setup.deviceName must be
// an installed queue), paper, orientation and resolution where given, and the
// device's smallest margins, so the canvas origin is the top-left of what the
// printer can print and the report writer adds the page-setup margins itself.
void ApplyPrinterSetup(QPrinter& printer, const std::string& queueName, const PrinterSetup& setup);

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
    bool printing_ = false;
    bool aborted_ = false;
};

}  // namespace oltoma::platform
