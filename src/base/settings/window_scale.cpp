#include "base/settings/window_scale.h"

#include "platform/process_state.h"

namespace oltoma {

std::int16_t WindowScale = kMinimumWindowScale;

namespace {

void ResetWindowScale() {
    WindowScale = kMinimumWindowScale;
}
[[maybe_unused]] const bool kResetRegistered = platform::RegisterStateReset(&ResetWindowScale);

}  // namespace

}  // namespace oltoma
