#include "ol/exchange/result_counters.h"

namespace oltoma::ol {
namespace {

bool InTable(int index) {
    return index >= 0 && index < kResultTableSize;
}

}  // namespace

int CountCell(const InfoRec& competition, int index) {
    return InTable(index) ? competition.Count.cell[index] : 0;
}

void ClearResultIndex(InfoRec& competition, int index) {
    if (InTable(index)) {
        competition.ResIndex[index] = 0;
    }
}

}  // namespace oltoma::ol
