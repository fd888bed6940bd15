#include "base/messages/message_owner_stack.h"

#include "platform/process_state.h"

namespace oltoma {
namespace {

struct OwnerStack {
    platform::WindowHandle handles[kMessageOwnerStackSize + 1] = {};  // slots 1..33
    int depth = 0;
};

OwnerStack& Stack() {
    static OwnerStack stack;
    return stack;
}

void EmptyOwnerStack() {
    Stack() = OwnerStack{};
}
[[maybe_unused]] const bool kResetRegistered = platform::RegisterStateReset(&EmptyOwnerStack);

}  // namespace

void PushMessageOwner(platform::WindowHandle window) {
    OwnerStack& stack = Stack();
    ++stack.depth;
    if (stack.depth <= kMessageOwnerStackSize) {
        stack.handles[stack.depth] = window;
    }
}

void PopMessageOwner() {
    // An unbalanced pop must not drive the depth negative: later pushes
    // would then be counted but never stored.
    if (Stack().depth > 0) {
        --Stack().depth;
    }
}

platform::WindowHandle CurrentMessageOwner() {
    const OwnerStack& stack = Stack();
    if (stack.depth >= 1 && stack.depth <= kMessageOwnerStackSize) {
        return stack.handles[stack.depth];
    }
    return 0;
}

int MessageOwnerDepth() {
    return Stack().depth;
}

}  // namespace oltoma
