// Process-wide state and its resets.
//
// The program keeps some state for its whole life: the bound services, the
// working settings, the message line, the storage engine with its open
// fileblocks, the report being printed, the competition's buffers. Each kind
// lives in one file, and that file registers beside it a reset that returns
// it to how the program starts. Whoever runs many independent jobs in one
// process (the test runner, between tests) calls ResetProcessState and
// starts each job from the same state, without knowing every kind of state
// there is: only the states linked into the process are registered.
#pragma once

namespace oltoma::platform {

using StateReset = void (*)();

// Registers a reset and returns true, so that the owner of a state registers
// it with a constant at namespace scope beside the state:
//   [[maybe_unused]] const bool kResetRegistered = RegisterStateReset(&Reset);
// A reset touches only its own state (it calls no other subsystem), so the
// order in which the resets run does not matter.
bool RegisterStateReset(StateReset reset);

// Calls every registered reset.
void ResetProcessState();

}  // namespace oltoma::platform
