#include "platform/qt/print/qt_canvas.h"

#include <QFontMetricsF>
#include <QImage>

#include <cmath>

#include "platform/print/picture.h"
#include "platform/qt/print/qt_picture_reader.h"
#include "platform/qt/qt_font.h"
#include "platform/qt/qt_text.h"

namespace oltoma::platform {
namespace {

QColor ColourOf(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

// Line breaks are CR LF in the system's texts, LF for Qt.
QString Lines(std::string_view text) {
    QString lines = ToQString(text);
    lines.remove(QLatin1Char('\r'));
    return lines;
}

}  // namespace

void QtCanvas::Attach(QPainter* painter, int dpiX, int dpiY) {
    painter_ = painter;
    images_.clear();
    dpiX_ = dpiX > 0 ? dpiX : 96;
    dpiY_ = dpiY > 0 ? dpiY : 96;
}

QFont QtCanvas::DeviceFont() const {
    return QFontOf(font_, dpiY_);
}

QPointF QtCanvas::ToDevice(Point point) const {
    if (mode_ == MapMode::Text) {
        return QPointF(point.x, point.y);
    }
    return QPointF(point.x * dpiX_ / 254.0, -point.y * dpiY_ / 254.0);
}

QRectF QtCanvas::ToDevice(const Rect& rect) const {
    return QRectF(ToDevice(Point{rect.left, rect.top}), ToDevice(Point{rect.right, rect.bottom}))
        .normalized();
}

int QtCanvas::ToLogicalX(double deviceLength) const {
    const double length = mode_ == MapMode::Text ? deviceLength : deviceLength * 254.0 / dpiX_;
    return static_cast<int>(std::lround(length));
}

int QtCanvas::ToLogicalY(double deviceLength) const {
    const double length = mode_ == MapMode::Text ? deviceLength : deviceLength * 254.0 / dpiY_;
    return static_cast<int>(std::lround(length));
}

QPen QtCanvas::DevicePen() const {
    const double width = mode_ == MapMode::Text ? penWidth_ : penWidth_ * dpiX_ / 254.0;
    QPen pen(ColourOf(penColour_));
    pen.setWidthF(width);  // 0 = a cosmetic pen of one pixel
    return pen;
}

bool QtCanvas::GetTextMetrics(TextMetrics& metrics) {
    const QFontMetricsF measures(DeviceFont());
    metrics.ascent = ToLogicalY(measures.ascent());
    metrics.descent = ToLogicalY(measures.descent());
    metrics.height = metrics.ascent + metrics.descent;
    metrics.internalLeading = 0;
    metrics.externalLeading = ToLogicalY(measures.leading());
    metrics.averageCharWidth = ToLogicalX(measures.averageCharWidth());
    return metrics.height > 0;
}

Size QtCanvas::TextExtent(std::string_view text) {
    const QFontMetricsF measures(DeviceFont());
    return {ToLogicalX(measures.horizontalAdvance(ToQString(text))),
            ToLogicalY(measures.ascent() + measures.descent())};
}

void QtCanvas::SetPen(int width, std::uint32_t colour) {
    penWidth_ = width;
    penColour_ = colour;
}

void QtCanvas::LineTo(Point point) {
    if (Drawing()) {
        painter_->setPen(DevicePen());
        painter_->drawLine(ToDevice(pen_), ToDevice(point));
    }
    pen_ = point;
}

void QtCanvas::TextOut(Point point, std::string_view text) {
    const Point at = update_ ? pen_ : point;
    const QFont font = DeviceFont();
    const QFontMetricsF measures(font);
    const QString string = ToQString(text);
    if (Drawing()) {
        painter_->setFont(font);
        painter_->setPen(ColourOf(font_.colour));
        const QPointF topLeft = ToDevice(at);
        painter_->drawText(QPointF(topLeft.x(), topLeft.y() + measures.ascent()), string);
    }
    if (update_) {
        pen_.x = at.x + ToLogicalX(measures.horizontalAdvance(string));
    }
}

int QtCanvas::DrawText(std::string_view text, Rect& rect, unsigned flags) {
    const QFont font = DeviceFont();
    const QFontMetricsF measures(font);
    int qtFlags = Qt::AlignTop | ((flags & DrawTextFlag::kRight) ? Qt::AlignRight : Qt::AlignLeft);
    if (flags & DrawTextFlag::kWordBreak) {
        qtFlags |= Qt::TextWordWrap;
    }
    if (flags & DrawTextFlag::kNoClip) {
        qtFlags |= Qt::TextDontClip;
    }
    const QString lines = Lines(text);
    const QRectF target = ToDevice(rect);
    const QRectF bounds = measures.boundingRect(target, qtFlags, lines);
    const int height = ToLogicalY(bounds.height());
    if (flags & DrawTextFlag::kCalculateRect) {
        const int width = ToLogicalX(bounds.width());
        if (flags & DrawTextFlag::kRight) {
            rect.left = rect.right - width;
        } else {
            rect.right = rect.left + width;
        }
        rect.bottom = mode_ == MapMode::LowMetric ? rect.top - height : rect.top + height;
        return height;
    }
    if (Drawing()) {
        painter_->setFont(font);
        painter_->setPen(ColourOf(font_.colour));
        painter_->drawText(target, qtFlags, lines);
    }
    return height;
}

void QtCanvas::FrameRect(const Rect& rect) {
    if (Drawing()) {
        painter_->setPen(DevicePen());
        painter_->setBrush(Qt::NoBrush);
        painter_->drawRect(ToDevice(rect));
    }
}

const QImage& QtCanvas::CachedImage(const Picture& picture) {
    const auto [entry, made] = images_.try_emplace(picture.cacheKey());
    if (!made) {
        return entry->second;
    }
    if (picture.monochrome()) {
        QImage image(picture.width(), picture.height(), QImage::Format_Mono);
        image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                image.setPixel(x, y, qGray(picture.Pixel(x, y)) < 128 ? 0 : 1);
            }
        }
        entry->second = image;
    } else {
        entry->second = ImageOf(picture);
    }
    return entry->second;
}

void QtCanvas::StretchDraw(const Rect& rect, const Picture& picture) {
    if (!Drawing() || picture.empty()) {
        return;
    }
    painter_->setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter_->drawImage(ToDevice(rect), CachedImage(picture));
}

}  // namespace oltoma::platform
