// The import of one exchange file in the sectioned format (sections in
// import_sections.h, records in import_records.h, storing in
// import_store.h). The chosen files are imported one after the other; the
// first opens the import log, the last closes it.
//
// Reading a file: empty lines are skipped; a line that begins with ";" is a
// comment (status text and log); one that begins with "*" is a header; any
// other line is a data line of the current section, and a record is handed
// on once all its lines are read, the section did not change and a header
// was accepted (lines before the first header are dropped). A later header
// drops the lines of a record it cuts short. The file ends at its end, at an
// unknown header ("Okänd identifierare! Rad:" + line number in 5, in an
// information box and the log), at a header whose section is refused, when
// the control file is full or the files fail, at a read error, or when
// "avbryt" was pressed.
//
// Section starts, by section:
//   every one         refused without open common files ("Databas ej vald/
//                     datafiler saknas!")
//   *Bas              closes the definition and participant files
//   *Rutbeskr *RutB24 switch the route description format (0 or 1) for the
//                     rest of the file
//   *Kontroller       open the definition files (closing the participant
//   *Banor            files)
//   *Namn *Modi-      open the participant files (closing the definition
//   fieraNamn         files)
//   *Klasser          opens the participant files unless a group holding
//                     the class file is open
//   *Resultat         opens the participant files; the result log
//   *Emitresultat     (result_log.h) marks its start and end; with PrLogg
//                     the import log gives way to the result log's sheet
//   *Etapp=n          DagStr := n (1 when n <= 0 or n > StrNr)
//   *Maxdag=n         maxDag := n (1 when n < 0 or n > StrNr)
//   the draw modes    SetDrawMode (draw_mode.h); refused unless a group
//                     holding the class file is open
// A section refused because a competition group cannot be opened leaves
// "Filerna inte öppna" in MessageLine.
//
// A file without a header line that begins as XML (base/files/file_choice.h)
// is an IOF XML CourseData document (iof/course_data_import.h): its line
// "importerar "CourseData" "<event name>"" starts it as a header does, and
// its records are stored as the control and course sections store theirs,
// with the definition files opened as those sections open them.
//
// At the end of a file the section current then ends (a results section
// too), the exchange file is closed and its counts logged ("Adderade: nnn
// Modifierade: nnn Rader: nnn"), and the route description format of the
// start is restored; when that leaves the common files closed, they and the
// competition are opened again.
#pragma once

#include <string>

#include "platform/services.h"

namespace oltoma::ol {

// Imports folder + "/" + fileName, the index-th (from 1) of count files.
// index 1 opens the import log; the last file, and a file aborted with
// "avbryt", ends it with "IMPORT KLAR!".
void ImportFile(platform::WindowHandle owner, const std::string& fileName,
                const std::string& folder, int index, int count);

}  // namespace oltoma::ol
