#include "ol/forms/count_form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include "base/settings/window_scale.h"
#include "platform/qt/dialog_frame.h"
#include "platform/qt/form_scaling.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/window_handles.h"

namespace oltoma {
namespace {

constexpr int kClientWidth = 509;
constexpr int kClientHeight = 300;
constexpr int kLinePitch = 32;
constexpr int kPlacementOffset = 32;
constexpr QRect kCancelButton(64, 8, 89, 25);
constexpr int kStatusLineX = 8;
constexpr int kFirstStatusLineY = 48;
constexpr int kStatusLineWidth = 497;
constexpr int kStatusLineHeight = 23;

QFont PixelFont(const char* family, int pixels) {
    QFont font(family);
    font.setPixelSize(pixels);
    return font;
}

// The window owned by the progress stack; the owner's window frees its child
// windows when it goes, so the form is only freed here while it is alive.
class OwnedCountForm final : public ProgressWindow {
public:
    explicit OwnedCountForm(TCountForm* form) : form_(form) {}
    ~OwnedCountForm() override { delete form_.data(); }
    OwnedCountForm(const OwnedCountForm&) = delete;
    OwnedCountForm& operator=(const OwnedCountForm&) = delete;

    void SetStatusLine(int line, std::string_view text) override {
        if (form_ != nullptr) {
            form_->SetStatusLine(line, text);
        }
    }
    void ProcessPendingEvents() override {
        if (form_ != nullptr) {
            form_->ProcessPendingEvents();
        }
    }

private:
    QPointer<TCountForm> form_;
};

QWidget* OwnerWindow(const ProgressWindowOptions& options) {
    QWidget* owner = platform::WidgetOf(options.owner);
    return owner != nullptr ? owner->window() : nullptr;
}

}  // namespace

TCountForm::TCountForm(const ProgressWindowOptions& options)
    : QDialog(OwnerWindow(options), platform::DialogWindowFlags(platform::TitleBarButtons::None) |
                                        Qt::WindowStaysOnTopHint),
      options_(options) {
    setObjectName("CountForm");
    setWindowTitle("counterform");
    setFont(PixelFont("MS Sans Serif", 16));
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(240, 240, 255));
    setPalette(background);
    setAutoFillBackground(true);

    auto* image = new QLabel(this);
    image->setObjectName("Image1");
    image->setGeometry(0, 0, kClientWidth, kClientHeight);
    image->setScaledContents(true);

    cancelbtn_ = new QPushButton("avbryt", this);
    cancelbtn_->setObjectName("cancelbtn");
    cancelbtn_->setGeometry(kCancelButton);
    cancelbtn_->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    cancelbtn_->setVisible(options.withCancel);
    connect(cancelbtn_, &QPushButton::clicked, this, [this] {
        if (options_.cancel) {
            options_.cancel();
        }
    });

    for (int i = 0; i < kProgressStatusLines; ++i) {
        auto* line = new QLabel(this);
        line->setObjectName(QString("countW%1").arg(i + 1));
        line->setGeometry(kStatusLineX, kFirstStatusLineY + kLinePitch * i, kStatusLineWidth,
                          kStatusLineHeight);
        line->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        line->setFont(PixelFont("Segoe UI", 12));
        countW_[i] = line;
    }

    const int height = kClientHeight - (kProgressStatusLines - options.visibleLines) * kLinePitch;
    QWidget* ownerWindow = OwnerWindow(options);
    PlaceOver(ownerWindow, height);
    if (options.level == 1 && ownerWindow != nullptr && ownerWindow->isEnabled()) {
        ownerWindow->setEnabled(false);
        disabledOwner_ = ownerWindow;
    }
    // A disabled window disables its child windows too; this one must take
    // "avbryt" and Escape.
    setEnabled(true);
    setWindowTitle(platform::ToQString(options.caption));
    platform::ScaleForm(this, WindowScale);
    show();
    BringToFront();
    if (options.withCancel) {
        cancelbtn_->setEnabled(true);
        cancelbtn_->setFocus();
    }
}

TCountForm::~TCountForm() {
    if (disabledOwner_ != nullptr) {
        disabledOwner_->setEnabled(true);
    }
}

void TCountForm::PlaceOver(QWidget* ownerWindow, int height) {
    setFixedSize(kClientWidth, height);
    QRect area = ownerWindow != nullptr ? ownerWindow->frameGeometry()
                                        : QApplication::primaryScreen()->availableGeometry();
    QRect placed(QPoint(0, 0), size());
    placed.moveCenter(area.center());
    move(placed.topLeft() + QPoint(kPlacementOffset, kPlacementOffset));
}

void TCountForm::SetStatusLine(int line, std::string_view text) {
    if (line >= 1 && line <= kProgressStatusLines) {
        countW_[line - 1]->setText(platform::ToQString(text));
        BringToFront();
        // Painted now: the command goes on working as soon as this returns.
        repaint();
    }
}

void TCountForm::BringToFront() {
    raise();
    activateWindow();
}

void TCountForm::ProcessPendingEvents() {
    QCoreApplication::processEvents();
}

void TCountForm::reject() {
    if (cancelbtn_->isVisible()) {
        cancelbtn_->click();
    }
}

void TCountForm::closeEvent(QCloseEvent* event) {
    event->ignore();
    reject();
}

std::unique_ptr<ProgressWindow> QtProgressWindows::Create(const ProgressWindowOptions& options) {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        return nullptr;
    }
    return std::make_unique<OwnedCountForm>(new TCountForm(options));
}

void BindQtProgressWindows() {
    static QtProgressWindows windows;
    BindProgressWindows(&windows);
}

}  // namespace oltoma
