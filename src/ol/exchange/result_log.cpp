#include "ol/exchange/result_log.h"

#include <string>

#include "base/messages/messages.h"
#include "base/settings/maker_links.h"
#include "base/settings/settings_state.h"
#include "base/text/number_format.h"
#include "base/text/padding.h"
#include "base/time/clock_text.h"
#include "base/time/stopwatch.h"
#include "ol/data/files/ol_state.h"
#include "ol/exchange/result_counters.h"
#include "platform/process_state.h"
#include "print/log_list.h"

namespace oltoma::ol {
namespace {

constexpr int kStatusCode = 1;
constexpr int kLastSheetLine = 77;
constexpr int kElapsedTimeForm = 6;
constexpr int kDateAndTime = 21;
constexpr int kWholeClockText = 14;

struct ResultLogState {
    int sheets = 0;
    int lines = 0;
};

ResultLogState& State() {
    static ResultLogState state;
    return state;
}

// No log sheet begun.
void ForgetResultLog() {
    State() = ResultLogState{};
}
[[maybe_unused]] const bool kResetRegistered = platform::RegisterStateReset(&ForgetResultLog);

bool PrintsLog() {
    return Ol().competition.rec.PrLogg != 0;
}

std::string ComputerName() {
    return "\"" + WorkingGlobalSettings().computerName.str() + "\"";
}

void Print(std::string_view text) {
    LogLine(text);
    ++State().lines;
}

}  // namespace

void ResetResultLogSheets() {
    State().sheets = 0;
}

void ResultLogStart() {
    ResultLogState& state = State();
    if (state.sheets == 0) {
        StartStopwatch();
        state.sheets = 1;
        if (PrintsLog()) {
            LogOpen("OlTomaW:resultatlogg");
        }
    }
    if (PrintsLog()) {
        LogLine("   " + RepeatChar('-', 60));
        LogLine("    Logg dag:" + IntSpacePadded(Ol().competition.rec.DagStr, 1) + " " +
                ComputerName() + " Sid-" + std::to_string(state.sheets) + "- ");
        ++state.sheets;
        state.lines = 2;
    }
}

void ResultLogEnd() {
    ResultLogState& state = State();
    SetMessageLine("InputResultat aktiverad .." + StopStopwatch(kElapsedTimeForm));
    ConfirmMessage(kStatusCode);
    if (!PrintsLog()) {
        return;
    }
    const InfoRec& competition = Ol().competition.rec;
    RefreshClock();
    const int counted =
        CountCell(competition, competition.DagStr * kPositionCount + competition.MellanTid);
    Print("    " + RepeatChar('-', 15) + IntSpacePadded(counted, 5) + ".. " +
          ClockPart(kDateAndTime) + " " + RepeatChar('-', 15));
    while (state.lines < kLastSheetLine) {
        Print("");
    }
    Print("");
    Print("    DatorId: " + ComputerName());
    Print("    " + MessageLine.str() + " .... " + ClockPart(kWholeClockText));
    Print(std::string("    #") + maker_links::kWebSite + " " + maker_links::kMailAddress + "##");
    LogClose();
}

}  // namespace oltoma::ol
