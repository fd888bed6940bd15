// The result log: marks the start and the end of a results section of the
// import ("*Resultat", "*Emitresultat"). It times the section, and when the
// competition's PrLogg is set it prints a log sheet on the log list
// (print/log_list.h), titled "OlTomaW:resultatlogg":
//
//   start   "   " + 60 "-"
//           "    Logg dag:" + DagStr + " "<computer name>" Sid-" + sheet + "- "
//   end     "    " + 15 "-" + Count[DagStr * 26 + MellanTid] in 5 + ".. " +
//             date and time + " " + 15 "-"
//           empty lines up to sheet line 77, then one more
//           "    DatorId: "<computer name>""
//           "    " + the status text + " .... " + weekday, date and time
//           "    #" + web address + " " + e-mail address + "##"
//
// The status text ("InputResultat aktiverad .." + the section's time) is set
// whether or not the sheet is printed.
#pragma once

namespace oltoma::ol {

// Called by the import when a results section starts; the import has set
// the sheet counter to 0 first (ResetResultLogSheets).
void ResultLogStart();

// Called by the import when the results section ends: stops the section's
// stopwatch and shows the status text; prints and closes the sheet.
void ResultLogEnd();

// The sheet counter := 0.
void ResetResultLogSheets();

}  // namespace oltoma::ol
