#include "platform/qt/print/trapport_dialog.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/settings/window_scale.h"
#include "platform/qt/dialog_frame.h"
#include "platform/qt/form_scaling.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/swedish_buttons.h"

namespace oltoma::platform {
namespace {

// A single-line bar of sunken panels, the look of a status bar.
QLabel* Panel(QHBoxLayout* bar, const QString& text, Qt::Alignment alignment, int stretch) {
    auto* label = new QLabel(text);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(alignment | Qt::AlignVCenter);
    bar->addWidget(label, stretch);
    return label;
}

QLabel* StatusLine(QVBoxLayout* column, const char* name) {
    auto* bar = new QHBoxLayout;
    QLabel* label = Panel(bar, QString(), Qt::AlignLeft, 1);
    label->setObjectName(QLatin1String(name));
    column->addLayout(bar);
    return label;
}

}  // namespace

TrapportDlg::TrapportDlg(QWidget* owner)
    : QDialog(owner, DialogWindowFlags(TitleBarButtons::None)) {
    setObjectName(QStringLiteral("TrapportDlg"));
    setWindowTitle(QStringLiteral("rapport"));
    setFixedSize(426, 241);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(240, 251, 255));  // 16776176 as 0x00BBGGRR
    setPalette(colours);
    setAutoFillBackground(true);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(2);
    CancelBtn = new QPushButton(SwedishButtonText(QDialogButtonBox::Cancel));
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    column->addWidget(CancelBtn);
    connect(CancelBtn, &QPushButton::clicked, this, &TrapportDlg::reject);
    sbSkrivarDevice = StatusLine(column, "sbSkrivarDevice");
    sbSkrivarJobb = StatusLine(column, "sbSkrivarJobb");
    ProgressBar1 = new QProgressBar;
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    column->addWidget(ProgressBar1);
    ProgressBar2 = new QProgressBar;
    ProgressBar2->setObjectName(QStringLiteral("ProgressBar2"));
    ProgressBar2->setRange(0, 100);
    column->addWidget(ProgressBar2);

    auto* pages = new QHBoxLayout;
    sbRapportSidor[0] = Panel(pages, QStringLiteral("  sida:"), Qt::AlignLeft, 1);
    sbRapportSidor[1] = Panel(pages, QString(), Qt::AlignLeft, 3);
    column->addLayout(pages);
    auto* counts = new QHBoxLayout;
    sbAntal[0] = Panel(counts, QStringLiteral("  antal:"), Qt::AlignLeft, 1);
    sbAntal[1] = Panel(counts, QString(), Qt::AlignRight, 1);
    sbAntal[2] = Panel(counts, QString(), Qt::AlignRight, 1);
    column->addLayout(counts);
    static const char* const kStatusNames[] = {"StatusBar1", "StatusBar2", "StatusBar3",
                                               "StatusBar4", "StatusBar5"};
    for (int i = 0; i < 5; ++i) {
        StatusBar[i] = StatusLine(column, kStatusNames[i]);
    }
    ScaleForm(this, WindowScale);
}

void TrapportDlg::reject() {
    // The dialog stays until the report ends; Cancel only aborts the job.
    if (onCancel) {
        onCancel();
    }
}

QtReportDialog::~QtReportDialog() {
    Close();
}

void QtReportDialog::Open(WindowHandle owner, std::function<void()> onCancel) {
    Close();
    owner_ = owner != 0 ? QWidget::find(static_cast<WId>(owner)) : nullptr;
    if (owner_ != nullptr) {
        owner_->setEnabled(false);
    }
    dialog_ = new TrapportDlg(owner_);
    dialog_->onCancel = std::move(onCancel);
    // The owner is disabled, so the dialog is modeless to stay usable.
    dialog_->setModal(false);
    dialog_->setEnabled(true);
    if (owner_ != nullptr) {
        const QRect frame = owner_->frameGeometry();
        dialog_->move(frame.center() - QPoint(dialog_->width() / 2, dialog_->height() / 2));
    }
    dialog_->show();
}

void QtReportDialog::SetDevice(std::string_view text) {
    if (dialog_ != nullptr) {
        dialog_->sbSkrivarDevice->setText(ToQString(text));
    }
}

void QtReportDialog::SetJobTitle(std::string_view text) {
    if (dialog_ != nullptr) {
        dialog_->sbSkrivarJobb->setText(ToQString(text));
    }
}

void QtReportDialog::SetPages(std::string_view text) {
    if (dialog_ != nullptr) {
        dialog_->sbRapportSidor[1]->setText(ToQString(text));
    }
}

void QtReportDialog::SetCounts(std::string_view done, std::string_view total) {
    if (dialog_ != nullptr) {
        dialog_->sbAntal[1]->setText(ToQString(done));
        dialog_->sbAntal[2]->setText(ToQString(total));
    }
}

void QtReportDialog::SetProgress(int percent) {
    if (dialog_ != nullptr) {
        dialog_->ProgressBar1->setValue(std::clamp(percent, 0, 100));
    }
}

void QtReportDialog::SetStatus(int line, std::string_view text) {
    if (dialog_ != nullptr && line >= 1 && line <= 5 && line != 4) {
        dialog_->StatusBar[line - 1]->setText(ToQString(text));
    }
}

void QtReportDialog::ProcessEvents() {
    QApplication::processEvents();
}

void QtReportDialog::Close() {
    if (dialog_ != nullptr) {
        dialog_->onCancel = nullptr;
        dialog_->hide();
        delete dialog_;
        dialog_ = nullptr;
    }
    if (owner_ != nullptr) {
        owner_->setEnabled(true);
        owner_->raise();
        owner_->activateWindow();
        owner_ = nullptr;
    }
}

}  // namespace oltoma::platform
