// What the club and participant exports share: the file (the save dialog of
// the exchange file with comment ";", mask ";*.ol", default extension "ol",
// starting at the exchange path of GlobalSettings, which then names the
// folder chosen), lines built from stored texts, amounts, and the end of an
// export.
#pragma once

#include <string>
#include <string_view>

#include "ol/data/records/real48.h"
#include "platform/services.h"

namespace oltoma::ol {

enum class ExportResult {
    notOpened,  // no file chosen, or it could not be created
    written,    // every line written and the file closed
    aborted,    // "avbryt": the file holds what was written before it
    failed,     // a write or the close failed; the partial file stays
};

// Asks for the file and creates it; its first line names the program.
bool OpenExportFile(platform::WindowHandle owner, int progressLines);

// Writes a line of stored texts: characters 0..31 as blanks (a line end in
// a name would break the file's lines), cut to 255 characters.
bool WriteExportLine(std::string line);

// Closes the file. When a write or the close failed, MessageLine and an
// information box say
//   Fel vid skrivning av "<path>" <text of the system error>
ExportResult CloseExportFile(bool aborted);

// An amount with two decimals and "." (150 gives 150.00), rounded to the
// cent, halves away from zero.
std::string AmountText(const Real48& amount);

// A stored character as one Windows-1252 byte ("?" when it has none).
char StoredCharacter(char16_t character);

}  // namespace oltoma::ol
