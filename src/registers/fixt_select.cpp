#include "registers/fixt_select.h"

namespace oltoma::registers {

void FixtSelectWith(RecordFinder find, FixtRtnTypes rtn, std::string_view sStri, std::int32_t& Rc,
                    bool& Exst, bool& FileEnd) {
    bool notFound = true;
    bool ok = false;
    find(static_cast<int>(rtn), IsamKeyOf(sStri), Rc, notFound, ok);
    Exst = !notFound;
    FileEnd = !ok;
}

}  // namespace oltoma::registers
