// Courses as columns of description blocks, side by side: what the course
// per class report and the course report print for each row of courses.
#pragma once

#include <span>

#include "ol/data/records/klass_rec.h"
#include "ol/data/records/track_rec.h"

namespace oltoma::ol {

// One column: a course, and the class it is printed for (blank and
// withClass false in the course report) with the class's stage.
struct CourseColumn {
    TrackRec course{};
    KlassRec klass{};
    bool withClass = false;
    int stage = 0;
};

// Prints one row of columns (at most BlocksAcross of them):
//  1. MemoryAvailable(928), else "Minnet för litet för banutskrift!"
//     (message code 1) and nothing;
//  2. the row is kept together on a page: room for 3 medium lines, the
//     headings and R + 1 per control of the longest course, plus R/3;
//  3. per column in the heading font the course, " Antal", the class's
//     count and " [count]"; an empty line in the cell font;
//  4. a heading row of frames naming the course (or the class, with its
//     draw of the stage when the competition has several) and its length;
//  5. row i of every column the course's control i (numbered, or a
//     placeholder for a missing one), "exi" under the last control and
//     "nul" below that, until all columns are closed. Rows are drawn once
//     any column has shown a control or a placeholder.
void PrintCourseColumns(std::span<const CourseColumn> columns);

}  // namespace oltoma::ol
