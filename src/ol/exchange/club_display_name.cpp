#include "ol/exchange/club_display_name.h"

#include "base/text/swedish_case.h"

namespace oltoma::ol {
namespace {

constexpr std::string_view kClubWords[] = {
    "OK",  "GoIF", "IF", "iss",  "IK",  "AIS", "SOK", "SoIK", "AIF", "AIK",
    "BK",  "SF",   "OC", "GIF",  "IFK", "SK",  "FK",  "OLG",  "OL",  "IL",
    "OLV", "OS",   "OF", "KFUM", "AI",  "OKN", "GF",  "SIA",  "OLC", "GN",
};

}  // namespace

std::string ClubDisplayName(std::string_view name, bool mixedCase) {
    if (!mixedCase) {
        return std::string(name);
    }
    std::string text = " " + CapitalizeWords(name) + " ";
    for (const std::string_view word : kClubWords) {
        const std::size_t at = UpperString(text).find(" " + UpperString(word) + " ");
        if (at != std::string::npos) {
            text.replace(at + 1, word.size(), word);
        }
    }
    return text.substr(1, text.size() - 2);
}

}  // namespace oltoma::ol
