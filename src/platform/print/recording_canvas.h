// A canvas that draws nothing and logs every drawing call, with fixed, known
// font metrics, so tests can check the geometry of printed output exactly.
//
// Metrics of a font of P points (P = FontPoints(font), canvas.h), with L logical units per inch
// (the device resolution in the text mode, 254 in the low-metric mode):
//   height            h = round(P * L / 72)
//   descent           h div 5
//   ascent            h - descent
//   internal leading  0
//   external leading  h div 10
//   average width     max(1, h div 2); every character is this wide
// so a text of n characters is n * average width wide and h high.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/print/canvas.h"

namespace oltoma::platform {

struct CanvasCall {
    enum class Kind {
        BeginDoc,
        NewPage,
        EndDoc,
        Abort,
        MoveTo,
        LineTo,
        TextOut,
        DrawText,
        FrameRect,
        StretchDraw,
    };
    Kind kind = Kind::MoveTo;
    int page = 0;  // page of the job (1 = first), 0 outside a job
    Point from;    // LineTo: start; TextOut: top-left of the text
    Point to;      // LineTo: end; TextOut: pen position after it
    Rect rect;     // DrawText, FrameRect, StretchDraw
    std::string text;
    unsigned flags = 0;  // DrawText flags
    FontDescription font;
    int fontSize = 0;  // points
    int penWidth = 0;
    Size pictureSize;                   // StretchDraw: the picture's own size
    std::uint32_t pictureChecksum = 0;  // StretchDraw: PictureChecksum of the picture

    // One line of text describing the call, for failure messages.
    std::string Describe() const;
};

class RecordingCanvas final : public Canvas {
public:
    RecordingCanvas(int dpi, std::shared_ptr<std::vector<CanvasCall>> log);

    // While inactive (no device context) drawing calls are neither done nor
    // logged; font and pen changes still take effect.
    void SetActive(bool active) { active_ = active; }
    void SetPage(int page) { page_ = page; }

    void SetMapMode(MapMode mode) override { mode_ = mode; }
    MapMode GetMapMode() const override { return mode_; }
    void SetFont(const FontDescription& font) override { font_ = font; }
    FontDescription Font() const override { return font_; }
    bool GetTextMetrics(TextMetrics& metrics) override;
    Size TextExtent(std::string_view text) override;
    void SetTextAlignUpdatePosition(bool updatePosition) override { update_ = updatePosition; }
    void SetPen(int width, std::uint32_t colour) override { penWidth_ = width; }
    int PenWidth() const override { return penWidth_; }
    void MoveTo(Point point) override;
    Point PenPosition() const override { return pen_; }
    void LineTo(Point point) override;
    void TextOut(Point point, std::string_view text) override;
    int DrawText(std::string_view text, Rect& rect, unsigned flags) override;
    void FrameRect(const Rect& rect) override;
    void StretchDraw(const Rect& rect, const Picture& picture) override;

    // The metrics formula above, for tests that compute expectations.
    static TextMetrics MetricsFor(int points, int unitsPerInch);
    // A checksum of a picture's size and pixels (FNV-1a), so tests can tell
    // which picture was drawn.
    static std::uint32_t PictureChecksum(const Picture& picture);

private:
    CanvasCall Call(CanvasCall::Kind kind) const;
    void Log(const CanvasCall& call);
    int UnitsPerInch() const { return mode_ == MapMode::LowMetric ? 254 : dpi_; }
    int FontPoints() const;
    std::vector<std::string> WrapLines(std::string_view text, int width, bool wordBreak);

    int dpi_;
    std::shared_ptr<std::vector<CanvasCall>> log_;
    bool active_ = false;
    int page_ = 0;
    MapMode mode_ = MapMode::Text;
    FontDescription font_;
    bool update_ = false;
    int penWidth_ = 1;
    Point pen_;
};

}  // namespace oltoma::platform
