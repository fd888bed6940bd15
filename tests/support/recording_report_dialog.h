// A report progress dialog double: records what the report writer shows
// and lets the test press Cancel (call `cancel`). Bind it with
// platform::BindReportDialog.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/print/report_dialog.h"

namespace oltoma::testing {

class RecordingReportDialog final : public platform::ReportDialog {
public:
    std::function<void()> cancel;
    bool open = false;
    std::vector<std::pair<int, std::string>> statuses;
    std::string counts;
    int progress = -1;
    std::string pages;

    void Open(platform::WindowHandle, std::function<void()> onCancel) override {
        open = true;
        cancel = std::move(onCancel);
    }
    void SetDevice(std::string_view) override {}
    void SetJobTitle(std::string_view) override {}
    void SetPages(std::string_view text) override { pages = std::string(text); }
    void SetCounts(std::string_view done, std::string_view total) override {
        counts = std::string(done) + "|" + std::string(total);
    }
    void SetProgress(int percent) override { progress = percent; }
    void SetStatus(int line, std::string_view text) override {
        statuses.emplace_back(line, std::string(text));
    }
    void ProcessEvents() override {}
    void Close() override { open = false; }
};

}  // namespace oltoma::testing
