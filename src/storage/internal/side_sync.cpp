#include "storage/internal/side_sync.h"

#include <unistd.h>

#include <cerrno>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

#include "storage/internal/file_syscalls.h"

namespace oltoma::storage {
namespace {

class SideSyncThread {
public:
    SideSyncThread() : owner_(::getpid()), thread_([this] { Run(); }) { thread_.detach(); }

    bool OwnedByThisProcess() const { return owner_ == ::getpid(); }

    void Start(int descriptor) {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            descriptor_ = descriptor;
            pending_ = true;
            done_ = false;
        }
        changed_.notify_all();
    }

    int Finish() {
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait(lock, [this] { return done_; });
        return error_;
    }

private:
    [[noreturn]] void Run() {
        std::unique_lock<std::mutex> lock(mutex_);
        for (;;) {
            changed_.wait(lock, [this] { return pending_; });
            pending_ = false;
            const int descriptor = descriptor_;
            lock.unlock();
            const int error = sys::Fdatasync(descriptor) == 0 ? 0 : errno;
            lock.lock();
            error_ = error;
            done_ = true;
            changed_.notify_all();
        }
    }

    const pid_t owner_;
    std::mutex mutex_;
    std::condition_variable changed_;
    int descriptor_ = -1;
    bool pending_ = false;
    bool done_ = false;
    int error_ = 0;
    std::thread thread_;  // last: it starts once the members above exist
};

// Never destroyed: the detached thread may wait on it until the process ends.
SideSyncThread* helper = nullptr;
bool unavailable = false;

}  // namespace

bool StartSideSync(int descriptor) {
    if (helper == nullptr && !unavailable) {
        try {
            helper = new SideSyncThread();
        } catch (const std::system_error&) {
            unavailable = true;
        }
    }
    if (helper == nullptr || !helper->OwnedByThisProcess()) {
        return false;
    }
    helper->Start(descriptor);
    return true;
}

int FinishSideSync() {
    return helper->Finish();
}

}  // namespace oltoma::storage
