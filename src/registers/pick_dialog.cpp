#include "registers/pick_dialog.h"

#include "platform/process_state.h"

namespace oltoma::registers {
namespace {

PickDialog*& Bound() {
    static PickDialog* dialog = nullptr;
    return dialog;
}

void UnbindPickDialog() {
    Bound() = nullptr;
}
[[maybe_unused]] const bool kResetRegistered = platform::RegisterStateReset(&UnbindPickDialog);

}  // namespace

PickDialog* BindPickDialog(PickDialog* dialog) {
    PickDialog* previous = Bound();
    Bound() = dialog;
    return previous;
}

PickDialog* BoundPickDialog() {
    return Bound();
}

}  // namespace oltoma::registers
