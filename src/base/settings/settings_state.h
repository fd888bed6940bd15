// The process-wide settings: the working GlobalSettings and the working
// label and print settings (the current ones, numbers 8 and 9 of
// GlobalSettings), the printer that was current at start, the system's
// default printer (template of every default setting), and what start-up
// decided about the configuration file. LoadConfiguration fills them;
// everything else reads and changes the working copies in place. They live
// for the whole process, so references to them stay valid.
#pragma once

#include <string>

#include "base/settings/settings_records.h"

namespace oltoma {

// The application kind this program runs as (0..30; this program is 5). It
// chooses the entries of the per-kind arrays of GlobalSettings.
inline constexpr int kOltomaApplicationKind = 5;

GlobalSettings& WorkingGlobalSettings();
LabelSetting& WorkingLabelSetting();
PrintSetting& WorkingPrintSetting();

PrinterBlock& StartPrinterBlock();
PrinterBlock& DefaultPrinterBlock();

struct ConfigurationState {
    int applicationKind = kOltomaApplicationKind;
    std::string fileName;              // file system path of the file
    std::string defaultDataDirectory;  // Windows-1252
    bool inUse = false;                // the file is used at all
    bool open = false;                 // OpenConfigFile holds it open now
    int descriptor = -1;               // while open
};

ConfigurationState& Configuration();

// The current label and print setting numbers of the working GlobalSettings,
// made 1 when the stored byte is outside 1..10.
int CurrentLabelNumber();
int CurrentPrintNumber();

}  // namespace oltoma
