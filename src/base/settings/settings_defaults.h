// The defaults of the settings records: what a new configuration file
// holds. They fill the working records of settings_state.h.
#pragma once

#include <string>

#include "base/settings/settings_records.h"

namespace oltoma {

// The default footer of report pages: the maker's web and mail address.
inline constexpr const char* kDefaultFooterText = "oltoma.example.org   info@oltoma.example.org";

// The working GlobalSettings := its defaults: label and print setting 1,
// scale word 1, settings dialog page 1, route description format 1, the
// default data directory as current data directory and as the entry of the
// running application kind, the reserved texts, the communication text and
// the setting names ("Etikettinställning" / "Utskriftsinställning" + n in
// two digits + " default", until the setting defaults name them). Every
// other byte is 0.
void DefaultGlobalSettings();

// The working label setting := the defaults of label setting n (1..10; other
// numbers give those of 1), and n's name in the working GlobalSettings.
void DefaultLabelSetting(int n);

// The working print setting := the defaults of print setting n (1..10; other
// numbers give those of 1), and n's name in the working GlobalSettings.
void DefaultPrintSetting(int n);

// The default computer name: the host name (at most 17 characters, "dator"
// when unknown) + ".DatorID.ejdef".
std::string DefaultComputerName();

}  // namespace oltoma
