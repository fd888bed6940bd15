// The printers of the settings: filling a PrinterBlock from the platform's
// description of a printer, the printer that was current at start, the
// system's default printer as the template of default settings, and the
// selection of the working print setting's printer.
#pragma once

#include "base/settings/settings_records.h"
#include "platform/printer_catalog.h"

namespace oltoma {

// The error number "pagesetupdlg error: " reports when the system has no
// default printer to describe.
inline constexpr int kNoDefaultPrinterError = 4104;

// Fills the names and the three platform areas of the block from the
// printer (device mode: name, paper, orientation, resolution, one copy;
// page-setup data in hundredths of a millimetre with the printer's minimum
// margins as margins; device names) and marks it valid. Every other byte of
// those areas becomes 0; the fonts and the column count are kept.
void FillPrinterBlock(const platform::PrinterInfo& printer, PrinterBlock& block);

// StartPrinterBlock := the program's current printer, valid; invalid (all
// zero) when no printer is installed.
void CaptureStartPrinter();

// DefaultPrinterBlock := the system default printer (or, when none is set,
// the first installed one). With no printer at all the block stays invalid
// and MessageLine gets "Ingen skrivare installerad (pagesetupdlg error:
// 4104)".
void CaptureDefaultPrinter();

// Makes the printer named in the working print setting (device name) the
// current printer. An empty name, or no printer installed at all, counts as
// selected. Returns false when the named printer is not installed; then
// MessageLine names it: Kan ej finna skrivaren "<name>".
bool SelectSettingPrinter();

// Makes the printer that was current at start current again. When the start
// printer block is not valid, MessageLine gets "Error! Kan ej finna default
// skrivare." instead.
void RestoreStartPrinter();

}  // namespace oltoma
