#include "ol/data/record_fields.h"

#include <algorithm>
#include <cstring>

namespace oltoma::ol {
namespace {

int CountIndex(int group, int position) {
    if (group < 0 || group >= kCountGroupCount || position < 0 || position >= kPositionCount) {
        return -1;
    }
    return group * kPositionCount + position;
}

}  // namespace

std::string LongPathText(const TLongPathName& path) {
    const void* end = std::memchr(path.chars, '\0', TLongPathName::kMaxLength);
    const std::size_t length =
        end == nullptr ? TLongPathName::kMaxLength : static_cast<const char*>(end) - path.chars;
    return std::string(path.chars, length);
}

void SetLongPathText(TLongPathName& path, std::string_view text) {
    const std::size_t length = std::min(text.size(), TLongPathName::kMaxLength);
    std::memcpy(path.chars, text.data(), length);
    std::memset(path.chars + length, 0, sizeof(path.chars) - length);
}

std::int16_t CountAt(const CountType& counts, int group, int position) {
    const int index = CountIndex(group, position);
    return index < 0 ? 0 : counts.cell[index];
}

bool AddToCount(CountType& counts, int group, int position, int delta) {
    const int index = CountIndex(group, position);
    if (index < 0) {
        return false;
    }
    counts.cell[index] = static_cast<std::int16_t>(counts.cell[index] + delta);
    return true;
}

int ClampedDayCount(std::int16_t storedDayCount) {
    return std::clamp<int>(storedDayCount, 0, kDayCount);
}

}  // namespace oltoma::ol
