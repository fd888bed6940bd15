// The label file and the giro files as the data directory check sees
// them: record length, one key without duplicates, and the key of each
// live record.
#pragma once

#include <vector>

#include "ol/data/maintenance/file_set_check.h"

namespace oltoma::labels {

// Etikett, giroP and giroB.
std::vector<ol::CheckedRegister> LabelAndGiroRegisters();

}  // namespace oltoma::labels
