#include "base/time/stopwatch.h"

#include "base/time/clock_text.h"
#include "base/time/duration_format.h"
#include "platform/process_state.h"

namespace oltoma {
namespace {

constexpr int kSecondsPerDay = 86400;

struct Stopwatches {
    int startSeconds[kStopwatchCount + 1] = {};  // slot 0, then 1..25
    int depth = 0;
};

Stopwatches& Stack() {
    static Stopwatches stopwatches;
    return stopwatches;
}

void StopEveryStopwatch() {
    Stack() = Stopwatches{};
}
[[maybe_unused]] const bool kResetRegistered = platform::RegisterStateReset(&StopEveryStopwatch);

int SlotOf(int slot) {
    return slot >= 1 && slot <= kStopwatchCount ? slot : 0;
}

std::string Elapsed(int code, int slot) {
    long long elapsed = static_cast<long long>(SecondsNow()) - Stack().startSeconds[SlotOf(slot)];
    if (elapsed < 0) {
        // As many days added as bring it to zero or above.
        elapsed = (elapsed % kSecondsPerDay + kSecondsPerDay) % kSecondsPerDay;
    }
    return FormatDuration(code, elapsed);
}

}  // namespace

int StartStopwatch() {
    Stopwatches& stack = Stack();
    if (stack.depth < kStopwatchCount) {
        ++stack.depth;
    }
    stack.startSeconds[SlotOf(stack.depth)] = SecondsNow();
    return stack.depth;
}

std::string StopStopwatch(int code) {
    Stopwatches& stack = Stack();
    std::string text = Elapsed(code, stack.depth);
    if (stack.depth >= 1) {
        --stack.depth;
    }
    return text;
}

std::string StopwatchElapsed(int code, int slot) {
    const int used = slot >= 1 && slot <= kStopwatchCount ? slot : Stack().depth;
    return Elapsed(code, used);
}

}  // namespace oltoma
