#include "ol/exchange/iof/course_data_export.h"

#include <string>

#include "base/files/exchange_file.h"
#include "base/messages/progress.h"
#include "ol/data/files/definition_bracket.h"
#include "ol/data/files/ol_state.h"
#include "ol/data/files/registers.h"
#include "ol/exchange/iof/iof_exports.h"
#include "ol/exchange/iof/iof_writer.h"
#include "ol/exchange/iof/xml_values.h"
#include "storage/access_layer.h"

namespace oltoma::ol {
namespace iof {
namespace {

constexpr const char* kStartId = "STA1";
constexpr const char* kFinishId = "FIN1";

// The code without the blanks that pad it.
std::string Unpadded(std::string_view code) {
    const std::size_t first = code.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = code.find_last_not_of(' ');
    return std::string(code.substr(first, last - first + 1));
}

// Calls `each` for the live records of a register in key order until it
// returns false; `find` is the register's Find.
template <typename Find, typename Each>
void InKeyOrder(Find find, Each each) {
    std::int32_t rc = 0;
    bool notFound = true;
    bool ok = false;
    find(FindMode::kReset, {}, rc, notFound, ok);
    for (;;) {
        find(FindMode::kNext, {}, rc, notFound, ok);
        if (!ok) {
            return;
        }
        if (!notFound && !each()) {
            return;
        }
    }
}

void WriteEndControl(IofWriter& writer, const char* type, const char* id) {
    writer.Open("Control");
    writer.Attribute("type", type);
    writer.Element("Id", id);
    writer.Close();
}

void WriteCourseControl(IofWriter& writer, const char* type, std::string_view id) {
    writer.Open("CourseControl");
    writer.Attribute("type", type);
    writer.Element("Control", id);
    writer.Close();
}

void WriteControl(IofWriter& writer, const KontrRec& control) {
    writer.Open("Control");
    writer.Element("Id", Unpadded(control.KodNr.view()));
    if (control.posX != 0 || control.posY != 0) {
        writer.Open("MapPosition");
        writer.Attribute("x", TenthsText(control.posX));
        writer.Attribute("y", TenthsText(control.posY));
        writer.Attribute("unit", "mm");
        writer.Close();
    }
    writer.Close();
}

void WriteCourse(IofWriter& writer, const TrackRec& course) {
    writer.Open("Course");
    writer.Element("Name", course.Bana.view());
    const std::int32_t length = CourseLength(course, Ol().competition.rec.MellanTid);
    if (length > 0) {
        writer.Element("Length", std::to_string(length));
    }
    if (course.Rise > 0) {
        writer.Element("Climb", std::to_string(course.Rise));
    }
    WriteCourseControl(writer, "Start", kStartId);
    for (int i = 0; i < ControlCount(course); ++i) {
        const std::string code = Unpadded(course.KodNr[i].view());
        if (!code.empty()) {
            WriteCourseControl(writer, "Control", code);
        }
    }
    WriteCourseControl(writer, "Finish", kFinishId);
    writer.Close();
}

int ClassRace() {
    const int stage = Ol().competition.rec.DagStr;
    return stage >= 1 && stage <= kDayCount ? stage : 1;
}

bool IsLiveCourse(const std::string& name) {
    std::int32_t rc = 0;
    bool notFound = true;
    bool ok = false;
    return !name.empty() && FindCourse(FindMode::kByKey, name, rc, notFound, ok);
}

void WriteAssignments(IofWriter& writer, bool& aborted) {
    OlState& ol = Ol();
    const int race = ClassRace();
    InKeyOrder(&FindClass, [&] {
        const KlassRec klass = ol.klass.rec;
        const std::string course = klass.Bana[race - 1].str();
        if (IsLiveCourse(course)) {
            writer.Open("ClassCourseAssignment");
            writer.Element("ClassName", klass.Bet.view());
            writer.Element("CourseName", course);
            writer.Close();
        }
        aborted = ProgressAborted();
        return !aborted;
    });
}

}  // namespace

bool WriteCourseData(bool& aborted) {
    OlState& ol = Ol();
    const InfoRec& competition = ol.competition.rec;
    IofWriter writer(&WriteExportBytes, "CourseData");
    const std::string name = competition.Tvl.str();
    writer.Open("Event");
    writer.Element("Name", name.find_first_not_of(' ') == std::string::npos ? "oltoma" : name);
    writer.Close();
    writer.Open("RaceCourseData");
    if (competition.StrNr > 1 && competition.DagStr >= 1) {
        writer.Attribute("raceNumber", std::to_string(competition.DagStr));
    }
    const std::int32_t total = storage::UsedRecs(ol.controlFile) + storage::UsedRecs(ol.courseFile);
    WriteEndControl(writer, "Start", kStartId);
    InKeyOrder(&FindControl, [&] {
        WriteControl(writer, ol.control.rec);
        CountExport("Kontr: " + ol.control.rec.KodNr.str(), 1, total);
        aborted = ProgressAborted();
        return !aborted;
    });
    WriteEndControl(writer, "Finish", kFinishId);
    if (!aborted) {
        // Whole courses only: the course lookups of the assignments move
        // the course file's key position.
        InKeyOrder(&FindCourse, [&] {
            WriteCourse(writer, ol.course.rec);
            CountExport("Bana: " + ol.course.rec.Bana.str(), 1, total);
            aborted = ProgressAborted();
            return !aborted;
        });
    }
    if (!aborted) {
        WriteAssignments(writer, aborted);
    }
    return writer.Finish();
}

}  // namespace iof

ExportResult ExportCourses(platform::WindowHandle owner) {
    constexpr int kProgressLines = 3;
    DefinitionFilesBracket files;
    if (!files.Opened()) {
        return ExportResult::refused;
    }
    const ExportFormat format = AskExportFile(owner, ExportFormats::iofXml);
    if (format == ExportFormat::none || !CreateExportFile(owner, kProgressLines, format)) {
        return ExportResult::notOpened;
    }
    bool aborted = false;
    iof::WriteCourseData(aborted);
    return CloseExportFile(aborted);
}

}  // namespace oltoma::ol
