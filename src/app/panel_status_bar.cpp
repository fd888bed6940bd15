#include "app/panel_status_bar.h"

#include <qdrawutil.h>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace oltoma {
namespace {

constexpr int kPanelGap = 2;
constexpr int kTextMargin = 3;

}  // namespace

PanelStatusBar::PanelStatusBar(const QString& name, std::vector<Panel> panels, QWidget* parent)
    : QWidget(parent), panels_(std::move(panels)) {
    setObjectName(name);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
}

QString PanelStatusBar::panelText(int panel) const {
    return Valid(panel) ? panels_[panel].text : QString();
}

void PanelStatusBar::setPanelText(int panel, const QString& text) {
    if (Valid(panel) && panels_[panel].text != text) {
        panels_[panel].text = text;
        update();
    }
}

int PanelStatusBar::panelWidth(int panel) const {
    return Valid(panel) ? panels_[panel].width : 0;
}

void PanelStatusBar::setPanelWidth(int panel, int width) {
    if (Valid(panel) && panels_[panel].width != width) {
        panels_[panel].width = width;
        update();
    }
}

void PanelStatusBar::setHintOverlay(const QString& text) {
    if (hintOverlay_ != text) {
        hintOverlay_ = text;
        update();
    }
}

QRect PanelStatusBar::Cell(int panel) const {
    int left = 0;
    for (int i = 0; i < panel; ++i) {
        left += panels_[i].width;
    }
    const bool last = panel == panelCount() - 1;
    const int right = last ? width() : left + panels_[panel].width;
    return QRect(left, 0, std::max(0, right - left - (last ? 0 : kPanelGap)), height());
}

QRect PanelStatusBar::TextArea(int panel) const {
    return Cell(panel).adjusted(kTextMargin, 1, -kTextMargin, -1);
}

QString PanelStatusBar::ShownText(int panel) const {
    return panel == 0 && !hintOverlay_.isEmpty() ? hintOverlay_ : panels_[panel].text;
}

QString PanelStatusBar::cutTextAt(QPoint position) const {
    for (int i = 0; i < panelCount(); ++i) {
        if (Cell(i).contains(position)) {
            const QString text = ShownText(i);
            const bool cut = fontMetrics().horizontalAdvance(text) > TextArea(i).width();
            return cut ? text : QString();
        }
    }
    return {};
}

bool PanelStatusBar::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString whole = cutTextAt(help->pos());
        if (!whole.isEmpty()) {
            QToolTip::showText(help->globalPos(), whole, this);
            return true;
        }
    }
    return QWidget::event(event);
}

void PanelStatusBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (int i = 0; i < panelCount(); ++i) {
        const QRect cell = Cell(i);
        qDrawShadePanel(&painter, cell, palette(), !panels_[i].raised, 1);
        const QRect textArea = TextArea(i);
        const QString shown =
            painter.fontMetrics().elidedText(ShownText(i), Qt::ElideRight, textArea.width());
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(textArea, Qt::AlignCenter | Qt::TextSingleLine, shown);
    }
}

}  // namespace oltoma
