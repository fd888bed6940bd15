#include "base/text/luhn.h"

namespace oltoma {

bool LuhnValid(std::string_view text) {
    int sum = 0;
    bool doubled = false;
    for (auto it = text.rbegin(); it != text.rend(); ++it) {
        if (*it < '0' || *it > '9') {
            continue;
        }
        int value = (*it - '0') * (doubled ? 2 : 1);
        if (value > 9) {
            value -= 9;
        }
        sum = (sum + value) % 10;
        doubled = !doubled;
    }
    return sum == 0;
}

}  // namespace oltoma
