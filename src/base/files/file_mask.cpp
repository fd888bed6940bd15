#include "base/files/file_mask.h"

#include <algorithm>

#include "base/text/swedish_case.h"

namespace oltoma {
namespace {

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos) {
            return parts;
        }
        start = end + 1;
    }
}

bool SameLetter(char a, char b) {
    return UpCaseSwedish(a) == UpCaseSwedish(b);
}

}  // namespace

std::vector<FileFilter> ParseFileFilter(std::string_view filter) {
    std::vector<FileFilter> filters;
    if (filter.empty()) {
        return filters;
    }
    const std::vector<std::string_view> parts = Split(filter, '|');
    for (std::size_t i = 0; i < parts.size(); i += 2) {
        FileFilter entry{std::string(parts[i]), {}};
        if (i + 1 < parts.size()) {
            for (std::string_view mask : Split(parts[i + 1], ';')) {
                if (!mask.empty()) {
                    entry.masks.emplace_back(mask);
                }
            }
        }
        if (entry.masks.empty()) {
            entry.masks.emplace_back("*.*");
        }
        filters.push_back(std::move(entry));
    }
    return filters;
}

std::string ChooserFilter(std::string_view callerFilter) {
    if (callerFilter.empty()) {
        return std::string(kAllFilesFilter);
    }
    return std::string(callerFilter) + "|" + std::string(kAllFilesFilter);
}

bool MatchesFileMask(std::string_view fileName, std::string_view mask) {
    if (mask == "*.*") {
        return true;
    }
    // Greedy match that backtracks to the last "*" on a mismatch.
    std::size_t name = 0;
    std::size_t at = 0;
    std::size_t starAt = std::string_view::npos;
    std::size_t nameAtStar = 0;
    while (name < fileName.size()) {
        if (at < mask.size() && mask[at] == '*') {
            starAt = at++;
            nameAtStar = name;
        } else if (at < mask.size() && (mask[at] == '?' || SameLetter(mask[at], fileName[name]))) {
            ++at;
            ++name;
        } else if (starAt != std::string_view::npos) {
            at = starAt + 1;
            name = ++nameAtStar;
        } else {
            return false;
        }
    }
    while (at < mask.size() && mask[at] == '*') {
        ++at;
    }
    return at == mask.size();
}

bool MatchesAnyFileMask(std::string_view fileName, const std::vector<std::string>& masks) {
    return std::any_of(masks.begin(), masks.end(),
                       [&](const std::string& mask) { return MatchesFileMask(fileName, mask); });
}

}  // namespace oltoma
