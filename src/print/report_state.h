// The one report state of the process, shared by the files of the report
// writer. Not for use outside src/print.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/font_description.h"
#include "platform/print/canvas.h"
#include "platform/print/printer.h"

namespace oltoma::report_detail {

inline constexpr int kStackSize = 12;

struct FontEntry {
    platform::FontDescription saved;
    char kind = 0;
};

struct ReportState {
    bool open = false;      // between a successful ReportOpen and ReportEnd
    bool failed = false;    // the job could not start or had no device context
    bool breaking = false;  // a page or column break is being laid out

    int columnCount = 1;
    int marginLeft = 0;
    int marginTop = 0;
    int marginBottom = 0;
    int columnGap = 0;
    std::uint16_t printWidth = 1000;
    std::uint16_t printHeight = 1414;

    int curX = 0;
    int curY = 0;
    int currentColumn = 1;
    double usedHeight = 0;
    std::uint16_t pageNumber = 1;
    std::uint16_t jobPages = 1;
    platform::TextMetrics metrics;
    int smallLineHeight = 0;  // LH of the small font, known from ReportBegin
    std::string jobTitle;
    std::string pdfFile;      // the PDF target of the job; empty when printing
    bool pdfWritten = false;  // the job's PDF file was put in place

    std::array<FontEntry, kStackSize> fonts;
    int fontDepth = 0;
    bool fontsReady = false;
    platform::FontDescription large;
    platform::FontDescription medium;
    platform::FontDescription small;

    std::array<platform::Point, kStackSize> positions;
    int positionDepth = 0;

    // The closing-picture row: right edge of its free space, height of its
    // tallest picture, y of its bottom; the column it lies in.
    int pictureRight = 0;
    int pictureRowHeight = 0;
    int pictureBottom = 0;
    int pictureColumn = 1;
};

ReportState& State();
platform::Printer& Printer();
platform::Canvas& Canvas();

// Drawing is allowed: a job with a device context runs and was not aborted.
bool CanDraw();

int LineHeightOf(const platform::TextMetrics& metrics);
int ColumnStart(int column);

// Moves the printer pen to (curX, curY).
void SyncPen();

// Shows "Kan ej skriva PDF-filen " + the quoted name (code 200).
void ReportPdfFailure(const std::string& pdfFile);

}  // namespace oltoma::report_detail
