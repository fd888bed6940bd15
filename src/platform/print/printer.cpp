#include "platform/print/printer.h"

#include "platform/print/recording_printer.h"
#include "platform/process_state.h"

namespace oltoma::platform {
namespace {

// The stand-in: no queue is installed, so nothing can be selected or
// started and every drawing call is dropped.
RecordingPrinter& NoPrinter() {
    static RecordingPrinter printer(RecordingPrinter::Device{{}, "", 0, 0, 0, false});
    return printer;
}

Printer*& BoundPrinter() {
    static Printer* printer = nullptr;
    return printer;
}

void UnbindPrinter() {
    BoundPrinter() = nullptr;
}
[[maybe_unused]] const bool kResetRegistered = RegisterStateReset(&UnbindPrinter);

}  // namespace

Printer* BindPrinter(Printer* printer) {
    Printer* previous = BoundPrinter();
    BoundPrinter() = printer;
    return previous;
}

Printer& ActivePrinter() {
    Printer* printer = BoundPrinter();
    return printer != nullptr ? *printer : NoPrinter();
}

}  // namespace oltoma::platform
