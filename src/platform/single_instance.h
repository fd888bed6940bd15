// The single-instance guard: a named lock that one process of the user holds
// at a time. It is an exclusive lock on the file <name>.lock in the user's
// runtime folder (XDG_RUNTIME_DIR, else a private folder oltoma-<uid> in the
// temporary folder). The kernel drops the lock when the holder ends in any
// way, so a crashed run never blocks the next start.
#pragma once

#include <string>
#include <string_view>

namespace oltoma::platform {

class SingleInstanceGuard {
public:
    enum class State {
        Acquired,       // this process holds the lock
        AlreadyExists,  // another process holds it
        Unavailable     // no lock could be made; nothing guards this run
    };

    // Tries to take the lock at once, without waiting.
    explicit SingleInstanceGuard(std::string_view name);
    ~SingleInstanceGuard();  // releases the lock
    SingleInstanceGuard(const SingleInstanceGuard&) = delete;
    SingleInstanceGuard& operator=(const SingleInstanceGuard&) = delete;

    State state() const { return state_; }
    // True unless another process holds the lock: the program runs when the
    // lock could not be made at all.
    bool FirstInstance() const { return state_ != State::AlreadyExists; }

private:
    int descriptor_ = -1;
    State state_ = State::Unavailable;
};

// The file the guard of this name locks; empty when no private folder for
// it can be found or made.
std::string InstanceLockPath(std::string_view name);

}  // namespace oltoma::platform
