#include "platform/print/recording_canvas.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "platform/print/picture.h"

namespace oltoma::platform {
namespace {

const char* KindName(CanvasCall::Kind kind) {
    switch (kind) {
        case CanvasCall::Kind::BeginDoc:
            return "BeginDoc";
        case CanvasCall::Kind::NewPage:
            return "NewPage";
        case CanvasCall::Kind::EndDoc:
            return "EndDoc";
        case CanvasCall::Kind::Abort:
            return "Abort";
        case CanvasCall::Kind::MoveTo:
            return "MoveTo";
        case CanvasCall::Kind::LineTo:
            return "LineTo";
        case CanvasCall::Kind::TextOut:
            return "TextOut";
        case CanvasCall::Kind::DrawText:
            return "DrawText";
        case CanvasCall::Kind::FrameRect:
            return "FrameRect";
        case CanvasCall::Kind::StretchDraw:
            return "StretchDraw";
    }
    return "?";
}

}  // namespace

std::string CanvasCall::Describe() const {
    std::ostringstream out;
    out << "p" << page << " " << KindName(kind) << " from(" << from.x << "," << from.y << ") to("
        << to.x << "," << to.y << ") rect(" << rect.left << "," << rect.top << "," << rect.right
        << "," << rect.bottom << ") pt" << fontSize << " pen" << penWidth << " \"" << text << "\"";
    return out.str();
}

RecordingCanvas::RecordingCanvas(int dpi, std::shared_ptr<std::vector<CanvasCall>> log)
    : dpi_(dpi), log_(std::move(log)) {}

TextMetrics RecordingCanvas::MetricsFor(int points, int unitsPerInch) {
    TextMetrics metrics;
    metrics.height =
        static_cast<int>(std::lround(points * static_cast<double>(unitsPerInch) / 72.0));
    metrics.descent = metrics.height / 5;
    metrics.ascent = metrics.height - metrics.descent;
    metrics.externalLeading = metrics.height / 10;
    metrics.averageCharWidth = std::max(1, metrics.height / 2);
    return metrics;
}

int RecordingCanvas::FontPoints() const {
    return platform::FontPoints(font_);
}

bool RecordingCanvas::GetTextMetrics(TextMetrics& metrics) {
    metrics = MetricsFor(FontPoints(), UnitsPerInch());
    return true;
}

Size RecordingCanvas::TextExtent(std::string_view text) {
    const TextMetrics metrics = MetricsFor(FontPoints(), UnitsPerInch());
    return {static_cast<int>(text.size()) * metrics.averageCharWidth, metrics.height};
}

CanvasCall RecordingCanvas::Call(CanvasCall::Kind kind) const {
    CanvasCall call;
    call.kind = kind;
    call.page = page_;
    call.font = font_;
    call.fontSize = FontPoints();
    call.penWidth = penWidth_;
    return call;
}

void RecordingCanvas::Log(const CanvasCall& call) {
    if (active_) {
        log_->push_back(call);
    }
}

void RecordingCanvas::MoveTo(Point point) {
    pen_ = point;
}

void RecordingCanvas::LineTo(Point point) {
    CanvasCall call = Call(CanvasCall::Kind::LineTo);
    call.from = pen_;
    call.to = point;
    pen_ = point;
    Log(call);
}

void RecordingCanvas::TextOut(Point point, std::string_view text) {
    CanvasCall call = Call(CanvasCall::Kind::TextOut);
    call.from = update_ ? pen_ : point;
    call.text = std::string(text);
    call.to = {call.from.x + TextExtent(text).width, call.from.y};
    if (update_) {
        pen_ = call.to;
    }
    Log(call);
}

std::vector<std::string> RecordingCanvas::WrapLines(std::string_view text, int width,
                                                    bool wordBreak) {
    std::vector<std::string> lines;
    const int charWidth = TextExtent("W").width;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find("\r\n", start);
        std::string_view paragraph =
            text.substr(start, end == std::string_view::npos ? text.size() - start : end - start);
        std::string line;
        std::istringstream words{std::string(paragraph)};
        std::string word;
        bool any = false;
        while (wordBreak && words >> word) {
            const std::string joined = line.empty() ? word : line + " " + word;
            if (!line.empty() && static_cast<int>(joined.size()) * charWidth > width) {
                lines.push_back(line);
                line = word;
            } else {
                line = joined;
            }
            any = true;
        }
        lines.push_back(wordBreak && any ? line : std::string(paragraph));
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 2;
    }
    return lines;
}

int RecordingCanvas::DrawText(std::string_view text, Rect& rect, unsigned flags) {
    const bool wordBreak = (flags & DrawTextFlag::kWordBreak) != 0;
    const std::vector<std::string> lines = WrapLines(text, rect.right - rect.left, wordBreak);
    const TextMetrics metrics = MetricsFor(FontPoints(), UnitsPerInch());
    const int lineHeight =
        metrics.height + ((flags & DrawTextFlag::kExternalLeading) ? metrics.externalLeading : 0);
    int widest = 0;
    for (const std::string& line : lines) {
        widest = std::max(widest, TextExtent(line).width);
    }
    const int height = lineHeight * static_cast<int>(lines.size());
    if (flags & DrawTextFlag::kCalculateRect) {
        if (flags & DrawTextFlag::kRight) {
            rect.left = rect.right - widest;
        } else {
            rect.right = rect.left + widest;
        }
        rect.bottom = mode_ == MapMode::LowMetric ? rect.top - height : rect.top + height;
        return height;
    }
    CanvasCall call = Call(CanvasCall::Kind::DrawText);
    call.rect = rect;
    call.text = std::string(text);
    call.flags = flags;
    Log(call);
    return height;
}

void RecordingCanvas::FrameRect(const Rect& rect) {
    CanvasCall call = Call(CanvasCall::Kind::FrameRect);
    call.rect = rect;
    Log(call);
}

void RecordingCanvas::StretchDraw(const Rect& rect, const Picture& picture) {
    CanvasCall call = Call(CanvasCall::Kind::StretchDraw);
    call.rect = rect;
    call.pictureSize = {picture.width(), picture.height()};
    call.pictureChecksum = PictureChecksum(picture);
    Log(call);
}

std::uint32_t RecordingCanvas::PictureChecksum(const Picture& picture) {
    std::uint32_t hash = 2166136261u;
    const auto mix = [&hash](std::uint32_t value) {
        for (int shift = 0; shift < 32; shift += 8) {
            hash = (hash ^ ((value >> shift) & 0xFF)) * 16777619u;
        }
    };
    mix(static_cast<std::uint32_t>(picture.width()));
    mix(static_cast<std::uint32_t>(picture.height()));
    for (const std::uint32_t pixel : picture.pixels()) {
        mix(pixel);
    }
    return hash;
}

}  // namespace oltoma::platform
