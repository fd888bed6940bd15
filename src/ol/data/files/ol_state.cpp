#include "ol/data/files/ol_state.h"

#include "platform/process_state.h"

namespace oltoma::ol {
namespace {

// At namespace scope, so it is built before the exit handler of OlStartup is
// registered and outlives it.
OlState state;

// As before OlStartup: no file open, every buffer empty.
void ResetOlState() {
    state = OlState{};
}
[[maybe_unused]] const bool kResetRegistered = platform::RegisterStateReset(&ResetOlState);

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
