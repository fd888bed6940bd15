#include <QGuiApplication>

#include "platform/qt/qt_services.h"

namespace oltoma::platform {

void QtCursors::Register(int number, const QCursor& cursor) {
    registered_[number] = cursor;
}

int QtCursors::Current() {
    return QGuiApplication::overrideCursor() != nullptr ? current_ : CursorShape::kDefault;
}

void QtCursors::Set(int cursor) {
    if (cursor == CursorShape::kDefault) {
        while (QGuiApplication::overrideCursor() != nullptr) {
            QGuiApplication::restoreOverrideCursor();
        }
        current_ = CursorShape::kDefault;
        return;
    }
    if (QGuiApplication::overrideCursor() != nullptr) {
        QGuiApplication::changeOverrideCursor(CursorFor(cursor));
    } else {
        QGuiApplication::setOverrideCursor(CursorFor(cursor));
    }
    current_ = cursor;
}

QCursor QtCursors::CursorFor(int number) const {
    const auto found = registered_.find(number);
    if (found != registered_.end()) {
        return found->second;
    }
    switch (number) {
        case CursorShape::kWait:
            return QCursor(Qt::WaitCursor);
        case CursorShape::kBusy:
            return QCursor(Qt::BusyCursor);
        case CursorShape::kHand:
            return QCursor(Qt::PointingHandCursor);
        case CursorShape::kIBeam:
            return QCursor(Qt::IBeamCursor);
        case CursorShape::kCross:
            return QCursor(Qt::CrossCursor);
        default:
            return QCursor(Qt::ArrowCursor);
    }
}

}  // namespace oltoma::platform
