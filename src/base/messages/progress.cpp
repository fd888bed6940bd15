#include "base/messages/progress.h"

#include <algorithm>
#include <array>

#include "base/messages/messages.h"
#include "base/text/oem_text.h"
#include "platform/process_state.h"

namespace oltoma {
namespace {

class QuietProgressWindow final : public ProgressWindow {
public:
    void SetStatusLine(int, std::string_view) override {}
    void ProcessPendingEvents() override {}
};

class QuietProgressWindows final : public ProgressWindows {
public:
    std::unique_ptr<ProgressWindow> Create(const ProgressWindowOptions&) override {
        return std::make_unique<QuietProgressWindow>();
    }
};

struct Level {
    std::unique_ptr<ProgressWindow> window;
    bool aborted = false;  // the window's own flag
};

struct ProgressState {
    ProgressWindows* bound = nullptr;
    std::array<Level, kMaxProgressDepth> levels;
    int depth = 0;
    bool sharedAborted = false;
    bool cursorSaved = false;
    int savedCursor = platform::CursorShape::kDefault;
};

ProgressState& State() {
    static ProgressState state;
    return state;
}

// No window open, none bound, no abort flag: the windows still open are
// freed without touching the cursor.
void CloseEveryProgressWindow() {
    State() = ProgressState{};
}
[[maybe_unused]] const bool kResetRegistered =
    platform::RegisterStateReset(&CloseEveryProgressWindow);

ProgressWindows& Windows() {
    static QuietProgressWindows quiet;
    ProgressWindows* bound = State().bound;
    return bound != nullptr ? *bound : quiet;
}

// The level whose window is innermost, or nullptr when none is open.
Level* InnermostLevel() {
    ProgressState& state = State();
    for (int level = std::min(state.depth, kMaxProgressDepth); level >= 1; --level) {
        if (state.levels[level - 1].window != nullptr) {
            return &state.levels[level - 1];
        }
    }
    return nullptr;
}

void CreateWindowAtLevel(int level, platform::WindowHandle owner, int lines,
                         std::string_view caption, bool withCancel) {
    ProgressState& state = State();
    Level& slot = state.levels[level - 1];
    slot.aborted = false;
    state.sharedAborted = false;

    ProgressWindowOptions options;
    options.owner = owner;
    options.level = level;
    options.visibleLines = std::clamp(lines - 2, 0, kProgressStatusLines);
    options.caption = std::string(caption);
    options.withCancel = withCancel;
    options.cancel = [level] {
        State().levels[level - 1].aborted = true;
        State().sharedAborted = true;
    };
    slot.window = Windows().Create(options);
    if (slot.window == nullptr) {
        SetMessageLine("Kan ej skapa dialog");
        return;
    }
    platform::Cursors& cursors = platform::CurrentCursors();
    if (level == 1) {
        state.savedCursor = cursors.Current();
        state.cursorSaved = true;
    }
    if (!withCancel) {
        cursors.Set(platform::CursorShape::kWait);
    }
}

}  // namespace

ProgressWindows* BindProgressWindows(ProgressWindows* windows) {
    ProgressWindows* previous = State().bound;
    State().bound = windows;
    return previous;
}

void OpenProgress(platform::WindowHandle owner, int lines, std::string_view caption,
                  bool withCancel) {
    ProgressState& state = State();
    ++state.depth;
    if (state.depth <= kMaxProgressDepth) {
        CreateWindowAtLevel(state.depth, owner, lines, caption, withCancel);
    }
}

void ProgressLine(int line, std::string_view text) {
    ProgressState& state = State();
    if (state.sharedAborted || state.depth < 1 || state.depth > kMaxProgressDepth) {
        return;
    }
    ProgressWindow* window = state.levels[state.depth - 1].window.get();
    if (window == nullptr) {
        return;
    }
    const int statusLine = line < 2 ? 1 : (line - 2) % kProgressStatusLines + 1;
    window->SetStatusLine(statusLine, OemToAnsiText(text));
    window->ProcessPendingEvents();
}

void CloseProgress() {
    ProgressState& state = State();
    if (state.depth < 1) {
        return;
    }
    if (state.depth <= kMaxProgressDepth) {
        state.levels[state.depth - 1].window.reset();
        if (state.depth == 1 && state.cursorSaved) {
            platform::CurrentCursors().Set(state.savedCursor);
            state.cursorSaved = false;
        }
    }
    --state.depth;
}

bool AbortedCounter() {
    const Level* level = InnermostLevel();
    return State().sharedAborted || (level != nullptr && level->aborted);
}

bool ProgressAborted() {
    return State().sharedAborted;
}

int ProgressDepth() {
    return State().depth;
}

}  // namespace oltoma
