#include "ol/reports/report_headers.h"

#include <algorithm>

#include "base/text/number_format.h"
#include "base/text/windows1252.h"
#include "base/time/date_arithmetic.h"
#include "base/time/duration_format.h"
#include "ol/data/files/ol_state.h"
#include "print/report_writer.h"

namespace oltoma::ol {
namespace {

constexpr std::size_t kDateOnlyLength = 10;
// The time form of zero and start times in the header: hh:mm.
constexpr int kClockForm = 1;

int ClampedStage(int stage) {
    return std::clamp(stage, 1, kDayCount);
}

int StageCount(const InfoRec& competition) {
    return ClampedDayCount(competition.StrNr);
}

}  // namespace

std::string StageDate(const InfoRec& competition, int stage) {
    return AddDaysToDate(competition.Date.view(), std::max(stage, 1) - 1);
}

std::string StageDateOnly(const InfoRec& competition, int stage) {
    const std::string date = StageDate(competition, stage);
    return date.size() > kDateOnlyLength ? date.substr(date.size() - kDateOnlyLength) : date;
}

void ControlsHeader() {
    const InfoRec& competition = Ol().competition.rec;
    const int stages = StageCount(competition);
    const bool relay = IsSet(competition.Relay);
    const bool allStages = stages > 1 && competition.DagStr == 0;
    PushFont('B');
    ReserveLines({}, 2);
    TabChars(1);
    WriteText(competition.Arr.view());
    std::string date;
    if (relay) {
        date = StageDate(competition, 1);
    } else if (allStages) {
        date = StageDate(competition, 1) + "-" + StageDate(competition, stages);
    } else {
        date = StageDate(competition, competition.DagStr);
    }
    TabPixels(std::max(0, ColumnWidth() - TextWidthOf(date) - 2));
    WriteLine(date);
    WriteText(competition.Tvl.view());
    if (stages > 1 && IsSet(competition.Days) && competition.DagStr != 0) {
        TabChars(47);
        WriteText("Dag:" + IntSpacePadded(competition.DagStr, 2));
    }
    if (allStages) {
        const int chars = ColumnChars();
        const int f = stages > 3 ? chars - 35 : chars - 9 * stages - 8;
        TabChars(std::max(1, f - 8));
        if (relay) {
            WriteText(Windows1252FromUtf8("Sträcka:"));
        } else if (IsSet(competition.Days)) {
            WriteText("Dag....:");
        }
        if (f + 9 * stages < chars) {
            std::string numbers;
            for (int stage = 1; stage <= stages; ++stage) {
                numbers += IntSpacePadded(stage, 4) + "     ";
            }
            WriteText(numbers);
        }
    }
    WriteLine();
    PopFont();
    Rule();
}

void CompetitionHeader() {
    const InfoRec& competition = Ol().competition.rec;
    const int stages = StageCount(competition);
    const int split = competition.MellanTid;
    ReserveLines({}, 3);
    TabChars(1);
    WriteText(competition.Lnr.view());
    TabChars(5);
    WriteText(competition.Arr.view());
    int stage = IsSet(competition.Relay) ? 1 : competition.DagStr;
    if (stages > 1 && competition.DagStr == 0) {
        TabChars(44);
        WriteText(StageDateOnly(competition, 1) + "-");
        stage = stages;
    }
    stage = ClampedStage(stage);
    TabChars(56);
    WriteText(StageDateOnly(competition, stage));
    TabChars(68);
    WriteText(FormatDuration(kClockForm, competition.NollTid[stage - 1]));
    TabChars(74);
    WriteLine("-" + std::to_string(stage) + "-");

    TabChars(5);
    WriteText(competition.Tvl.view());
    TabChars(47);
    WriteText(IntSpacePadded(CountAt(competition.Count, 0, split), 4));
    TabChars(53);
    WriteText(IntSpacePadded(competition.minKmTid, 3));
    TabChars(57);
    WriteText(IntSpacePadded(competition.maxKmTid, 3));
    TabChars(62);
    WriteText(competition.Typ.view());
    if (stages > 1) {
        TabChars(75);
        WriteText(IntSpacePadded(competition.StrNr, 2));
    }
    WriteLine();

    TabChars(4);
    std::string perStage;
    for (int i = 1; i <= stages; ++i) {
        const long long start =
            static_cast<long long>(competition.StTidCount[i - 1]) + competition.NollTid[i - 1];
        perStage += IntSpacePadded(CountAt(competition.Count, i, split), 4) + "  " +
                    FormatDuration(kClockForm, start) + ",  ";
    }
    WriteLine(perStage);
}

}  // namespace oltoma::ol
