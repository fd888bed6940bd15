#include "base/settings/program_name.h"

#include "platform/process_state.h"

namespace oltoma {

namespace {

constexpr std::string_view kStartName = "kvarnix";

void ResetProgramName() {
    ProgramName = kStartName;
}
[[maybe_unused]] const bool kResetRegistered = platform::RegisterStateReset(&ResetProgramName);

}  // namespace

ShortString<10> ProgramName(kStartName);

}  // namespace oltoma
