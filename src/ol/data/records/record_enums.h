// Enumerations the competition record stores as one byte. A file may hold a
// value outside an enumeration; the Is...Value checks tell callers whether a
// stored byte names a member before they convert it.
#pragma once

#include <cstdint>

namespace oltoma::ol {

// Card kind of a competition (`kort`).
enum class KortRtnTypes : std::uint8_t {
    mjo = 0,
    esp = 1,
    espr = 2,
    rems = 3,
    srems = 4,
    remsr = 5,
    labels = 6,
    hall = 7,
    soft = 8,
    kortnone = 9,
};

// Order of the clubs in club lists (`ClubSort`).
enum class ClubSortType : std::uint8_t {
    normal = 0,
    flipordn = 1,
    nrordn = 2,
};

// How club numbers are shown (`ClubNrOption`).
enum class ClubNrOptionType : std::uint8_t {
    ofclubnr = 0,
    nonr = 1,
    nrplus = 2,
};

constexpr bool IsKortRtnValue(std::uint8_t stored) {
    return stored <= static_cast<std::uint8_t>(KortRtnTypes::kortnone);
}
constexpr bool IsClubSortValue(std::uint8_t stored) {
    return stored <= static_cast<std::uint8_t>(ClubSortType::nrordn);
}
constexpr bool IsClubNrOptionValue(std::uint8_t stored) {
    return stored <= static_cast<std::uint8_t>(ClubNrOptionType::nrplus);
}

}  // namespace oltoma::ol
