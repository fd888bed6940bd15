#include "ol/reports/class_list.h"

#include <cstring>

#include "base/text/number_format.h"
#include "base/text/padding.h"
#include "base/text/windows1252.h"
#include "base/time/duration_format.h"
#include "ol/data/files/ol_state.h"
#include "ol/data/records/class_designation.h"
#include "ol/data/records/result_codes.h"
#include "ol/reports/report_headers.h"
#include "ol/reports/result_text.h"
#include "print/report_writer.h"

namespace oltoma::ol {
namespace {

// Times in the list: minutes, and ":ss" when the seconds are not 0.
constexpr int kTimeForm = 4;
constexpr int kValueWidth = 6;
constexpr std::size_t kWinnerTimeWidth = 6;

std::int32_t WinnerTime(const KlassRec& klass, int group, int split) {
    if (group < 0 || group >= kCountGroupCount || split < 0 || split >= kPositionCount) {
        return kEjStartTime;
    }
    return klass.SegrTid[group][split];
}

std::string WinnerText(const KlassRec& klass, int group, int split) {
    return ResultText(klass, kTimeForm, WinnerTime(klass, group, split), group)
        .substr(0, kWinnerTimeWidth);
}

std::int16_t StartCount(const KlassRec& klass, int index) {
    std::int16_t count = 0;
    std::memcpy(&count, klass.nStart + 2 * index, sizeof count);
    return count;
}

std::string Value(std::string_view text) {
    return PadLeft(text, ' ', kValueWidth) + " ";
}

std::string Value(long long number) {
    return IntSpacePadded(number, kValueWidth) + " ";
}

// An item of one value per stage 1..n.
template <typename ValueOfStage>
std::string PerStage(std::string_view label, int stages, ValueOfStage valueOf) {
    std::string item(label);
    for (int s = 1; s <= stages; ++s) {
        item += valueOf(s);
    }
    return item;
}

bool DirectClass(const KlassRec& klass, const InfoRec& competition) {
    return ClassFilterMatches(competition.dirklassfilter.view(), klass.Bet.view());
}

}  // namespace

std::string ClassListHeaderLine() {
    return "Nr Bet..... sort 0Snr-nSnr 0Cnt Str max"
           " eftan SegrT. dataNummer min-maxKmtid vak";
}

ClassItemLayout LayOutClassItems(int columnChars, const KlassRec& klass,
                                 const InfoRec& competition) {
    ClassItemLayout layout;
    layout.itemChars = 7 * ClampedDayCount(klass.StrNr) + 12;
    layout.perLine = columnChars / layout.itemChars;
    if (layout.perLine < 1) {
        layout.perLine = 1;
        layout.pitch = layout.itemChars;
    } else {
        layout.pitch = layout.itemChars + (columnChars % layout.itemChars) / layout.perLine;
    }
    layout.items = !IsSet(competition.Days) && !DirectClass(klass, competition) ? 13 : 16;
    layout.lines = (layout.items + layout.perLine - 1) / layout.perLine;
    return layout;
}

std::string ClassSummaryLine(const KlassRec& klass, const InfoRec& competition) {
    const int m = competition.MellanTid;
    return IntSpacePadded(klass.FrstStNr, 4) + "-" + IntSpacePadded(klass.StNrCount, 4) + " " +
           IntSpacePadded(CountAt(klass.Count, 0, m), 4) + " " + IntSpacePadded(klass.StrNr, 2) +
           IntSpacePadded(klass.maxi, 4) + " e" +
           IntSpacePadded(klass.eftAnm[0] + klass.eftAnm[1], 3) + " " + WinnerText(klass, 0, m) +
           " d" + IntSpacePadded(klass.FirstDataNr, 4) + "-" + IntSpacePadded(klass.LastDataNr, 4) +
           " kT" + FormatDuration(kTimeForm, klass.minKmTid) + "-" +
           FormatDuration(kTimeForm, klass.maxKmTid) + " vak" + IntSpacePadded(klass.vakanser, 3);
}

std::vector<std::string> ClassItems(const KlassRec& klass, const InfoRec& competition,
                                    int itemCount) {
    const int n = ClampedDayCount(klass.StrNr);
    const int m = competition.MellanTid;
    const auto& k = klass;
    std::vector<std::string> items;
    items.push_back(PerStage("FrstStart:", n, [&](int s) {
        return Value(FormatDuration(kTimeForm, k.FrstStTid[s - 1]));
    }));
    items.push_back(PerStage(Windows1252FromUtf8("BanLängd :"), n,
                             [&](int s) { return Value(ClassCourseLength(k, s, m)); }));
    items.push_back(
        PerStage("NedRkning:", n, [&](int s) { return Value(CountAt(k.Count, s, m)); }));
    items.push_back(PerStage("BanKod   :", n, [&](int s) { return Value(k.Bana[s - 1].view()); }));
    if (itemCount == 13) {
        items.push_back(
            PerStage("BanLottn :", n, [&](int s) { return Value(k.BanLottn[s - 1].view()); }));
    } else {
        items.push_back(PerStage("StartMell:", n, [&](int s) { return Value(k.SMell[s - 1]); }));
        items.push_back(PerStage(Windows1252FromUtf8("NpåsammaT:"), n,
                                 [&](int s) { return Value(k.nontime[s - 1]); }));
    }
    items.push_back(PerStage("StartPlts:", n, [&](int s) { return Value(k.St[s - 1]); }));
    items.push_back(PerStage(Windows1252FromUtf8("MålPlats :"), n,
                             [&](int s) { return Value(k.Goal[s - 1]); }));
    if (itemCount != 13) {
        items.push_back(PerStage("FilNummer:", n, [&](int s) { return Value(k.FilNr[s - 1]); }));
        items.push_back(PerStage("JaktStart:", n, [&](int s) { return Value(k.Jakt[s - 1]); }));
    }
    items.push_back("Sammanl. pris:" + IntSpacePadded(k.nPris[0], 2));
    items.push_back(PerStage("Pris     :", n, [&](int s) { return Value(k.nPris[s]); }));
    items.push_back("Sammanl.start:" + IntSpacePadded(StartCount(k, 0), 2));
    items.push_back(PerStage("Startande:", n, [&](int s) { return Value(StartCount(k, s)); }));
    items.push_back(PerStage("Strukna  :", n, [&](int s) {
        return std::string(IsStruken(k, s) ? "Struke " : "       ");
    }));
    items.push_back(PerStage("SegrTid  :", n, [&](int s) { return Value(WinnerText(k, s, m)); }));
    return items;
}

namespace {

void PrintClassBlock(const KlassRec& klass, const InfoRec& competition) {
    const ClassItemLayout layout = LayOutClassItems(ColumnChars(), klass, competition);
    PushFont('N');
    ReserveLines({}, layout.lines + 1);
    PopFont();
    TabChars(1);
    WriteText(klass.Lnr.str() + " " + klass.Bet.str());
    TabChars(13);
    WriteText(klass.SortOrdn.view().substr(0, 4));
    TabChars(18);
    WriteLine(ClassSummaryLine(klass, competition));
    int position = 1;
    TabChars(1);
    for (const std::string& item : ClassItems(klass, competition, layout.items)) {
        WriteText(item);
        ++position;
        if (position > layout.perLine) {
            WriteLine();
            position = 1;
        } else {
            TabChars(layout.pitch * (position - 1) + 1);
        }
    }
    WriteLine();
    Rule();
}

}  // namespace

void PrintClassList(PickedRecords& classes, const ReportRun& run) {
    if (classes.Antal() < 1) {
        return;
    }
    InfoRec& competition = Ol().competition.rec;
    competition.DagStr = 1;
    if (OpenReport("klasser", run)) {
        Heading("KlassLista");
        ShowStatus(1, "KlassLista");
        CompetitionHeader();
        ReserveLines({}, 1);
        TabChars(1);
        WriteLine(ClassListHeaderLine());
        Rule();
        for (int ix = 0; ix < classes.Antal() && !PrintAborted(); ++ix) {
            if (classes.GetPickData(ix) < 0) {
                continue;
            }
            const KlassRec klass = Ol().klass.rec;
            ShowProgress(ix + 1, classes.Antal());
            ShowStatus(2, "Klass \"" + klass.Bet.str() + "\" ");
            PushFont('N');
            PrintClassBlock(klass, competition);
            PopFont();
        }
        PrintClosingPictures();
    }
    ReportEnd(false);
}

}  // namespace oltoma::ol
