#include "app/panel_status_bar.h"

#include <qdrawutil.h>
#include <QPainter>

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

void PanelStatusBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    int left = 0;
    for (int i = 0; i < panelCount(); ++i) {
        const bool last = i == panelCount() - 1;
        const int right = last ? width() : left + panels_[i].width;
        const QRect cell(left, 0, std::max(0, right - left - (last ? 0 : kPanelGap)), height());
        qDrawShadePanel(&painter, cell, palette(), !panels_[i].raised, 1);
        const QString text = i == 0 && !hintOverlay_.isEmpty() ? hintOverlay_ : panels_[i].text;
        const QRect textArea = cell.adjusted(kTextMargin, 1, -kTextMargin, -1);
        const QString shown =
            painter.fontMetrics().elidedText(text, Qt::ElideRight, textArea.width());
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(textArea, Qt::AlignCenter | Qt::TextSingleLine, shown);
        left = right;
    }
}

}  // namespace oltoma
