#include "registers/pick_dialog.h"

namespace oltoma::registers {
namespace {

PickDialog*& Bound() {
    static PickDialog* dialog = nullptr;
    return dialog;
}

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
