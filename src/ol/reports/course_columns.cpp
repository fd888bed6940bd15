#include "ol/reports/course_columns.h"

#include <algorithm>
#include <vector>

#include "base/messages/memory_check.h"
#include "base/messages/messages.h"
#include "base/text/number_format.h"
#include "base/text/windows1252.h"
#include "ol/data/files/ol_state.h"
#include "ol/reports/course_controls.h"
#include "ol/reports/description_cells.h"
#include "ol/reports/description_drawing.h"
#include "ol/reports/description_geometry.h"
#include "print/report_writer.h"

namespace oltoma::ol {
namespace {

// Memory the original row buffers took.
constexpr int kColumnMemory = 928;

int LineHeightOfFont(const platform::FontDescription& font) {
    PushFontObject(font);
    const int height = LineHeight();
    PopFont();
    return height;
}

int MediumLineHeight() {
    PushFont('N');
    const int height = LineHeight();
    PopFont();
    return height;
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::int16_t ClassCount(const CourseColumn& column) {
    return column.withClass ? CountAt(column.klass.Count, 0, Ol().competition.rec.MellanTid) : 0;
}

void PrintHeadings(std::span<const CourseColumn> columns, double headingsHeight) {
    ReserveSpace({}, headingsHeight);
    PushFontObject(GridHeadingFont());
    for (std::size_t k = 0; k < columns.size(); ++k) {
        const CourseColumn& column = columns[k];
        TabPixels(CellX(static_cast<int>(k) + 1, -1));
        std::string text = column.course.Bana.str() + " Antal";
        if (column.withClass) {
            text += IntSpacePadded(ClassCount(column), 3);
        }
        WriteText(text + " [" + IntSpacePadded(ClassCount(column), 3) + "]");
    }
    WriteLine();
    PopFont();
    PushFontObject(GridCellFont());
    WriteLine();
    PopFont();
}

BlockHeading HeadingOf(const CourseColumn& column) {
    const InfoRec& competition = Ol().competition.rec;
    BlockHeading heading;
    if (!column.withClass) {
        heading.left = column.course.Bana.str();
    } else if (competition.StrNr > 1 && column.stage >= 1 && column.stage <= kDayCount) {
        heading.left = column.klass.BanLottn[column.stage - 1].str() + " " + column.klass.Bet.str();
    } else {
        heading.left = " " + column.klass.Bet.str();
    }
    heading.right = IntSpacePadded(CourseLength(column.course, competition.MellanTid), 7);
    return heading;
}

void ShowColumnStatus(const CourseColumn& column, int place) {
    const int count = ControlCount(column.course);
    const std::string code = place <= count ? column.course.KodNr[place - 1].str() : std::string();
    ShowStatus(
        2, "Bana " + Quoted(column.course.Bana) + " Klass " + Quoted(column.klass.Bet) + " Banl:" +
               IntSpacePadded(CourseLength(column.course, Ol().competition.rec.MellanTid), 7));
    ShowStatus(3, "Kontr " + Quoted(code) + " " + IntSpacePadded(place, 2) + " [" +
                      IntSpacePadded(column.course.Antal, 2) + "]");
}

}  // namespace

void PrintCourseColumns(std::span<const CourseColumn> columns) {
    if (columns.empty()) {
        return;
    }
    if (!MemoryAvailable(kColumnMemory)) {
        DisplayMessage(1, Windows1252FromUtf8("Minnet för litet för banutskrift!"));
        return;
    }
    int longest = 0;
    for (const CourseColumn& column : columns) {
        longest = std::max(longest, ControlCount(column.course));
    }
    const int rowHeight = RowHeight();
    const double headingsHeight =
        LineHeightOfFont(GridHeadingFont()) + LineHeightOfFont(GridCellFont());
    RoomFor(true, 3.0 * MediumLineHeight() + headingsHeight + (rowHeight + 1.0) * longest +
                      rowHeight / 3.0);
    PrintHeadings(columns, headingsHeight);

    ReserveSpace({}, rowHeight);
    std::vector<BlockHeading> headings;
    for (const CourseColumn& column : columns) {
        headings.push_back(HeadingOf(column));
    }
    DrawHeadingRow(headings);

    std::vector<CourseControls> numbering;
    numbering.reserve(columns.size());
    for (const CourseColumn& column : columns) {
        numbering.emplace_back(column.course);
    }
    std::vector<KontrRec> slots(columns.size());
    bool shown = false;
    for (int place = 1; place <= longest + 1 && !PrintAborted(); ++place) {
        for (std::size_t k = 0; k < columns.size(); ++k) {
            const int count = ControlCount(columns[k].course);
            if (place > count) {
                slots[k] = KontrRec{};
                slots[k].KodNr = place == count + 1 ? kClosingCode : kEmptyCode;
            } else {
                slots[k] = numbering[k].Slot(place);
                shown = true;
            }
            ShowColumnStatus(columns[k], place);
        }
        if (shown) {
            DrawControlRow(slots, place >= longest + 1);
        }
    }
}

}  // namespace oltoma::ol
