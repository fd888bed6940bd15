// The competition's per-stage tables that the results sections read and
// reset: Count (156 counters) and ResIndex (156 bytes), both indexed by
// stage * 26 + split. The indexes come from records that may be damaged, so
// a read outside the tables gives 0 and a write outside is skipped.
#pragma once

#include "ol/data/records/info_rec.h"

namespace oltoma::ol {

inline constexpr int kResultTableSize = 156;

// Count[index]; 0 outside 0..155.
int CountCell(const InfoRec& competition, int index);

// ResIndex[index] := 0, for index 0..155 only.
void ClearResultIndex(InfoRec& competition, int index);

}  // namespace oltoma::ol
