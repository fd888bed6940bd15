#include "ol/data/records/result_codes.h"

#include <array>

#include "base/text/windows1252.h"

namespace oltoma::ol {
namespace {

constexpr std::array<const char*, kLastResultCode - kFirstResultCode + 1> kWordsUtf8 = {
    "FULLFÖLJ  ", "FELSTÄMPL ", "UTGÅTT    ", "DISKVAL   ", "UPPFLY.   ",
    "ÅTERBUD   ", "EJUPPG.   ", "EJSTART   ", "EJSTART   ",
};

}  // namespace

std::string ResultCodeWord(std::int32_t time) {
    if (!IsResultCode(time)) {
        return std::string();
    }
    return Windows1252FromUtf8(kWordsUtf8[time - kFirstResultCode]);
}

}  // namespace oltoma::ol
