// The definition reports of the current competition: what the competition
// office defined, printed with the control description grid.
//
//   menu entry      report               pick list              job title
//   "kontroller"    controls             controls, several      "kontroller"
//   "banor klass"   course per class     classes, several       "banor"
//   "kodbanaklass"  cross reference      controls, several      "kodbanaklass"
//   "banor "        courses              courses, several       "banor"
//
// Each runs inside the definition-file bracket, prints the picked records
// in the pick list's order, and ends with the closing pictures and
// ReportEnd, also after Cancel in the report dialog. A report does nothing
// when its file is empty. The last line compares the printed count with
// the records in the file. The reports change DagStr (and the course per
// class report MellanTid) of the competition record, which stays so.
#pragma once

#include "ol/reports/picked_records.h"
#include "ol/reports/report_run.h"

namespace oltoma::ol {

// Controls: rows of description blocks, as many across as fit, each picked
// control numbered by its place in the report unless its code starts with
// M, S or T; closing third-height rows below each column of blocks.
void PrintControlDefinitions(PickedRecords& controls, const ReportRun& run);

// Course per class: stage 1's course of each picked class as a column of
// description blocks under a heading with the class; a class whose course
// is not in the course file is skipped.
void PrintCoursesPerClass(PickedRecords& classes, const ReportRun& run);

// Cross reference: for each picked control its description, then every
// course place that visits it with the classes running that course, and
// the visitors per stage.
void PrintCodeCourseClass(PickedRecords& controls, const ReportRun& run);

// Courses: each picked course as a column of description blocks.
void PrintCourseDefinitions(PickedRecords& courses, const ReportRun& run);

}  // namespace oltoma::ol
