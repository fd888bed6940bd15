#include "base/forms/form_parts.h"

#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <QStatusBar>
#include <QWidget>

#include "platform/qt/dialog_frame.h"

namespace oltoma::forms {

void FixDialogFrame(QWidget* form, QSize client) {
    platform::SetDialogWindowFlags(form, platform::TitleBarButtons::None);
    form->setFixedSize(client);
}

QLabel* AddBackgroundImage(QWidget* form, QSize client) {
    auto* image = new QLabel(form);
    image->setObjectName("Image1");
    image->setGeometry(0, 0, client.width(), client.height());
    image->setScaledContents(true);
    image->lower();
    return image;
}

QStatusBar* AddHintBar(QWidget* form, QSize client) {
    auto* bar = new QStatusBar(form);
    bar->setObjectName("StatusBar1");
    bar->setSizeGripEnabled(false);
    bar->setGeometry(0, client.height() - kHintBarHeight, client.width(), kHintBarHeight);
    return bar;
}

void UseInfoBackground(QWidget* widget) {
    const QPalette application = QApplication::palette();
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, application.color(QPalette::ToolTipBase));
    palette.setColor(QPalette::Text, application.color(QPalette::ToolTipText));
    widget->setPalette(palette);
}

void SetHint(QWidget* widget, const QString& hint) {
    widget->setStatusTip(hint);
    widget->setToolTip(hint);
}

}  // namespace oltoma::forms
