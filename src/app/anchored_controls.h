// Controls placed at fixed client coordinates that keep their distance to
// the edges they are anchored to when the client area changes size: a
// control anchored left and right stretches, one anchored only right moves
// with the right edge, one anchored only bottom moves with the bottom edge.
#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>

#include <vector>

#include "app/base_window_layout.h"

namespace oltoma {

class AnchoredControls : public QObject {
    Q_OBJECT

public:
    // Follows the size of `client`.
    explicit AnchoredControls(QWidget* client);

    // Forgets all placements; `designSize` is the client size they are
    // given for.
    void Reset(QSize designSize);

    // Places the control at the placement; a width or height of 0 keeps the
    // control's own size hint in that direction.
    void Place(QWidget* control, const Placement& placement);

    // Moves every placed control for the client's present size.
    void Reposition();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry {
        QPointer<QWidget> control;
        QRect design;
        unsigned anchors;
    };

    void PlaceOne(const Entry& entry, QSize client) const;

    QWidget* client_;
    QSize designSize_;
    std::vector<Entry> entries_;
};

}  // namespace oltoma
