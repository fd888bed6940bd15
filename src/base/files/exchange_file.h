// The exchange file ("IxportFile"): the one plain text file that the import
// reads and the exports write, one at a time for the whole process. It
// knows nothing of sections or records: it opens the file (by name or with
// the open and save dialogs of platform::FileDialogs), reads and writes
// lines, counts records for the progress window and closes the file with a
// summary.
//
//   reading   lines as ExchangeLineReader gives them (exchange_line_reader.h)
//   writing   Windows-1252, each line cut to 255 characters and ended by
//             CR LF, since the files go to Windows programs
//   first     a file created gets the comment character, a blank and the
//   line      main window's caption (MainWindowCaption) as its first line,
//             except for these extensions (in any case):
//               by name:           .xml .css .xsl .htm
//               with the dialog:   .xml .css .xsl .htm .html .pdf
//
// While the file is open: a stopwatch runs (base/time/stopwatch.h), and a
// progress window with "avbryt" shows when the opener asked for progress
// lines. The file is open only when a file was opened; closing a closed
// file does nothing. Paths are Windows-1252.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/services.h"

namespace oltoma {

// The file filter of the dialogs for a mask (at most 64 characters): a mask
// that starts with ";" adds its patterns to the exchange file patterns
// ("import/export|*.txt;*.exp;*.ixp;*.imp;*.vpx;*.txx;*.exx" + mask); any
// other mask gives "import/export (" + mask + ") |" + mask.
std::string ExchangeFileFilter(std::string_view mask);

// Opens the file at `path`: mode 'C' creates it or empties it for writing,
// any other mode opens it for reading. MessageLine gets
//   IxportFile <path> öppen..
// or, when it cannot be opened,
//   Kan ej öppna IxportFile: "<path>" <text of the system error>
// An empty path gives false. With progressLines > 0 a progress window
// captioned with the file's name opens. Returns whether the file is open.
bool OpenExchangeFile(platform::WindowHandle owner, char commentCharacter, char mode,
                      std::string_view path, int progressLines);

bool OpenExchangeFileForReading(platform::WindowHandle owner, char commentCharacter,
                                std::string_view path, int progressLines);

// Asks for the file with the save dialog "Spara fil som..." (mode 'C') or
// the open dialog "Välj filnamn" (any other mode, the file must exist),
// starting at `directory`: an existing folder is the folder, anything else
// is split into folder, file name and extension (without a "." it is a
// folder). The filter is ExchangeFileFilter(mask), followed by ";*" + the
// extension when both are not empty; `defaultExtension` (at most 12
// characters) is added to a name typed without one. After a choice
// `directory` becomes the chosen file's folder and `path` the file; the file
// is opened as OpenExchangeFile does, MessageLine getting
//   Kan ej öppna/skapa ixportfilen "<path>"
// when it cannot be. Returns whether the file is open (false after cancel).
bool OpenExchangeFileDialog(platform::WindowHandle owner, char commentCharacter, char mode,
                            int progressLines, std::string_view mask,
                            std::string_view defaultExtension, std::string& directory,
                            std::string& path);

// The save dialog of OpenExchangeFileDialog in mode 'C' ("Spara fil som...",
// the same start, filter and default extension) without opening anything,
// for writers that offer a second format: `extraFilter` ("description|masks")
// follows the mask's filter, or stands alone when the mask is empty. After
// a choice `directory` becomes the chosen file's folder. The answer names
// the file and the filter entry chosen.
platform::FileDialogAnswer AskExchangeSaveFile(platform::WindowHandle owner, std::string_view mask,
                                               std::string_view extraFilter,
                                               std::string_view defaultExtension,
                                               std::string& directory);

// Creates the file chosen with AskExchangeSaveFile as OpenExchangeFileDialog
// does after its dialog (same message when it cannot be created). With
// `firstLine` false the file never gets the first line: it holds another
// format. Returns whether the file is open.
bool CreateChosenExchangeFile(platform::WindowHandle owner, char commentCharacter,
                              int progressLines, std::string_view path, bool firstLine);

// The next line into `line` (counted). False at the end of the file, after
// a read error and when no file is open for reading; `line` is then left
// unchanged. A read error ends the file: MessageLine gets
//   Fel vid läsning av "<path>" <text of the system error>
bool ReadExchangeLine(std::string& line);

// True once a read has met the end of the file or an error.
bool ExchangeEof();

// True when the file ended at a read error.
bool ExchangeReadFailed();

// Raw access for formats that are not lines of an exchange file (XML). A
// file is read or written either by lines or raw, never both.
//
// ReadExchangeBytes reads at most `size` bytes of the file open for reading:
// returns the number read, 0 at the end, or -1 after a read error (as
// ReadExchangeLine reports it). The lines passed are counted as the line
// reader counts them (LF, CR and CR LF end a line; a last line without an
// end counts once the end is read).
long ReadExchangeBytes(char* buffer, std::size_t size);

// Writes the bytes as they are to the file open for writing; false once a
// write has failed. Lines are not counted.
bool WriteExchangeBytes(std::string_view bytes);

// Writes the line (cut to 255 characters) and CR LF, and counts it. Returns
// false once a write has failed (the file keeps what was written before).
bool WriteExchangeLine(std::string_view line);

// Lines read or written since the file was opened.
int ExchangeLineNumber();

// Adds to the counters; with a progress window, line 2 shows
// "Add: nnnn Mod: nnnn" and line 3 the text, followed by "..felaktig!!" when
// neither added nor modified is 1.
void CountRecord(std::string_view text, int added, int modified);

// Adds exported to the added counter; with a progress window, line 2 shows
// "Export: " + the counter in 4 + " [" + total in 4 + "]" and line 3 the
// text.
void CountExport(std::string_view text, int exported, int total);

struct ExchangeSummary {
    int added = 0;
    int modified = 0;
    int lines = 0;
    int ioResult = 0;  // system error number of the first failure; 0 none
};

// Closes the file. A written file is flushed, forced to the disk and closed,
// and any failure of these is kept in ioResult. Closes the progress window,
// puts "Import/export av " + lines in 4 + " rader " + the time since the
// file was opened (FormatDuration 4) into MessageLine, and changes back to
// the current directory of the open. Nothing happens (all zero) when no file
// is open.
ExchangeSummary CloseExchangeFile();

bool ExchangeFileOpen();

// The system error number of the last failure of the file open now or
// closed last (reading, writing or closing); 0 when there was none.
int ExchangeIoResult();

}  // namespace oltoma
