#include <QApplication>
#include <QMessageBox>
#include <QPointer>

#include <vector>

#include "platform/qt/dialog_frame.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/swedish_buttons.h"
#include "platform/qt/window_handles.h"

namespace oltoma::platform {
namespace {

// Takes the stay-on-top flag from the application's other visible top-level
// windows for its lifetime, so that the box shows above them.
class LoweredTopMostWindows {
public:
    explicit LoweredTopMostWindows(const QWidget* box) {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window != box && window->isVisible() &&
                window->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
                lowered_.emplace_back(window);
                window->setWindowFlag(Qt::WindowStaysOnTopHint, false);
                window->show();
            }
        }
    }
    ~LoweredTopMostWindows() {
        for (const QPointer<QWidget>& window : lowered_) {
            if (window) {
                window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
                window->show();
            }
        }
    }
    LoweredTopMostWindows(const LoweredTopMostWindows&) = delete;
    LoweredTopMostWindows& operator=(const LoweredTopMostWindows&) = delete;

private:
    std::vector<QPointer<QWidget>> lowered_;
};

QMessageBox::StandardButtons ButtonsOf(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::YesNo:
        case MessageButtons::YesNoDefaultNo:
            return QMessageBox::Yes | QMessageBox::No;
        case MessageButtons::AbortRetryIgnore:
            return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
        case MessageButtons::Ok:
            break;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton DefaultButtonOf(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::YesNo:
            return QMessageBox::Yes;
        case MessageButtons::YesNoDefaultNo:
            return QMessageBox::No;
        case MessageButtons::AbortRetryIgnore:
            return QMessageBox::Abort;
        case MessageButtons::Ok:
            break;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton EscapeButtonOf(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::YesNo:
        case MessageButtons::YesNoDefaultNo:
            return QMessageBox::No;
        case MessageButtons::AbortRetryIgnore:
            return QMessageBox::Abort;
        case MessageButtons::Ok:
            break;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon IconOf(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::Error:
            return QMessageBox::Critical;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

MessageResult ResultOf(int button) {
    switch (button) {
        case QMessageBox::Ok:
            return MessageResult::Ok;
        case QMessageBox::Yes:
            return MessageResult::Yes;
        case QMessageBox::No:
            return MessageResult::No;
        case QMessageBox::Abort:
            return MessageResult::Abort;
        case QMessageBox::Retry:
            return MessageResult::Retry;
        case QMessageBox::Ignore:
            return MessageResult::Ignore;
        default:
            return MessageResult::None;
    }
}

}  // namespace

MessageResult QtMessageBoxes::Show(WindowHandle owner, std::string_view caption,
                                   std::string_view text, MessageButtons buttons,
                                   MessageIcon icon) {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        return MessageResult::None;
    }
    QMessageBox box(WidgetOf(owner));
    box.setWindowTitle(ToQString(caption));
    box.setTextFormat(Qt::PlainText);
    box.setText(ToQString(text));
    box.setIcon(IconOf(icon));
    box.setStandardButtons(ButtonsOf(buttons));
    UseSwedishButtons(box);
    box.setDefaultButton(DefaultButtonOf(buttons));
    box.setEscapeButton(EscapeButtonOf(buttons));
    box.setWindowModality(Qt::ApplicationModal);
    SetDialogWindowFlags(&box, TitleBarButtons::Close);
    box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    LoweredTopMostWindows lowered(&box);
    return ResultOf(box.exec());
}

}  // namespace oltoma::platform
