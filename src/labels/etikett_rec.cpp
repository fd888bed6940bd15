#include "labels/etikett_rec.h"

#include "base/text/swedish_case.h"

namespace oltoma::labels {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

// Where the marker starts in the first line; npos for a text label.
std::size_t MarkerPosition(std::string_view text) {
    return UpperString(FirstLine(text)).find(kPictureMarker);
}

}  // namespace

std::string_view FirstLine(std::string_view text) {
    return text.substr(0, text.find(kLineBreak));
}

std::string LabelKey(std::string_view text) {
    return std::string(FirstLine(text).substr(0, kLabelKeyLength));
}

std::string_view StoredLabelText(std::string_view text) {
    return text.empty() ? kEmptyLabelText : text;
}

bool IsPictureLabel(std::string_view text) {
    return MarkerPosition(text) != std::string::npos;
}

std::string PictureFileOfLabel(std::string_view text) {
    const std::size_t at = MarkerPosition(text);
    if (at == std::string::npos) {
        return {};
    }
    return std::string(FirstLine(text).substr(at + kPictureMarker.size()));
}

std::string PictureLabelText(std::string_view path) {
    return std::string(kPictureMarker) + std::string(path);
}

}  // namespace oltoma::labels
