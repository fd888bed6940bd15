#include "app/giro_menu_entry.h"

#include <QKeyEvent>
#include <QMenu>
#include <QPainter>

namespace oltoma {
namespace {

constexpr QSize kDesignEntrySize(150, 38);

// Draws the entry: the picture stretched, and the frame.
class GiroEntryWidget : public QWidget {
public:
    GiroEntryWidget(QWidgetAction* action, QSize size, QWidget* parent)
        : QWidget(parent), action_(action) {
        setFixedSize(size);
        setMouseTracking(true);
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        const auto* entry = static_cast<GiroMenuEntry*>(action_);
        if (entry->picture().isNull()) {
            return;
        }
        if (drawn_.size() != size()) {
            drawn_ = entry->picture().toImage().scaled(size(), Qt::IgnoreAspectRatio,
                                                       Qt::SmoothTransformation);
        }
        QPainter painter(this);
        painter.drawImage(0, 0, drawn_);
        FrameMenuItem(painter, Selected());
    }
    void enterEvent(QEnterEvent*) override {
        hovered_ = true;
        update();
    }
    void leaveEvent(QEvent*) override {
        hovered_ = false;
        update();
    }
    void focusInEvent(QFocusEvent*) override { update(); }
    void focusOutEvent(QFocusEvent*) override { update(); }
    void mouseReleaseEvent(QMouseEvent*) override { Choose(); }
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
            event->key() == Qt::Key_Space) {
            Choose();
        } else {
            QWidget::keyPressEvent(event);
        }
    }

private:
    bool Selected() const { return hovered_ || hasFocus(); }

    // The one-pixel frame: black when selected, otherwise the colour of the
    // drawn pixel at (1, 1).
    void FrameMenuItem(QPainter& painter, bool selected) {
        const QColor colour = selected ? QColor(Qt::black) : drawn_.pixelColor(1, 1);
        painter.setPen(colour);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }

    void Choose() {
        // Close the menus first, as choosing an ordinary entry does.
        for (QWidget* w = parentWidget(); w != nullptr; w = w->parentWidget()) {
            if (auto* menu = qobject_cast<QMenu*>(w)) {
                menu->close();
            }
        }
        action_->trigger();
    }

    QWidgetAction* action_;
    QImage drawn_;  // the picture stretched over the entry
    bool hovered_ = false;
};

}  // namespace

GiroMenuEntry::GiroMenuEntry(const QString& name, const QString& caption, const QString& hint,
                             const QPixmap& picture, QObject* parent)
    : QWidgetAction(parent), picture_(picture), entrySize_(kDesignEntrySize) {
    setObjectName(name);
    setText(caption);
    const qsizetype bar = hint.indexOf('|');
    setToolTip(bar < 0 ? hint : hint.left(bar));
    setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
}

QSize GiroMenuEntry::DesignSize() {
    return kDesignEntrySize;
}

void GiroMenuEntry::setEntrySize(QSize size) {
    entrySize_ = size;
    for (QWidget* widget : createdWidgets()) {
        widget->setFixedSize(size);
    }
}

QWidget* GiroMenuEntry::createWidget(QWidget* parent) {
    return new GiroEntryWidget(this, entrySize_, parent);
}

}  // namespace oltoma
