// The layout of a fuzz input for the exchange import fuzzer, shared with its
// seed maker:
//
//   offset  width   meaning
//   0       1       flags: bit 0 the route description format (1: 24-line),
//                   bit 1 the competition's PrLogg, bit 2 a competition is
//                   chosen, bit 3 which one (0: competition 1 with classes,
//                   1: competition 2, whose class has a Nummerlapp)
//   1       4 + n   exchange file 1, its length first (LE)
//   ...     4 + n   exchange files 2 and 3, when the input goes on
//
// Lengths beyond the input are cut to what remains.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_input.h"

namespace oltoma::fuzz {

inline constexpr std::uint8_t kRoute24Flag = 1;
inline constexpr std::uint8_t kPrLoggFlag = 2;
inline constexpr std::uint8_t kCompetitionFlag = 4;
inline constexpr std::uint8_t kSecondCompetitionFlag = 8;
inline constexpr std::size_t kMaxExchangeFiles = 3;

struct ExchangeInput {
    std::uint8_t flags = 0;
    std::vector<std::string> files;
};

inline std::string EncodeExchangeInput(const ExchangeInput& input) {
    std::string out(1, static_cast<char>(input.flags));
    for (const std::string& file : input.files) {
        AppendBlob(out, file);
    }
    return out;
}

inline ExchangeInput DecodeExchangeInput(std::string_view input) {
    ExchangeInput decoded;
    if (input.empty()) {
        return decoded;
    }
    decoded.flags = static_cast<std::uint8_t>(input.front());
    input.remove_prefix(1);
    while (!input.empty() && decoded.files.size() < kMaxExchangeFiles) {
        decoded.files.push_back(TakeBlob(input));
    }
    return decoded;
}

}  // namespace oltoma::fuzz
