// TEtikettRec: one label of the label file Etikett (248 bytes; key: the
// first line of the text, 30 characters, no duplicates).
//
//   offset  size  field       meaning
//   0       4     DataStatus  0 in a live record
//   4       241   Etk         string[240] (TEtikett): the label text, lines
//                             separated by CR LF
//   245     3     padding     0
//
// A picture label is a label whose first line, upper-cased, contains
// "BITMAP": the rest of that line after the marker, as typed, is the
// picture file's name. The label dialog writes picture labels as "BITMAP"
// immediately followed by the full path.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

#include "base/text/short_string.h"

namespace oltoma::labels {

inline constexpr std::size_t kLabelTextLength = 240;
inline constexpr std::int32_t kLabelRecordLength = 248;
inline constexpr int kLabelKeyLength = 30;
inline constexpr int kMaxLabels = 299;
inline constexpr std::string_view kPictureMarker = "BITMAP";
// What a label with an empty text is stored as.
inline constexpr std::string_view kEmptyLabelText = "XXX";

using TEtikett = ShortString<kLabelTextLength>;

#pragma pack(push, 1)

struct TEtikettRec {
    std::int32_t DataStatus;
    TEtikett Etk;
    std::uint8_t padding245[3];
};

#pragma pack(pop)

static_assert(sizeof(TEtikettRec) == kLabelRecordLength);
static_assert(std::is_standard_layout_v<TEtikettRec> && std::is_trivially_copyable_v<TEtikettRec>);
static_assert(offsetof(TEtikettRec, DataStatus) == 0);
static_assert(offsetof(TEtikettRec, Etk) == 4);
static_assert(offsetof(TEtikettRec, padding245) == 245);

// The text up to its first CR LF (all of it when it has none).
std::string_view FirstLine(std::string_view text);

// The label key of a text: its first line, at most 30 characters.
std::string LabelKey(std::string_view text);

// The text a label is stored with: "XXX" for an empty text.
std::string_view StoredLabelText(std::string_view text);

// Whether the text is a picture label, and its picture file name (the rest
// of the first line after the marker, as typed; empty for a text label).
bool IsPictureLabel(std::string_view text);
std::string PictureFileOfLabel(std::string_view text);

// The text of a picture label for a file: "BITMAP" + path.
std::string PictureLabelText(std::string_view path);

}  // namespace oltoma::labels
