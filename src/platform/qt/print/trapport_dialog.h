// TrapportDlg, the progress dialog shown while a report prints (caption
// "rapport"). From top to bottom: CancelBtn, sbSkrivarDevice,
// sbSkrivarJobb, ProgressBar1, ProgressBar2 (unused), sbRapportSidor
// ("  sida:" and the page count), sbAntal ("  antal:", done, [total]) and
// StatusBar1 to StatusBar5 (StatusBar4 unused). Cancel aborts the job.
#pragma once

#include <QDialog>

#include <functional>

#include "platform/print/report_dialog.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace oltoma::platform {

class TrapportDlg final : public QDialog {
    Q_OBJECT
public:
    explicit TrapportDlg(QWidget* owner);

    QPushButton* CancelBtn = nullptr;
    QLabel* sbSkrivarDevice = nullptr;
    QLabel* sbSkrivarJobb = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QProgressBar* ProgressBar2 = nullptr;
    QLabel* sbRapportSidor[2] = {};
    QLabel* sbAntal[3] = {};
    QLabel* StatusBar[5] = {};  // StatusBar1..StatusBar5

    std::function<void()> onCancel;

protected:
    void reject() override;  // Escape and Cancel
};

// The ReportDialog of the program: creates a TrapportDlg owned by the owner
// window at every Open and frees it at Close.
class QtReportDialog final : public ReportDialog {
public:
    ~QtReportDialog() override;

    void Open(WindowHandle owner, std::function<void()> onCancel) override;
    void SetDevice(std::string_view text) override;
    void SetJobTitle(std::string_view text) override;
    void SetPages(std::string_view text) override;
    void SetCounts(std::string_view done, std::string_view total) override;
    void SetProgress(int percent) override;
    void SetStatus(int line, std::string_view text) override;
    void ProcessEvents() override;
    void Close() override;

    // The dialog while open, for tests.
    TrapportDlg* dialog() const { return dialog_; }

private:
    TrapportDlg* dialog_ = nullptr;
    QWidget* owner_ = nullptr;
};

}  // namespace oltoma::platform
