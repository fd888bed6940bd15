// A progress-window double: records every window and the lines it showed,
// and clicks "avbryt" when the script says so. Bind it with
// BoundProgressWindows for the lifetime of a test.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "base/messages/progress.h"

namespace oltoma::testing {

class ScriptedProgressWindows final : public ProgressWindows {
public:
    struct Record {
        ProgressWindowOptions options;
        std::map<int, std::string> lines;  // status line -> last text
        std::vector<std::string> shown;    // every text, in order
        int eventRounds = 0;               // ProcessPendingEvents calls
        bool open = true;
    };

    // Creating fails (nullptr) while this is set.
    bool failCreate = false;
    // "avbryt" is clicked during the n-th ProcessPendingEvents of all windows
    // (1 = the first); 0 = never.
    int cancelAtEventRound = 0;

    std::vector<std::shared_ptr<Record>> windows;
    int eventRounds = 0;

    std::unique_ptr<ProgressWindow> Create(const ProgressWindowOptions& options) override {
        if (failCreate) {
            return nullptr;
        }
        auto record = std::make_shared<Record>();
        record->options = options;
        windows.push_back(record);
        return std::make_unique<Window>(*this, record);
    }

    // Windows still open.
    int OpenCount() const {
        int count = 0;
        for (const auto& window : windows) {
            count += window->open ? 1 : 0;
        }
        return count;
    }

private:
    class Window final : public ProgressWindow {
    public:
        Window(ScriptedProgressWindows& owner, std::shared_ptr<Record> record)
            : owner_(owner), record_(std::move(record)) {}
        ~Window() override { record_->open = false; }

        void SetStatusLine(int line, std::string_view text) override {
            record_->lines[line] = std::string(text);
            record_->shown.emplace_back(text);
        }
        void ProcessPendingEvents() override {
            ++record_->eventRounds;
            ++owner_.eventRounds;
            if (owner_.eventRounds == owner_.cancelAtEventRound && record_->options.withCancel) {
                record_->options.cancel();
            }
        }

    private:
        ScriptedProgressWindows& owner_;
        std::shared_ptr<Record> record_;
    };
};

class BoundProgressWindows {
public:
    explicit BoundProgressWindows(ProgressWindows& windows)
        : previous_(BindProgressWindows(&windows)) {}
    ~BoundProgressWindows() { BindProgressWindows(previous_); }
    BoundProgressWindows(const BoundProgressWindows&) = delete;
    BoundProgressWindows& operator=(const BoundProgressWindows&) = delete;

private:
    ProgressWindows* previous_;
};

}  // namespace oltoma::testing
