// The progress dialog of a report ("rapport"): shown while a report prints,
// with the printer device, the job title, page and record counts, a progress
// bar, four status lines and a Cancel button. The program binds the Qt
// dialog; until then a silent stand-in is used.
#pragma once

#include <functional>
#include <string_view>

#include "platform/services.h"

namespace oltoma::platform {

class ReportDialog {
public:
    virtual ~ReportDialog() = default;

    // Disables the owner window and shows the dialog centred on it. Cancel
    // calls onCancel (on the user-interface thread) while the dialog shows.
    virtual void Open(WindowHandle owner, std::function<void()> onCancel) = 0;
    virtual void SetDevice(std::string_view text) = 0;
    virtual void SetJobTitle(std::string_view text) = 0;
    // Panel 1 of the page bar.
    virtual void SetPages(std::string_view text) = 0;
    // Panels 1 and 2 of the count bar.
    virtual void SetCounts(std::string_view done, std::string_view total) = 0;
    // 0..100.
    virtual void SetProgress(int percent) = 0;
    // Status lines 1, 2, 3 and 5.
    virtual void SetStatus(int line, std::string_view text) = 0;
    // Lets the user interface handle pending events (Cancel among them).
    virtual void ProcessEvents() = 0;
    // Closes the dialog, enables the owner window and brings it to the top.
    // Harmless when the dialog is not open.
    virtual void Close() = 0;
};

// Binds a dialog (null = silent stand-in); returns the one bound before.
ReportDialog* BindReportDialog(ReportDialog* dialog);

// The bound dialog; never null.
ReportDialog& CurrentReportDialog();

}  // namespace oltoma::platform
