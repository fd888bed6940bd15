// The report writer: every report and list of the system is printed through
// it. A report opens the writer with a title and a stored printer, asks for
// vertical room before each line, writes text at the writer's cursor in the
// three report fonts, and closes the writer. The writer owns the page
// geometry (margins, columns), the footer of every page, the continuation
// header of every page after the first, page and column breaks, the closing
// row of pictures on the last page and the progress dialog ("rapport") with
// its Cancel button.
//
// Positions are printer device units (origin top-left of the printable
// area). A character is the average character width of the current font; a
// line (LH) is the current font's height plus its external leading.
//
// Page geometry, set by ReportOpen:
//   ColumnCount   1..9, the printer block's column count (below 1 counts as 1)
//   MarginLeft, MarginTop, MarginBottom   page-setup margins in device units
//   ColumnGap     right margin / ColumnCount, rounded (a right margin of 0
//                 with several columns is 5 % of page width - MarginLeft)
//   PrintWidth    page width - MarginLeft - ColumnGap   (1000 before a report)
//   PrintHeight   page height - MarginTop - MarginBottom (1414 before a report)
//   column width  PrintWidth div ColumnCount; column c starts at
//                 MarginLeft + (c - 1) * (column width + ColumnGap)
//   FooterTop     PrintHeight + MarginTop - 3 * LH of the small font: the
//                 footer rule; the footer's three small-font lines lie below
//
// Report fonts: "B"/"b" large ("stor"), "N"/"?"/"n" medium ("mellan"),
// "S"/"s" small ("liten"), each at its configured size / ColumnCount; the
// lower-case kinds at half that size. Fonts and pen positions are kept on
// stacks of 12.
//
// Rounding is to the nearest integer with halves to even (RoundHalfEven,
// which the label and giro slip printers use too).
//
// One report prints at a time, from the user-interface thread. Calling
// order: ReportOpen -> [Heading] -> per line ReserveLines or a RoomFor
// test, font pushes, TabChars and WriteText/WriteLine, pops; ShowProgress
// and ShowStatus per record; stop early when PrintAborted ->
// PrintClosingPictures -> ReportEnd(false). ReportEnd is called also when
// ReportOpen returned false.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/settings/settings_records.h"
#include "platform/font_description.h"
#include "platform/print/canvas.h"
#include "platform/print/picture.h"
#include "platform/services.h"

namespace oltoma {

// Report lifecycle ---------------------------------------------------------

// Where a report goes: the printer of its setting, or a PDF file laid out
// as that printer would print it (platform/print/printer.h).
struct ReportOutput {
    std::string pdfFile;  // the file system's path; empty = the printer
};

// Selects the printer of the block, starts the job (spooled as the first 32
// characters of ProgramName + ":" + title), shows the progress dialog with
// the owner window disabled, sets the geometry and fonts and begins the
// first page. Returns false only when no printer is installed (a PDF job
// needs none). When the printer yields no device context the message "Kan
// ej skapa vald skrivare enligt inställningar" (code 201) is shown, or for
// a PDF file that cannot be written "Kan ej skriva PDF-filen " and the
// quoted name (code 200); the report then runs aborted: PrintAborted() is
// true and nothing is printed. A PDF job takes the block's margins at its
// own resolution when the block names none.
bool ReportOpen(std::string_view title, const PrinterBlock& printer, platform::WindowHandle owner,
                const ReportOutput& output = {});
// Starts the first page: page 1, cursor at the top of column 1, the job
// title shown, the base font "N" pushed for the whole report.
void ReportBegin(std::string_view title);
// Footer of the last page (unless withoutFooter), end of the job, dialog
// closed, owner enabled. Fonts still pushed (beyond those of the writer)
// give " savefontc<>0 prexit" (code 201) and are popped. Does nothing when
// no report is open.
void ReportEnd(bool withoutFooter);
// Footer, then (mode 1) a new page with its continuation header, or
// (mode 0) the end of the job.
void PageBreak(bool withoutFooter, int mode, std::string_view title);
// The next column, or a PageBreak after the last one.
void NextColumnOrPage(bool withoutFooter, int mode, std::string_view title);
// The closing row of pictures above the footer of the last page.
void PrintClosingPictures();

// Text and position ----------------------------------------------------------

void WriteText(std::string_view text);
void WriteLine(std::string_view text = {});
void Heading(std::string_view text);
void Rule();
// a >= 0: column start + a characters; a < 0: CurX + |a| characters.
void TabChars(int a);
// x as TabChars(a); b < 0: CurY + |b| lines; b >= 0: MarginTop + b lines.
void GotoCharLine(int a, double b);
// As TabChars in device units.
void TabPixels(int a);
// b < 0: CurY + |b|; b >= 0: MarginTop + b.
void GotoPixelY(int b);
// The current column's start, counted with the gaps of earlier columns, so
// it is the x where TabPixels(0) writes.
int ColumnLeft();
int ColumnWidth();
int ColumnChars();
int PenY();
std::uint16_t TextWidthOf(std::string_view text);
void PushPos();
void PopPos();

// Vertical accounting ("fits": PrintHeight - 1 > UsedHeight + h + 3 * LHs) --

void ReserveSpace(std::string_view title, double h);
void ReserveLines(std::string_view title, double n);
bool RoomFor(bool breakPage, double h);
bool RoomForLines(bool breakPage, double n);
bool RoomForLinesPlus(bool breakPage, double n, double extra);

// Fonts ---------------------------------------------------------------------

void PushFont(char kind);
// Pushes a font of the caller's own; the kind recorded is the digit of the
// new depth mod 10.
void PushFontObject(const platform::FontDescription& font);
void PopFont();

// Pictures -----------------------------------------------------------------

// The picture with its top-left at (CurX, CurY), its size times the scales
// (rounded); CurX then moves to its right edge + 1. Nothing for an empty
// picture.
void DrawBitmapScaled(const platform::Picture& picture, double xScale, double yScale);
// Loads a picture file (a Windows-1252 path, as stored) and stretches
// it into rect; nothing when it cannot be loaded.
void DrawPictureFile(const platform::Rect& rect, const std::string& fileName);

// Progress -----------------------------------------------------------------

// Counts and progress bar of the dialog, then pending events are handled.
void ShowProgress(int done, int total);
// Status line 1, 2, 3 or 5 of the dialog.
void ShowStatus(int line, std::string_view text);

// State for callers ----------------------------------------------------------

// value rounded to the nearest integer, halves to even.
int RoundHalfEven(double value);

// The job was cancelled (or could not start): every drawing call is skipped.
bool PrintAborted();
// A job of the writer is running.
bool PrinterPrinting();
// The last report that ReportEnd closed wrote its PDF file completely
// (false for a printed, cancelled or failed report). A PDF file that could
// not be written as the job ended has given "Kan ej skriva PDF-filen ".
bool PdfWritten();
int CurrentColumn();
int ColumnCount();
int PageNumber();
int PrintWidth();
int PrintHeight();
int MarginLeft();
int MarginTop();
int ColumnGap();
int FooterTop();
double UsedHeight();
int CurX();
int CurY();
int LineHeight();
int FontDepth();

}  // namespace oltoma
