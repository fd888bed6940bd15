#include "ol/data/files/ol_state.h"

namespace oltoma::ol {
namespace {

// At namespace scope, so it is built before the exit handler of OlStartup is
// registered and outlives it.
OlState state;

}  // namespace

OlState& Ol() {
    return state;
}

void ResetWorkAreaCounters() {
    state.workArea[0] = 0;
    state.workArea[1] = 0;
    state.workArea[2] = 0;
}

}  // namespace oltoma::ol
