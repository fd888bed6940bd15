#include "ol/data/records/record_fields.h"

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
