#include "print/log_list.h"

#include <algorithm>

#include "platform/print/printer.h"
#include "platform/process_state.h"

namespace oltoma {
namespace {

constexpr std::size_t kMaxLine = 255;
constexpr int kKeepPageCode = -33;

struct LogState {
    bool open = false;
    platform::FontDescription savedFont;
    int x = 0;
    int lineHeight = 0;
    int y = 0;
    int bottom = 0;
};

LogLineObserver& BoundObserver() {
    static LogLineObserver observer = nullptr;
    return observer;
}

LogState& Log() {
    static LogState state;
    return state;
}

void ForgetLog() {
    Log() = LogState{};
}
[[maybe_unused]] const bool kResetRegistered = platform::RegisterStateReset(&ForgetLog);

platform::FontDescription LogFont() {
    platform::FontDescription font;
    font.face = "Courier New";
    font.SetSize(10);
    font.bold = true;
    return font;
}

}  // namespace

void LogOpen(std::string_view title) {
    LogState& log = Log();
    platform::Printer& printer = platform::ActivePrinter();
    if (log.open || printer.InstalledPrinters().empty() || !printer.Select({})) {
        return;
    }
    platform::Canvas& canvas = printer.GetCanvas();
    log.savedFont = canvas.Font();
    canvas.SetFont(LogFont());
    printer.SetTitle(title);
    if (!printer.BeginDoc()) {
        canvas.SetFont(log.savedFont);
        return;
    }
    log.open = true;
    canvas.SetMapMode(platform::MapMode::Text);
    canvas.SetTextAlignUpdatePosition(false);
    log.x = canvas.TextExtent("WWWWWW").width;
    log.lineHeight = std::max(1, canvas.TextExtent("WW").height * 6 / 5);
    log.bottom = printer.PageHeight() - 2 * log.lineHeight;
    log.y = 2 * log.lineHeight;
}

void LogLine(std::string_view text) {
    LogState& log = Log();
    if (!log.open) {
        return;
    }
    text = text.substr(0, std::min(text.size(), kMaxLine));
    platform::Printer& printer = platform::ActivePrinter();
    if (printer.HasDeviceContext()) {
        printer.GetCanvas().TextOut({log.x, log.y}, text);
    }
    if (BoundObserver() != nullptr) {
        BoundObserver()(text);
    }
    log.y += log.lineHeight;
    if (log.y > log.bottom) {
        LogNewPage(0);
    }
}

std::string LogText(std::string_view text) {
    if (!Log().open) {
        LogOpen("logglista");
    }
    return std::string(text);
}

void LogNewPage(int code) {
    if (!Log().open || code == kKeepPageCode) {
        return;
    }
    LogClose();
    LogOpen(". forts...");
}

void LogClose() {
    LogState& log = Log();
    if (!log.open) {
        return;
    }
    platform::Printer& printer = platform::ActivePrinter();
    printer.EndDoc();
    printer.GetCanvas().SetFont(log.savedFont);
    log.open = false;
}

bool LogIsOpen() {
    return Log().open;
}

LogLineObserver BindLogLineObserver(LogLineObserver observer) {
    const LogLineObserver previous = BoundObserver();
    BoundObserver() = observer;
    return previous;
}

}  // namespace oltoma
