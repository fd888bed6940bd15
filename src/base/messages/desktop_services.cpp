#include "base/messages/desktop_services.h"

#include <filesystem>
#include <system_error>

#include "base/text/windows1252.h"
#include "platform/process_state.h"

namespace oltoma {
namespace {

struct CursorStack {
    int saved[kCursorStackSize] = {};
    int depth = 0;
};

CursorStack& Cursors() {
    static CursorStack stack;
    return stack;
}

void EmptyCursorStack() {
    Cursors() = CursorStack{};
}
[[maybe_unused]] const bool kResetRegistered = platform::RegisterStateReset(&EmptyCursorStack);

}  // namespace

void ShortBeep() {
    platform::CurrentSound().Beep(440, 100);
}

void PushCursor() {
    CursorStack& stack = Cursors();
    if (stack.depth < kCursorStackSize) {
        stack.saved[stack.depth] = platform::CurrentCursors().Current();
        ++stack.depth;
    }
}

void PopCursor() {
    CursorStack& stack = Cursors();
    if (stack.depth >= 1) {
        --stack.depth;
        platform::CurrentCursors().Set(stack.saved[stack.depth]);
    }
}

int CursorDepth() {
    return Cursors().depth;
}

int AskNumber(platform::WindowHandle owner, int initial, std::string_view prompt) {
    return platform::CurrentNumberPrompt().AskNumber(owner, initial,
                                                     prompt.substr(0, kMaxNumberPromptLength));
}

bool DirectoryPresent(std::string_view path) {
    if (path.empty()) {
        return false;
    }
    std::error_code error;
    return std::filesystem::is_directory(std::filesystem::path(Utf8FromWindows1252(path)), error);
}

}  // namespace oltoma
