// A link label: underlined navy text that reports the mouse entering and
// leaving it and clicks on it, so that its window can highlight it and open
// its address.
#pragma once

#include <QLabel>

namespace oltoma {

class LinkLabel : public QLabel {
    Q_OBJECT

public:
    LinkLabel(const QString& name, const QString& caption, const QString& hint, QWidget* parent);

    // The label's font colour.
    QColor color() const;
    void setColor(const QColor& color);

signals:
    void mouseEntered();
    void mouseLeft();
    void clicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace oltoma
