#include "registers/forms/list_order.h"

#include "base/text/swedish_case.h"
#include "storage/key_compare.h"

namespace oltoma::registers {

int CompareListLines(std::string_view a, std::string_view b) {
    const int byKey = storage::CompareKeys(UpperString(a), UpperString(b));
    return byKey != 0 ? byKey : a.compare(b);
}

}  // namespace oltoma::registers
