// The configuration file: all settings of the program, one file per user.
// Its name is <roaming app data>/<ProgramName>/<ProgramName>.P64
// (data_directory.h); it is 318272 bytes:
//
//   offset                     length  content
//   0                          60352   GlobalSettings
//   60352 + (n - 1) * 9776     9776    LabelSetting n, n = 1..10
//   158112 + (n - 1) * 16016   16016   PrintSetting n, n = 1..10
//
// (record layouts in settings_records.h). A file of any other size is not
// read: it is replaced by a file of defaults. Read and write failures of the
// file are otherwise ignored: the program goes on with what it has in
// memory.
#pragma once

#include <cstdint>

#include "base/settings/settings_records.h"

namespace oltoma {

inline constexpr std::int64_t kConfigurationFileSize = 318272;
inline constexpr std::int64_t kLabelSettingsOffset = sizeof(GlobalSettings);
inline constexpr std::int64_t kPrintSettingsOffset =
    kLabelSettingsOffset + kSettingSlots * sizeof(LabelSetting);
static_assert(kLabelSettingsOffset == 60352);
static_assert(kPrintSettingsOffset == 158112);
static_assert(kPrintSettingsOffset + kSettingSlots * sizeof(PrintSetting) ==
              kConfigurationFileSize);

// The exit code of a start that finds too little memory.
inline constexpr int kOutOfMemoryExitCode = 8;

// Start-up, for the application kind (this program: 5), in this order:
// checks that the working records fit in memory; notes the current printer
// (the start printer) and the system default printer; makes the program's
// folders; loads GlobalSettings and the current label and print settings
// from the file, or, when the file is missing, of the wrong size (message
// "Versionskonflikt av konfigurationsfilen "<file>" Nollställer. ", class 2)
// or unreadable, writes a new file of defaults and takes the defaults of
// settings 1; selects the print setting's printer; enters the kind's data
// directory. A printer of the loaded settings that is no longer installed
// leaves the file as it is and a message in MessageLine.
// Returns false only when memory is short: then "Minnesbrist!!" has been
// shown (class 2) and the caller ends the program with kOutOfMemoryExitCode.
bool LoadConfiguration(int applicationKind);

// The end: writes GlobalSettings and the working label and print settings
// into their slots (when the file can be opened for update), then makes the
// printer that was current at start current again.
void SaveConfiguration();

// Opens the existing file for reading and writing; returns whether it is
// open (the open flag).
bool OpenConfigFile();
void CloseConfigFile();

// Slot n (1..10) of the open file to or from the working label or print
// setting; other numbers do nothing. With the file not open, reading fills
// the working setting with the defaults of n, and writing does nothing. A
// read that fails leaves the working setting as it was. Return whether the
// file was read or written.
bool ReadLabelSetting(int n);
bool WriteLabelSetting(int n);
bool ReadPrintSetting(int n);
bool WritePrintSetting(int n);

}  // namespace oltoma
