// The control cross reference ("kodbanaklass"): for each picked control,
// the course places that visit it and the classes that run those courses.
#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "base/messages/memory_check.h"
#include "base/messages/messages.h"
#include "base/messages/progress.h"
#include "base/text/number_format.h"
#include "base/text/padding.h"
#include "base/text/windows1252.h"
#include "ol/data/files/fileblock_handles.h"
#include "ol/data/files/ol_state.h"
#include "ol/data/files/registers.h"
#include "ol/reports/definition_reports.h"
#include "ol/reports/description_cells.h"
#include "ol/reports/description_drawing.h"
#include "ol/reports/description_geometry.h"
#include "ol/reports/report_headers.h"
#include "print/report_writer.h"

namespace oltoma::ol {
namespace {

// The memory the collection tables took as first designed (512 controls,
// 80 classes, 5 stages of 35 codes): the check keeps that size, while the
// lists below grow with what the files hold.
constexpr int kCollectionMemory = 77816;
constexpr int kClassFieldStart = 18;
constexpr int kClassFieldPitch = 12;

// One stage of a class: its course and the codes of that course.
struct ClassStage {
    std::string klass;
    int stage = 0;
    std::int16_t count = 0;
    std::string course;
    std::vector<std::string> codes;
};

struct Collection {
    std::vector<std::string> controls;
    std::vector<ClassStage> stages;
    int classes = 0;
};

bool NeverNumbered(std::string_view code) {
    return !code.empty() && (code[0] == 'M' || code[0] == 'S' || code[0] == 'T');
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

void CollectControls(PickedRecords& picked, Collection& collection) {
    for (int ix = 0; ix < picked.Antal(); ++ix) {
        if (picked.GetPickData(ix) < 0) {
            continue;
        }
        collection.controls.push_back(Ol().control.rec.KodNr.str());
        ProgressLine(2, "Antal kontroller:" +
                            IntSpacePadded(static_cast<int>(collection.controls.size()), 3) + " [" +
                            IntSpacePadded(picked.Antal(), 3) + "]");
        ProgressLine(3, collection.controls.back());
    }
}

std::vector<std::string> CourseCodes(std::string_view designation) {
    std::int32_t rc = 0;
    bool notFound = true;
    bool ok = false;
    FindCourse(FindMode::kByKey, designation, rc, notFound, ok);
    std::vector<std::string> codes;
    if (!notFound) {
        const TrackRec& course = Ol().course.rec;
        for (int i = 0; i < ControlCount(course); ++i) {
            codes.push_back(course.KodNr[i].str());
        }
    }
    return codes;
}

void CollectClasses(Collection& collection) {
    const int split = Ol().competition.rec.MellanTid;
    std::int32_t rc = 0;
    bool notFound = true;
    bool ok = false;
    FindClass(FindMode::kReset, {}, rc, notFound, ok);
    while (true) {
        FindClass(FindMode::kNext, {}, rc, notFound, ok);
        if (!ok) {
            break;
        }
        if (notFound) {
            continue;
        }
        const KlassRec klass = Ol().klass.rec;
        ++collection.classes;
        for (int stage = 1; stage <= ClampedDayCount(klass.StrNr); ++stage) {
            ClassStage entry;
            entry.klass = klass.Bet.str();
            entry.stage = stage;
            entry.count = CountAt(klass.Count, 0, split);
            entry.course = klass.Bana[stage - 1].str();
            entry.codes = CourseCodes(entry.course);
            ProgressLine(2, "Klass:" + entry.klass + " Bana:" + entry.course + " " +
                                IntSpacePadded(static_cast<int>(entry.codes.size()), 3));
            collection.stages.push_back(std::move(entry));
        }
    }
    ProgressLine(2, "Antal klasser:" + IntSpacePadded(collection.classes, 3));
}

// A course place that visits a control.
struct Visit {
    std::string course;
    int place = 0;  // 1..
    const std::vector<std::string>* codes = nullptr;
};

// The places of every course that visits `code`, each course and place
// once, courses in the order the classes first use them.
std::vector<Visit> VisitsOf(const Collection& collection, const std::string& code) {
    std::vector<Visit> visits;
    std::vector<std::string> seen;
    for (const ClassStage& stage : collection.stages) {
        if (std::find(seen.begin(), seen.end(), stage.course) != seen.end()) {
            continue;
        }
        seen.push_back(stage.course);
        for (std::size_t i = 0; i < stage.codes.size(); ++i) {
            if (stage.codes[i] == code) {
                visits.push_back({stage.course, static_cast<int>(i) + 1, &stage.codes});
            }
        }
    }
    return visits;
}

// "(" + the place's number, or a blank and the marking letter, + ")".
std::string PlaceText(const Visit& visit, const std::string& code) {
    const std::size_t letter = code.find_first_of("SMT");
    if (letter != std::string::npos) {
        return "( " + code.substr(letter, 1) + ")";
    }
    int before = 0;
    for (int i = 0; i + 1 < visit.place; ++i) {
        before += (*visit.codes)[static_cast<std::size_t>(i)].starts_with('T') ? 1 : 0;
    }
    return "(" + IntSpacePadded(visit.place - before - 1, 2) + ")";
}

// A line that starts with a text in the large font and goes on in the
// medium one takes the large font's height, so its large text stays clear
// of the rule below it. StartLargeLine leaves the large font pushed.
void StartLargeLine(std::string_view title) {
    PushFont('B');
    ReserveLines(title, 1);
}

void EndLargeLine() {
    PushFont('B');
    WriteLine();
    PopFont();
    TabChars(1);
}

class CrossReference {
public:
    explicit CrossReference(const Collection& collection) : collection_(collection) {}

    void Print() {
        InfoRec& competition = Ol().competition.rec;
        Heading("Kod, Bana, Klass. (" + ScaleHeadingText());
        competition.DagStr = 1;
        CompetitionHeader();
        Rule();
        ReserveLines({}, 1);
        WriteLine("Kontroller:" + IntSpacePadded(LiveRecordCount(Ol().controlFile), 4) +
                  ". Banor:" + IntSpacePadded(LiveRecordCount(Ol().courseFile), 4) +
                  ". Klasser:" + IntSpacePadded(LiveRecordCount(Ol().classFile), 4));
        StartLargeLine({});
        WriteText("Kod");
        PopFont();
        TabChars(8);
        WriteText("Bana(kontrnr) Klass[etapp]....");
        EndLargeLine();
        Rule();
        const int total = static_cast<int>(collection_.controls.size());
        for (int j = 0; j < total && !PrintAborted(); ++j) {
            const std::string& code = collection_.controls[static_cast<std::size_t>(j)];
            ShowProgress(j + 1, total);
            ShowStatus(1, "Kontroll " + Quoted(code));
            PrintControl(code, j + 1);
        }
    }

private:
    void PrintControl(const std::string& code, int pickPlace) {
        std::int32_t rc = 0;
        bool notFound = true;
        bool ok = false;
        FindControl(FindMode::kByKey, code, rc, notFound, ok);
        if (!notFound) {
            RoomFor(true, 3.0 * RowHeight());
            KontrRec slot = Ol().control.rec;
            if (!NeverNumbered(code)) {
                slot.R[0] = IntSpacePadded(pickPlace, 2);
            }
            DrawControlRow(std::span(&slot, 1), false);
            slot = KontrRec{};
            slot.KodNr = kClosingCode;
            DrawControlRow(std::span(&slot, 1), true);
        } else {
            StartLargeLine(code);
            WriteText(PadLeft(code, ' ', 3));
            PopFont();
            WriteText(" Kan ej finna kontrolldefinitionen!");
            EndLargeLine();
        }
        std::array<int, kDayCount + 1> visitors{};
        int allVisitors = 0;
        for (const Visit& visit : VisitsOf(collection_, code)) {
            PrintVisit(code, visit, visitors, allVisitors);
        }
        PrintVisitors(code, visitors, allVisitors);
    }

    void PrintVisit(const std::string& code, const Visit& visit,
                    std::array<int, kDayCount + 1>& visitors, int& allVisitors) {
        const bool severalStages = Ol().competition.rec.StrNr > 1;
        const int chars = ColumnChars();
        ReserveLines(code, 1);
        TabChars(8);
        WriteText(visit.course + PlaceText(visit, code));
        int position = kClassFieldStart;
        for (const ClassStage& stage : collection_.stages) {
            if (stage.course != visit.course) {
                continue;
            }
            std::string field = stage.klass;
            if (severalStages) {
                field += "[" + std::to_string(stage.stage) + "]";
            }
            if (position > kClassFieldStart && position + static_cast<int>(field.size()) > chars) {
                WriteLine();
                ReserveLines(code, 1);
                position = kClassFieldStart;
            }
            TabChars(position);
            WriteText(field);
            position += kClassFieldPitch;
            visitors[static_cast<std::size_t>(stage.stage)] += stage.count;
            allVisitors += stage.count;
        }
        WriteLine();
    }

    void PrintVisitors(const std::string& code, const std::array<int, kDayCount + 1>& visitors,
                       int allVisitors) {
        StartLargeLine(code);
        WriteText(code + " ");
        PopFont();
        std::string text = Windows1252FromUtf8("Antal besökande");
        if (IsSet(Ol().competition.rec.Relay)) {
            text += Windows1252FromUtf8(" alla sträckor:") + IntSpacePadded(allVisitors, 4);
        } else {
            for (int stage = 1; stage <= kDayCount; ++stage) {
                if (visitors[static_cast<std::size_t>(stage)] > 0) {
                    text += ", etapp[" + std::to_string(stage) +
                            "]:" + IntSpacePadded(visitors[static_cast<std::size_t>(stage)], 4);
                }
            }
        }
        WriteText(text);
        EndLargeLine();
        Rule();
    }

    const Collection& collection_;
};

}  // namespace

void PrintCodeCourseClass(PickedRecords& controls, const ReportRun& run) {
    if (LiveRecordCount(Ol().controlFile) < 1 || LiveRecordCount(Ol().courseFile) < 1 ||
        controls.Antal() < 1) {
        return;
    }
    if (!MemoryAvailable(kCollectionMemory)) {
        // The text keeps the OEM code of ö, converted as it is shown.
        DisplayMessage(1, "Minnet slut f\x94r variabler");
        return;
    }
    Collection collection;
    OpenProgress(run.owner, 4, "Kodsiffra, Banor, Klasser..", false);
    CollectControls(controls, collection);
    CollectClasses(collection);
    CloseProgress();
    if (OpenReport("kodbanaklass", run)) {
        const DescriptionDrawingScope grid;
        CrossReference(collection).Print();
        PrintClosingPictures();
    }
    ReportEnd(false);
}

}  // namespace oltoma::ol
