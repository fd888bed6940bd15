#include "platform/qt/form_scaling.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWidget>

#include <algorithm>

#include <vector>

#include "base/settings/window_scale.h"

namespace oltoma::platform {
namespace {

// Lengths at QWIDGETSIZE_MAX mean "no limit" and stay so.
int ScaledLimit(int length, int percent) {
    return length >= QWIDGETSIZE_MAX ? length : ScaledLength(length, percent);
}

struct WidgetState {
    QWidget* widget;
    QFont font;
    QRect geometry;
    QSize minimum;
    QSize maximum;
};

// Every widget of the form, the form first, with what it shows now; read
// before anything changes, so that inherited fonts are scaled only once.
void Collect(QWidget* widget, std::vector<WidgetState>& states) {
    states.push_back(
        {widget, widget->font(), widget->geometry(), widget->minimumSize(), widget->maximumSize()});
    for (QObject* child : widget->children()) {
        auto* childWidget = qobject_cast<QWidget*>(child);
        if (childWidget != nullptr && !childWidget->isWindow()) {
            Collect(childWidget, states);
        }
    }
}

void ScaleLayout(QLayout* layout, int percent) {
    if (layout == nullptr) {
        return;
    }
    const QMargins m = layout->contentsMargins();
    layout->setContentsMargins(ScaledLength(m.left(), percent), ScaledLength(m.top(), percent),
                               ScaledLength(m.right(), percent), ScaledLength(m.bottom(), percent));
    if (layout->spacing() > 0) {
        layout->setSpacing(ScaledLength(layout->spacing(), percent));
    }
    for (int i = 0; i < layout->count(); ++i) {
        ScaleLayout(layout->itemAt(i)->layout(), percent);
    }
}

}  // namespace

QRect ScaledRect(const QRect& rect, int percent) {
    return QRect(ScaledLength(rect.x(), percent), ScaledLength(rect.y(), percent),
                 ScaledLength(rect.width(), percent), ScaledLength(rect.height(), percent));
}

QSize ScaledSize(const QSize& size, int percent) {
    return QSize(ScaledLimit(size.width(), percent), ScaledLimit(size.height(), percent));
}

QFont ScaledFont(const QFont& font, int percent) {
    QFont scaled = font;
    if (font.pixelSize() > 0) {
        scaled.setPixelSize(std::max(1, ScaledLength(font.pixelSize(), percent)));
    } else if (font.pointSizeF() > 0) {
        scaled.setPointSizeF(font.pointSizeF() * percent / 100.0);
    }
    return scaled;
}

int FittingPercent(const QWidget* form, int percent) {
    if (form == nullptr || percent <= 100) {
        return percent;
    }
    const QWidget* owner = form->parentWidget() != nullptr ? form->parentWidget()->window() : form;
    const QScreen* screen = owner->screen();
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    // A form laid out by its layout takes the size the layout asks for.
    const QSize designed = form->layout() != nullptr ? form->sizeHint() : form->size();
    if (screen == nullptr || designed.width() <= 0 || designed.height() <= 0) {
        return percent;
    }
    const QSize room = screen->availableGeometry().size() - kWindowFrameAllowance;
    const int byWidth = room.width() * 100 / designed.width();
    const int byHeight = room.height() * 100 / designed.height();
    return std::max(100, std::min({percent, byWidth, byHeight}));
}

void ScaleForm(QWidget* form, int percent) {
    percent = FittingPercent(form, percent);
    if (form == nullptr || percent == 100 || percent < 1) {
        return;
    }
    std::vector<WidgetState> states;
    Collect(form, states);
    for (const WidgetState& state : states) {
        QWidget* widget = state.widget;
        widget->setFont(ScaledFont(state.font, percent));
        widget->setMinimumSize(ScaledSize(state.minimum, percent));
        widget->setMaximumSize(ScaledSize(state.maximum, percent));
        if (widget == form) {
            widget->resize(ScaledSize(state.geometry.size(), percent));
        } else {
            widget->setGeometry(ScaledRect(state.geometry, percent));
        }
        ScaleLayout(widget->layout(), percent);
    }
}

}  // namespace oltoma::platform
