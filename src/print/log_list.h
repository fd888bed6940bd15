// The log list: a running protocol printed line by line on the default
// printer while a long command works (the import, the result log). No
// dialog, header, footer or columns: "Courier New" 10 points bold, one line
// after the other, and a print job of its own for every page.
//
//   x            the width of "WWWWWW" (left edge of every line)
//   line height  the height of "WW" * 6 div 5
//   first line   two line heights below the top of the printable area
//   bottom       page height - 2 line heights; a line that leaves the next
//                line's y below it ends the page, so a page holds
//                (page height - 4 line heights) div line height + 1 lines
//
// Pages after the first are jobs titled ". forts...". With no printer
// installed the log stays closed and every call does nothing. The log list
// and the report writer share the printer and are not used at once.
#pragma once

#include <string>
#include <string_view>

namespace oltoma {

// Starts a log print job with the title on the default printer.
void LogOpen(std::string_view title);
// Prints one line (at most 255 characters) when the log is open.
void LogLine(std::string_view text);
// Opens the log as "logglista" when it is closed; returns text unchanged.
std::string LogText(std::string_view text);
// When open and code is not -33: ends this page's job and starts the next.
void LogNewPage(int code);
// Ends the job and gives the printer its font back; nothing when closed.
void LogClose();
bool LogIsOpen();

// Called with every line the log prints (Windows-1252, as printed), after it
// was drawn, so that a run without a printer window (oltoma-tool) can show
// the protocol line by line.
using LogLineObserver = void (*)(std::string_view line);

// Binds the observer (nullptr: none) and returns the one bound before.
LogLineObserver BindLogLineObserver(LogLineObserver observer);

}  // namespace oltoma
