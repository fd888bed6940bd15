#include "platform/process_state.h"

#include <vector>

namespace oltoma::platform {
namespace {

// Built on first use, so registrations made while other files are being
// initialised find it ready.
std::vector<StateReset>& Resets() {
    static std::vector<StateReset> resets;
    return resets;
}

}  // namespace

bool RegisterStateReset(StateReset reset) {
    Resets().push_back(reset);
    return true;
}

void ResetProcessState() {
    for (const StateReset reset : Resets()) {
        reset();
    }
}

}  // namespace oltoma::platform
