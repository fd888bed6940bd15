#include "platform/print/report_dialog.h"

#include "platform/process_state.h"

namespace oltoma::platform {
namespace {

class SilentReportDialog final : public ReportDialog {
public:
    void Open(WindowHandle, std::function<void()>) override {}
    void SetDevice(std::string_view) override {}
    void SetJobTitle(std::string_view) override {}
    void SetPages(std::string_view) override {}
    void SetCounts(std::string_view, std::string_view) override {}
    void SetProgress(int) override {}
    void SetStatus(int, std::string_view) override {}
    void ProcessEvents() override {}
    void Close() override {}
};

ReportDialog*& BoundDialog() {
    static ReportDialog* dialog = nullptr;
    return dialog;
}

void UnbindReportDialog() {
    BoundDialog() = nullptr;
}
[[maybe_unused]] const bool kResetRegistered = RegisterStateReset(&UnbindReportDialog);

}  // namespace

ReportDialog* BindReportDialog(ReportDialog* dialog) {
    ReportDialog* previous = BoundDialog();
    BoundDialog() = dialog;
    return previous;
}

ReportDialog& CurrentReportDialog() {
    static SilentReportDialog silent;
    ReportDialog* dialog = BoundDialog();
    return dialog != nullptr ? *dialog : silent;
}

}  // namespace oltoma::platform
