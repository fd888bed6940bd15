// What the settings dialog for reports and labels decides without its
// widgets: the fields of its two pages filled from the working settings,
// stored back into a setting and its slot of the configuration file, the
// switch between settings, the printer and picture choices, and the end of
// the dialog. Texts are Windows-1252.
//
// A setting reaches the file whenever the user leaves it (switching to
// another setting, choosing a font, printer or picture, or closing the
// dialog) and is read from the file whenever the user switches to it.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "base/settings/settings_records.h"
#include "platform/print/picture.h"
#include "platform/printer_catalog.h"

namespace oltoma {

inline constexpr int kDialogPictures = 5;  // "bild0".."bild4"
inline constexpr int kReportNameLength = 40;
inline constexpr int kFooterLength = 64;
inline constexpr int kComputerNameLength = 31;

// The fonts "stor", "mellan", "liten" of a page.
using PageFonts = std::array<FontSpec, 3>;

// The report page of a print setting.
struct ReportPage {
    std::string name;                            // rapportnamn
    std::string footer;                          // fottext
    int columns = 1;                             // RaKolumnEdit
    std::array<bool, kDialogPictures> active{};  // cbAktiv1..4 (slot 0 kept)
    std::array<int, kDialogPictures> sizes{};    // PrBildSize1..4 (slot 0 kept)
};

// The label page of a label setting.
struct LabelPage {
    std::string name;  // etikettnamn
    int across = 1;    // EtXn
    int rows = 1;      // EtYn
    int copies = 1;    // Etcopies
    int columnPitch = 0;
    int rowPitch = 0;
    int labelHeight = 0;
    int leftMargin = 0;
    int labelWidth = 0;
    int topMargin = 0;
};

// The pages of the working settings (names from GlobalSettings).
ReportPage ReportPageOfWorkingSetting();
LabelPage LabelPageOfWorkingSetting();

// Stores a page into setting n (1..10; other numbers store nothing): it
// becomes the current setting, its name goes into GlobalSettings, and the
// working setting is written into slot n when the file can be opened.
// Lengths that cannot be stored are clamped: columns, sizes and across to
// 1..9, rows and copies to 1..99, heights, widths and pitches to 0..9999,
// margins to -999..9999.
void StoreReportPage(int n, const ReportPage& page);
void StoreLabelPage(int n, const LabelPage& page);

// Reads setting n from its slot of the file into the working setting and
// makes it current. False, with nothing changed, when n is outside 1..10
// or the file cannot be opened or read.
bool ReadPrintSettingSlot(int n);
bool ReadLabelSettingSlot(int n);

// The status text of a refused switch: "kan ej läsa inställningsfilen".
std::string UnreadableSettingsText();

// A font box: "(" + size in points + ") " + the face in double quotes.
std::string FontBoxText(const FontSpec& font);

// The printer name kept in a stored device mode.
std::string StoredPrinterName(const PrinterBlock& block);

// The settings page the dialog opens on: GlobalSettings' page (1 or 2;
// anything else shows page 1), counted from 1.
int SettingsPageToShow();

// The dialog's end: the page shown (1 or 2) and the computer name (cut to
// 31) into GlobalSettings.
void StoreDialogEnd(int page, std::string_view computerName);

// A confirmed printer into a setting's block: names, device mode,
// page-setup data and device names describe the printer, while the
// setting's own margins, fonts and column count stay. A printer that is not
// an installed queue is refused (false, nothing changed).
bool StoreChosenPrinter(PrinterBlock& block, const platform::PrinterInfo& printer);

// The picture of report picture slot 0..4 as the dialog shows it: the
// slot's file, or the built-in picture of that number when it has none or
// the file is missing. A file that cannot be loaded leaves "kan ej ladda
// filen "<path>"" in MessageLine and shows the built-in picture.
platform::Picture SlotPicture(int slot);

// A chosen picture file (path in the file system's UTF-8, as the dialog
// gives it) into slot 1..4 of the working print setting; an empty path
// clears the slot. A path the slot cannot keep (more than 1024 characters
// in Windows-1252, or characters outside it) is refused: false, MessageLine
// "kan ej lagra filnamnet "<path>"", the slot as it was.
bool StorePicturePath(int slot, std::string_view utf8Path);

}  // namespace oltoma
