// The text of a time or result of a class's stage, as class lists and the
// participant export print it: at most 10 characters.
#pragma once

#include <cstdint>
#include <string>

#include "ol/data/records/klass_rec.h"

namespace oltoma::ol {

// For stage `stage` (0..5) of `klass`: "Struken" when the class has the
// stage cancelled; the result word when `seconds` is one of the result codes
// 5999940..5999948; otherwise FormatDuration(form, seconds), with ":00"
// appended for a whole number of minutes when form is 3, 4 or 6 (so these
// forms always show seconds), then two blanks, the whole cut to 10
// characters. A stage outside 0..5 is never cancelled.
std::string ResultText(const KlassRec& klass, int form, std::int32_t seconds, int stage);

}  // namespace oltoma::ol
