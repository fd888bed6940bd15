#include "ol/data/records/class_designation.h"

#include <array>
#include <cstddef>

namespace oltoma::ol {
namespace {

constexpr std::array<std::string_view, 10> kYouthWords = {
    "UNGDSKOL", "INS", "SKOLA", "HU", "DU", "U1", "U2", "U3", "U4", "U5",
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool HasYouthWord(std::string_view designation) {
    for (const std::string_view word : kYouthWords) {
        if (designation.find(word) != std::string_view::npos) {
            return true;
        }
    }
    return false;
}

}  // namespace

int ClassAge(std::string_view designation) {
    // A designation holds at most 8 characters; reading stops there so the
    // number always fits.
    designation = designation.substr(0, 8);
    std::size_t position = 0;
    while (position < designation.size() && !IsDigit(designation[position])) {
        ++position;
    }
    int age = 0;
    while (position < designation.size() && IsDigit(designation[position])) {
        age = age * 10 + (designation[position] - '0');
        ++position;
    }
    return age;
}

ClassCategory CategoryOfClass(std::string_view designation) {
    const bool youthWord = HasYouthWord(designation);
    if (designation.find('E') != std::string_view::npos && !youthWord) {
        return ClassCategory::elite;
    }
    const int age = ClassAge(designation);
    if ((age >= 1 && age <= 16) || (age == 0 && youthWord)) {
        return ClassCategory::youth;
    }
    return ClassCategory::other;
}

bool ClassFilterMatches(std::string_view filter, std::string_view designation) {
    std::size_t start = 0;
    while (start < filter.size()) {
        std::size_t end = filter.find(' ', start);
        if (end == std::string_view::npos) {
            end = filter.size();
        }
        const std::string_view word = filter.substr(start, end - start);
        if (!word.empty() && designation.substr(0, word.size()) == word) {
            return true;
        }
        start = end + 1;
    }
    return false;
}

}  // namespace oltoma::ol
