// The Canvas on a QPainter that draws on a QPrinter. Logical units are
// converted to device pixels here (the low-metric mode: tenths of a
// millimetre, y up); fonts are set in device pixels from their point size.
// Without an active painter, drawing calls do nothing while font, pen and
// position still change.
//
// Pictures are drawn without smoothing. The canvas keeps one QImage per
// distinct picture (by its cache key) until it is attached anew, because a
// PDF stores an image once only when it is handed the same QImage again;
// monochrome pictures become 1-bit images.
#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>

#include <cstdint>
#include <unordered_map>

#include "platform/print/canvas.h"

namespace oltoma::platform {

class QtCanvas final : public Canvas {
public:
    // painter: the painter of the job, or null between jobs; dpi: the
    // device's resolution.
    void Attach(QPainter* painter, int dpiX, int dpiY);

    void SetMapMode(MapMode mode) override { mode_ = mode; }
    MapMode GetMapMode() const override { return mode_; }
    void SetFont(const FontDescription& font) override { font_ = font; }
    FontDescription Font() const override { return font_; }
    bool GetTextMetrics(TextMetrics& metrics) override;
    Size TextExtent(std::string_view text) override;
    void SetTextAlignUpdatePosition(bool updatePosition) override { update_ = updatePosition; }
    void SetPen(int width, std::uint32_t colour) override;
    int PenWidth() const override { return penWidth_; }
    void MoveTo(Point point) override { pen_ = point; }
    Point PenPosition() const override { return pen_; }
    void LineTo(Point point) override;
    void TextOut(Point point, std::string_view text) override;
    int DrawText(std::string_view text, Rect& rect, unsigned flags) override;
    void FrameRect(const Rect& rect) override;
    void StretchDraw(const Rect& rect, const Picture& picture) override;

private:
    bool Drawing() const { return painter_ != nullptr && painter_->isActive(); }
    QFont DeviceFont() const;
    QPointF ToDevice(Point point) const;
    QRectF ToDevice(const Rect& rect) const;
    int ToLogicalX(double deviceLength) const;
    int ToLogicalY(double deviceLength) const;
    QPen DevicePen() const;
    const QImage& CachedImage(const Picture& picture);

    QPainter* painter_ = nullptr;
    int dpiX_ = 96;
    int dpiY_ = 96;
    MapMode mode_ = MapMode::Text;
    FontDescription font_;
    bool update_ = false;
    int penWidth_ = 1;
    std::uint32_t penColour_ = 0;
    Point pen_;
    std::unordered_map<std::uint64_t, QImage> images_;
};

}  // namespace oltoma::platform
