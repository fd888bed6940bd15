#include "base/forms/form_parts.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QStatusBar>
#include <QWidget>

#include "platform/qt/dialog_frame.h"

namespace oltoma::forms {
namespace {

// A status bar whose message, when wider than the bar, ends in "…" instead
// of being cut off mid-word; the whole hint is the tool tip of its part.
class HintBar final : public QStatusBar {
public:
    using QStatusBar::QStatusBar;

protected:
    void paintEvent(QPaintEvent* event) override {
        const QString message = currentMessage();
        if (message.isEmpty()) {
            QStatusBar::paintEvent(event);
            return;
        }
        // Where QStatusBar draws a message on a bar without widgets.
        const QRect area(6, 0, width() - 12, height());
        QPainter painter(this);
        painter.setPen(palette().windowText().color());
        painter.drawText(area, Qt::AlignLeading | Qt::AlignVCenter | Qt::TextSingleLine,
                         fontMetrics().elidedText(message, Qt::ElideRight, area.width()));
    }
};

}  // namespace

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
    auto* bar = new HintBar(form);
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
