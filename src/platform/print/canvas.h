// The drawing surface of a print job. A canvas draws in logical units: device
// pixels of the printable area (origin top-left, y down) in the text mode, or
// tenths of a millimetre with the y axis pointing up in the low-metric mode
// (origin still the top-left of the printable area, so the page lies at
// negative y). Texts are Windows-1252.
//
// Fonts keep their point size in both modes: a 10-point font prints 10
// points high whatever the mapping.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/font_description.h"
#include "platform/print/geometry.h"

namespace oltoma::platform {

class Picture;

enum class MapMode { Text, LowMetric };

// The measures of the current font, in logical units. height = ascent +
// descent; a line of text takes height + externalLeading.
struct TextMetrics {
    int height = 0;
    int ascent = 0;
    int descent = 0;
    int internalLeading = 0;
    int externalLeading = 0;
    int averageCharWidth = 0;
};

// Flags of DrawText.
namespace DrawTextFlag {
inline constexpr unsigned kLeft = 0x0;
inline constexpr unsigned kRight = 0x2;
inline constexpr unsigned kWordBreak = 0x10;
inline constexpr unsigned kCalculateRect = 0x400;
inline constexpr unsigned kNoClip = 0x100;
inline constexpr unsigned kExternalLeading = 0x200;
}  // namespace DrawTextFlag

// The point size a canvas prints a font at: |Size()| (a positive height,
// the cell height, gives a negative size), and 12 for a font of height 0,
// which leaves the size to the system.
inline int FontPoints(const FontDescription& font) {
    const int points = font.Size() < 0 ? -font.Size() : font.Size();
    return points != 0 ? points : 12;
}

class Canvas {
public:
    virtual ~Canvas() = default;

    virtual void SetMapMode(MapMode mode) = 0;
    virtual MapMode GetMapMode() const = 0;

    // The current font; SetFont takes a copy.
    virtual void SetFont(const FontDescription& font) = 0;
    virtual FontDescription Font() const = 0;
    // False when the metrics of the current font cannot be read.
    virtual bool GetTextMetrics(TextMetrics& metrics) = 0;
    // Width and height of a one-line text in the current font.
    virtual Size TextExtent(std::string_view text) = 0;

    // Text alignment: the text's top-left is at the point given, or (with
    // updatePosition) at the pen position, which then advances by the
    // text's width.
    virtual void SetTextAlignUpdatePosition(bool updatePosition) = 0;

    // Pen: width in logical units (0 = thinnest), colour 0x00BBGGRR.
    virtual void SetPen(int width, std::uint32_t colour) = 0;
    virtual int PenWidth() const = 0;
    virtual void MoveTo(Point point) = 0;
    virtual Point PenPosition() const = 0;
    // A line from the pen position to point; the pen ends there.
    virtual void LineTo(Point point) = 0;

    // Draws a text with the current alignment (see above); (x, y) is
    // ignored when the alignment updates the position.
    virtual void TextOut(Point point, std::string_view text) = 0;

    // Draws a text into a rectangle with DrawTextFlag flags: lines break at
    // CR LF and, with kWordBreak, between words that would pass the right
    // edge. With kCalculateRect nothing is drawn and rect's right and bottom
    // are set to the extent of the text block (bottom below top on the page,
    // so in the low-metric mode bottom < top). Returns the text block's
    // height in logical units.
    virtual int DrawText(std::string_view text, Rect& rect, unsigned flags) = 0;

    // A frame drawn with the current pen.
    virtual void FrameRect(const Rect& rect) = 0;
    // The picture stretched to fill rect.
    virtual void StretchDraw(const Rect& rect, const Picture& picture) = 0;
};

}  // namespace oltoma::platform
