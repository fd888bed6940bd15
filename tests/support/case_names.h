// Names for the cases of parameterised tests, so that CTest lists
// HostileFilesTest.DamageIsReportedOrContained/page_free_list_in_a_cycle
// instead of an index or a dump of the parameter's bytes:
//   INSTANTIATE_TEST_SUITE_P(Files, HostileFilesTest, ::testing::ValuesIn(kCases),
//                            [](const auto& info) { return CaseName(info.param.what); });
#pragma once

#include <cctype>
#include <string>
#include <string_view>

namespace oltoma::testing {

// A test name made of a case's text (UTF-8): letters and digits are kept, the
// Swedish letters å ä ö become a a o (Å Ä Ö: A A O), and every other run of
// characters becomes one underscore, as test names allow nothing else. An
// empty text gives "empty".
inline std::string CaseName(std::string_view text) {
    std::string name;
    bool gap = false;
    auto append = [&](char c) {
        if (gap && !name.empty()) {
            name += '_';
        }
        gap = false;
        name += c;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (std::isalnum(c) != 0 && c < 0x80) {
            append(static_cast<char>(c));
        } else if (c == 0xC3 && i + 1 < text.size()) {
            const auto next = static_cast<unsigned char>(text[i + 1]);
            const char plain = next == 0x85 || next == 0x84   ? 'A'
                               : next == 0x96                 ? 'O'
                               : next == 0xA5 || next == 0xA4 ? 'a'
                               : next == 0xB6                 ? 'o'
                                                              : '\0';
            if (plain != '\0') {
                append(plain);
                ++i;
            } else {
                gap = true;
            }
        } else {
            gap = true;
        }
    }
    return name.empty() ? "empty" : name;
}

}  // namespace oltoma::testing
