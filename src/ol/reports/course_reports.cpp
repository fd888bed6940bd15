// The course per class report ("banor klass") and the course report
// ("banor "): rows of course columns.
#include <vector>

#include "base/messages/messages.h"
#include "base/text/number_format.h"
#include "ol/data/files/fileblock_handles.h"
#include "ol/data/files/ol_state.h"
#include "ol/data/files/registers.h"
#include "ol/reports/course_columns.h"
#include "ol/reports/definition_reports.h"
#include "ol/reports/description_drawing.h"
#include "ol/reports/description_geometry.h"
#include "ol/reports/report_headers.h"
#include "print/report_writer.h"

namespace oltoma::ol {
namespace {

// Collects columns and prints them a row at a time.
class ColumnRows {
public:
    ColumnRows() : across_(static_cast<std::size_t>(BlocksAcross())) {}

    void Add(const CourseColumn& column) {
        if (row_.size() >= across_) {
            Flush();
        }
        row_.push_back(column);
    }
    void Flush() {
        PrintCourseColumns(row_);
        row_.clear();
    }

private:
    std::size_t across_;
    std::vector<CourseColumn> row_;
};

void LastLine(std::string_view text, int printed) {
    Rule();
    ReserveLines({}, 1);
    WriteLine(std::string(text) + IntSpacePadded(printed, 4) + " [" +
              IntSpacePadded(LiveRecordCount(Ol().courseFile), 4) + "]");
}

void PrintPerClass(PickedRecords& classes) {
    InfoRec& competition = Ol().competition.rec;
    Heading("Kontrollbeskrivningar. (" + ScaleHeadingText());
    CompetitionHeader();
    Rule();
    ColumnRows rows;
    int printed = 0;
    for (int ix = 0; ix < classes.Antal() && !PrintAborted(); ++ix) {
        if (classes.GetPickData(ix) < 0) {
            continue;
        }
        competition.DagStr = 1;
        CourseColumn column;
        column.klass = Ol().klass.rec;
        column.withClass = true;
        column.stage = 1;
        std::int32_t rc = 0;
        bool notFound = true;
        bool ok = false;
        FindCourse(FindMode::kByKey, column.klass.Bana[0].view(), rc, notFound, ok);
        if (notFound) {
            continue;
        }
        column.course = Ol().course.rec;
        ++printed;
        ShowProgress(printed, classes.Antal());
        const std::string status =
            "Klass:" + column.klass.Bet.str() + " Bana:" + column.course.Bana.str();
        ShowStatus(1, status);
        SetMessageLine(status);
        rows.Add(column);
    }
    rows.Flush();
    LastLine("Antal utskrivna banor: ", printed);
}

void PrintCourses(PickedRecords& courses) {
    Heading("Kontrolldefinitioner. (" + ScaleHeadingText());
    Ol().competition.rec.DagStr = 0;
    CompetitionHeader();
    Rule();
    ColumnRows rows;
    int printed = 0;
    for (int ix = 0; ix < courses.Antal() && !PrintAborted(); ++ix) {
        if (courses.GetPickData(ix) < 0) {
            continue;
        }
        CourseColumn column;
        column.course = Ol().course.rec;
        ++printed;
        ShowProgress(printed, courses.Antal());
        ShowStatus(1, "Bana:" + column.course.Bana.str());
        rows.Add(column);
    }
    rows.Flush();
    LastLine("Antal banor utskrivna: ", printed);
}

}  // namespace

void PrintCoursesPerClass(PickedRecords& classes, const ReportRun& run) {
    InfoRec& competition = Ol().competition.rec;
    if (LiveRecordCount(Ol().courseFile) < 1 || classes.Antal() < 1) {
        return;
    }
    competition.MellanTid = 0;
    if (competition.StrNr <= 1) {
        competition.DagStr = 1;
    }
    if (OpenReport("banor", run)) {
        const DescriptionDrawingScope grid;
        PrintPerClass(classes);
        PrintClosingPictures();
    }
    ReportEnd(false);
}

void PrintCourseDefinitions(PickedRecords& courses, const ReportRun& run) {
    if (LiveRecordCount(Ol().courseFile) < 1 || courses.Antal() < 1) {
        return;
    }
    if (OpenReport("banor", run)) {
        const DescriptionDrawingScope grid;
        PrintCourses(courses);
        PrintClosingPictures();
    }
    ReportEnd(false);
}

}  // namespace oltoma::ol
