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
    refused,    // the export cannot be made (the message says why); no file
};

// Asks for the file and creates it; its first line names the program.
bool OpenExportFile(platform::WindowHandle owner, int progressLines);

// The formats a save dialog offers: the exchange files (mask ";*.ol",
// default extension "ol"), and after them or alone IOF XML 3.0 (filter
// kIofXmlFilter, default extension "xml").
enum class ExportFormats { exchange, exchangeOrIofXml, iofXml };
enum class ExportFormat { none, exchange, iofXml };

// The save dialog's entry of IOF XML files, shown "IOF XML 3.0 (*.xml)".
inline constexpr const char* kIofXmlFilter = "IOF XML 3.0|*.xml";

// Asks for the file with the save dialog offering `formats`; the format of
// the filter chosen (none after cancel). The folder chosen becomes the
// exchange path of GlobalSettings.
ExportFormat AskExportFile(platform::WindowHandle owner, ExportFormats formats);

// Creates the file AskExportFile chose: an exchange file gets its first
// line, an XML file none. False when it cannot be created (MessageLine says
// so).
bool CreateExportFile(platform::WindowHandle owner, int progressLines, ExportFormat format);

// Writes bytes of an XML export as they are; false once a write has failed.
bool WriteExportBytes(std::string_view bytes);

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
