// "klubbarna": the club register as an exchange file.
//
//   "; " + Tvl + " " + date and time     only with open participant files
//   "; brumlekvarn, ansgar prill, " + date
//   "*Klubbar"
//   per club, in key order (name), five lines:
//     ClubDisplayName(Namn),Cnr (5 digits),Dnr,Tecken3,Tecken1,Antal1 (2
//       digits),Tecken2,Kort,first amount,second amount[,#]
//     and one line per contact: its lines 1..4 joined by ","
//
// The amounts come from the competition's club table (empty without open
// participant files); ",#" marks a club with entries in the competition.
//
// The save dialog also offers "IOF XML 3.0 (*.xml)": chosen, the file is an
// IOF OrganisationList instead (iof/iof_exports.h).
#pragma once

#include "ol/exchange/export_file.h"
#include "platform/services.h"

namespace oltoma::ol {

// Asks for the file (save dialog), writes it with 3 progress lines and stops
// at the first failed write or after the club at which "avbryt" was pressed.
ExportResult ExportClubs(platform::WindowHandle owner);

}  // namespace oltoma::ol
