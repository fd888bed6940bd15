// "deltagarna" and "deltagarna i öppna klasser": the participants of the
// current competition as an exchange file, with its draw state.
//
//   ";" + Tvl + " " + date and time        only with open participant files
//   "; Öppna och direktklasser, endast direktmodulen"   open classes only
//   "; brumlekvarn, ansgar prill"
//   "*Namn" ("*DirektNamn" for open classes) and one line per participant
//   the draw lines ("*MotionsLottad", "*GruppLottad", "*SkidLottad",
//     "*KlubbLottad", "*JaktLottad", each when set) and "*Maxdag=" + maxDag
//     in 2 digits, after the ordinary participants (not for open classes)
//   a second "*Namn" section for the late entries (`Oppen`) of a drawn
//     competition
//
// A participant line (n = the class's StrNr, at most 5; for open classes
// one stage only; fields separated by "," unless said):
//   club, class;
//   several days or a direct class: name, ",#" + DagKod per stage (not for
//     open classes), ",!" + Info, Bricka;  otherwise: Bricka, a name per stage;
//   a start time per stage (FrstStTid + StTid as m:ss, empty when StTid is
//     0; always empty for a direct class in the ordinary export);
//   a result per stage (ResultText form 4; empty when 0);
//   Nr (4 digits); then, not for open classes, ",#" + Extra (4 digits) when
//     not 0 and DagBana per stage.
// Names are written with ClubDisplayName. For open classes MellanTid
// becomes 0 and, with one stage, DagStr 1; only direct classes (the
// competition's dirklassfilter) with a first place entry of 1 or -1 are
// written.
//
// The save dialog of "deltagarna" also offers "IOF XML 3.0 (*.xml)": chosen,
// the file is an IOF EntryList instead (iof/iof_exports.h); a relay
// competition is refused with an information box before any file is made.
#pragma once

#include "ol/exchange/export_file.h"
#include "platform/services.h"

namespace oltoma::ol {

// Asks for the file (save dialog), writes it with 6 progress lines and stops
// at the first failed write or after the participant at which "avbryt" was
// pressed.
ExportResult ExportParticipants(platform::WindowHandle owner, bool openClasses);

}  // namespace oltoma::ol
