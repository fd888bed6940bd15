#include "ol/data/records/class_sort_key.h"

#include <algorithm>
#include <utility>

#include "base/text/number_format.h"
#include "ol/data/records/class_designation.h"
#include "ol/data/records/record_text.h"

namespace oltoma::ol {
namespace {

constexpr std::size_t kPrefixLength = 9;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

char ElitePart(std::string_view designation) {
    return designation.find('E') != std::string_view::npos ? '0' : '1';
}

char SexPart(std::string_view designation) {
    if (designation.starts_with("HD")) {
        return '2';
    }
    if (designation.starts_with('H') || designation.starts_with('N')) {
        return '0';
    }
    if (designation.starts_with('D')) {
        return '1';
    }
    return '3';
}

// The part after elite and sex: the age as 100 - n and what follows the
// digits. The whole key is returned, as a designation without digits
// replaces the part built so far.
std::string AgeKey(std::string key, std::string_view designation) {
    const std::size_t first =
        std::find_if(designation.begin(), designation.end(), IsDigit) - designation.begin();
    if (first == designation.size()) {
        return ("9" + std::string(designation)).substr(0, kPrefixLength);
    }
    std::size_t end = first;
    std::int64_t number = 0;
    while (end < designation.size() && IsDigit(designation[end])) {
        number = number * 10 + (designation[end] - '0');
        ++end;
    }
    key += IntZeroPadded(100 - number, 3);
    const std::size_t next = std::min(end, designation.size() - 1);
    if (static_cast<unsigned char>(designation[next]) > '9') {
        key += designation.substr(next);
    } else if (key.size() < 6) {
        key.append(6 - key.size(), '0');
    }
    return key;
}

std::string Cut(std::string key) {
    if (key.size() > kSortKeyLength) {
        key.resize(kSortKeyLength);
    }
    return key;
}

}  // namespace

std::string DesignationSortKey(std::string_view designation, std::string_view filter) {
    // A designation holds at most 8 characters; its digits then always fit
    // the number they are read as.
    designation = designation.substr(0, 8);
    if (ClassFilterMatches(filter, designation)) {
        const std::string prefix = ("2" + std::string(designation)).substr(0, kPrefixLength);
        return Cut(prefix + std::string(designation));
    }
    std::string key{ElitePart(designation), SexPart(designation)};
    return Cut(AgeKey(std::move(key), designation) + std::string(designation));
}

std::string ManualSortKey(std::string_view presentKey, std::int32_t slotCount,
                          std::string_view lnr) {
    std::string order = presentKey.empty()
                            ? std::to_string(std::max<std::int64_t>(std::int64_t{slotCount} - 1, 0))
                            : std::string(presentKey.substr(0, 4));
    if (order.size() < 4) {
        order.insert(0, 4 - order.size(), '0');
    }
    return Cut(order + std::string(lnr));
}

void SetSortOrdn(KlassRec& klass, const InfoRec& competition, std::int32_t slotCount) {
    if (IsSet(competition.mankordn)) {
        klass.SortOrdn = ManualSortKey(klass.SortOrdn.view(), slotCount, klass.Lnr.view());
    } else {
        klass.SortOrdn = DesignationSortKey(klass.Bet.view(), competition.dirklassfilter.view());
    }
}

}  // namespace oltoma::ol
