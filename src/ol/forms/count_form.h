// The progress window TCountForm (component CountForm), the Qt form behind
// base/messages/progress.h. Layout at 100 percent:
//
//   client area   509 x 300, shrunk by (8 - visible lines) x 32 in height;
//                 background RGB(240, 240, 255), font MS Sans Serif 16 px,
//                 stays on top, no title-bar buttons, centred on the owner's
//                 window and then moved 32 right and 32 down
//   Image1        decorative background filling the client area
//   cancelbtn     "avbryt" at (64, 8), 89 x 25, with a glyph; shown only
//                 when the window has a cancel button; Escape presses it
//   countW1..8    status lines 497 x 23 at x 8, y 48 + 32 (i - 1), Segoe UI
//                 12 px; empty until the command writes them (the design
//                 texts "1".."8" never show)
//
// The window is a child window of its owner's window, so the window manager
// keeps it above that window, and it is raised and repainted at every
// status line. The outermost window (level 1) disables its owner's window
// while it lives; the progress window itself stays enabled. Clicking
// "avbryt" calls the cancel callback of the window's options.
#pragma once

#include <QDialog>
#include <QPointer>

#include <memory>

#include "base/messages/progress.h"

class QLabel;
class QPushButton;

namespace oltoma {

class TCountForm final : public QDialog, public ProgressWindow {
    Q_OBJECT
public:
    explicit TCountForm(const ProgressWindowOptions& options);
    ~TCountForm() override;

    void SetStatusLine(int line, std::string_view text) override;
    void ProcessPendingEvents() override;

    QPushButton* cancelButton() const { return cancelbtn_; }
    // Status line 1..8 (countW1..countW8).
    QLabel* statusLine(int line) const { return countW_[line - 1]; }

protected:
    // Escape and closing the window act as "avbryt" (when it is shown) and
    // never close the window: the command that opened it closes it.
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

private:
    void PlaceOver(QWidget* ownerWindow, int height);
    void BringToFront();

    ProgressWindowOptions options_;
    QPointer<QWidget> disabledOwner_;
    QPushButton* cancelbtn_ = nullptr;
    QLabel* countW_[kProgressStatusLines] = {};
};

// Creates TCountForm windows; none without a running QApplication.
class QtProgressWindows final : public ProgressWindows {
public:
    std::unique_ptr<ProgressWindow> Create(const ProgressWindowOptions& options) override;
};

// Binds the Qt progress windows (base/messages/progress.h); the program calls it
// after creating its QApplication, beside platform::BindQtServices().
void BindQtProgressWindows();

}  // namespace oltoma
