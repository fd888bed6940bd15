// A printer double for tests: a configurable set of installed queues, a page
// of known size and resolution, and a RecordingCanvas whose log also holds
// the job calls (BeginDoc, NewPage, EndDoc, Abort) in order. A PDF target
// is accepted whatever is installed and only recorded: nothing is written.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/print/printer.h"
#include "platform/print/recording_canvas.h"

namespace oltoma::platform {

class RecordingPrinter final : public Printer {
public:
    struct Device {
        std::vector<std::string> installed{"oltoma-test"};
        std::string defaultName = "oltoma-test";
        int pageWidth = 2000;  // printable area, device pixels
        int pageHeight = 2800;
        int dpi = 240;
        bool deviceContext = true;  // false: jobs start without a device context
        bool pdfFails = false;      // a PDF job cannot write its file
    };

    RecordingPrinter();
    explicit RecordingPrinter(Device device);

    // Every call logged so far, job calls included.
    const std::vector<CanvasCall>& calls() const { return *log_; }
    void ClearCalls() { log_->clear(); }
    // Titles of the jobs started, in order.
    const std::vector<std::string>& jobTitles() const { return jobTitles_; }
    // Setups given to successful Select calls, in order (the output target
    // among them).
    const std::vector<PrinterSetup>& selections() const { return selections_; }
    int jobsEnded() const { return jobsEnded_; }

    std::vector<std::string> InstalledPrinters() override { return device_.installed; }
    std::string DefaultPrinterName() override { return device_.defaultName; }
    bool Select(const PrinterSetup& setup) override;
    std::string CurrentName() const override { return current_; }
    void SetTitle(std::string_view title) override { title_ = std::string(title); }
    bool BeginDoc() override;
    void NewPage() override;
    void EndDoc() override;
    void Abort() override;
    bool Printing() const override { return printing_; }
    bool Aborted() const override { return aborted_; }
    bool OutputFailed() const override { return outputFailed_; }
    Canvas& GetCanvas() override { return canvas_; }
    bool HasDeviceContext() const override { return printing_ && device_.deviceContext; }
    int PageWidth() const override { return device_.pageWidth; }
    int PageHeight() const override { return device_.pageHeight; }
    int ResolutionX() const override { return device_.dpi; }
    int ResolutionY() const override { return device_.dpi; }

private:
    void LogJobCall(CanvasCall::Kind kind);

    Device device_;
    std::shared_ptr<std::vector<CanvasCall>> log_;
    RecordingCanvas canvas_;
    std::string current_;
    std::string title_;
    std::vector<std::string> jobTitles_;
    std::vector<PrinterSetup> selections_;
    bool printing_ = false;
    bool aborted_ = false;
    bool outputFailed_ = false;
    bool pdf_ = false;
    int page_ = 0;
    int jobsEnded_ = 0;
};

}  // namespace oltoma::platform
