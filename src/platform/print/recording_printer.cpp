#include "platform/print/recording_printer.h"

#include <algorithm>

namespace oltoma::platform {

RecordingPrinter::RecordingPrinter() : RecordingPrinter(Device{}) {}

RecordingPrinter::RecordingPrinter(Device device)
    : device_(std::move(device)),
      log_(std::make_shared<std::vector<CanvasCall>>()),
      canvas_(device_.dpi, log_) {}

bool RecordingPrinter::Select(const PrinterSetup& setup) {
    const std::string name = setup.deviceName.empty() ? device_.defaultName : setup.deviceName;
    const bool installed =
        !name.empty() && std::find(device_.installed.begin(), device_.installed.end(), name) !=
                             device_.installed.end();
    if (!installed && setup.pdfFile.empty()) {
        return false;
    }
    pdf_ = !setup.pdfFile.empty();
    current_ = installed ? name : "PDF";
    selections_.push_back(setup);
    return true;
}

void RecordingPrinter::LogJobCall(CanvasCall::Kind kind) {
    CanvasCall call;
    call.kind = kind;
    call.page = page_;
    call.text = title_;
    log_->push_back(call);
}

bool RecordingPrinter::BeginDoc() {
    outputFailed_ = false;
    if (printing_ || current_.empty()) {
        return false;
    }
    if (pdf_ && device_.pdfFails) {
        outputFailed_ = true;
        return false;
    }
    printing_ = true;
    aborted_ = false;
    page_ = 1;
    jobTitles_.push_back(title_);
    canvas_.SetPage(page_);
    canvas_.SetActive(device_.deviceContext);
    LogJobCall(CanvasCall::Kind::BeginDoc);
    return true;
}

void RecordingPrinter::NewPage() {
    if (!printing_) {
        return;
    }
    ++page_;
    canvas_.SetPage(page_);
    LogJobCall(CanvasCall::Kind::NewPage);
}

void RecordingPrinter::EndDoc() {
    if (!printing_) {
        return;
    }
    LogJobCall(CanvasCall::Kind::EndDoc);
    printing_ = false;
    ++jobsEnded_;
    page_ = 0;
    canvas_.SetActive(false);
    canvas_.SetPage(0);
}

void RecordingPrinter::Abort() {
    if (!printing_) {
        return;
    }
    LogJobCall(CanvasCall::Kind::Abort);
    printing_ = false;
    aborted_ = true;
    page_ = 0;
    canvas_.SetActive(false);
    canvas_.SetPage(0);
}

}  // namespace oltoma::platform
