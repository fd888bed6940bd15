// Storing one imported record: a control, a course or a symbol of either
// route description file, from its parsed fields (import_records.h). Every
// import format stores through these, so that lookups, counting, messages
// and the mending of failures are the same whatever the file looked like.
//
// Each record is looked up by exactly the key it is stored under (a key cut
// to its field, an empty key as "XXX"), so importing the same file again
// rewrites what the first run added. A record found is rewritten, any other
// one added. It is then counted with CountRecord (base/files/exchange_file.h)
// as added or modified; when its store failed it is counted as faulty
// ("..felaktig!!"), the failure text the register left in MessageLine goes
// to the log after five blanks, and a failure of the files themselves (I/O,
// damage) ends the file, while a refused key does not.
//
// The needed files must be open: the definition files for controls,
// courses and classes, the route description file of the record's format for symbols.
#pragma once

#include "ol/exchange/import_records.h"

namespace oltoma::ol {

// The most controls an import adds to a competition: a control beyond it is
// refused and ends the file.
inline constexpr int kMaxImportedControls = 511;

enum class StoreOutcome {
    stored,    // added or modified
    faulty,    // not stored; the file goes on
    stop,      // not stored; the rest of the file is not read
    notFound,  // the record to change does not exist; nothing counted
};

// A control: cells that are neither the key of a symbol of the route
// description file in use nor read as a number (nor stop reading as one at
// ".", "/" or "_": 12.5, 1/2, 10_20) are reported as
//   KodNr: "<code>","<cell>" Ruta:<A..H> ... ej funnen
// (status line and log) and stored all the same. A new control when the
// file already holds 511 records is refused with "Max antal kontroller
// uppnått kan ej addera!" in the status line, and the file stops. Counted
// as "Kontr: " + code + " Record:" + record number in 4.
StoreOutcome StoreControl(const ControlFields& fields);

// A course: BanSize at the competition's MellanTid, the climb and up to 35
// control codes ("Max antal kontroller per bana uppnått kan ej addera! Bana
// "<name>"" for more, status line and log). A code not in the control file
// is kept and reported as "Odefinierad kodsiffra (kontrollpunkt)! <code>".
// A new course adds one use to each of its controls found (the club table's
// control use counters) once it is stored; a rewritten course changes no
// counter. Counted as "Bana: " + name + " Record:" + record number in 4.
StoreOutcome StoreCourse(const CourseFields& fields);

// The course of one race (1..5) of the class found by its designation
// (exact key): Bana [race] := course (at most 3 characters). Counted as
// modified, "Klass: " + designation + " Record:" + record number in 4;
// notFound when no class has the designation.
StoreOutcome StoreClassCourse(const std::string& designation, const std::string& course, int race);

// A symbol of RUTB24 (24-line format) or RUTBESKR (older format): key, text,
// symbol number and picture. Counted as added with the key as text, or as
// modified with the key found + "->" + the key.
StoreOutcome StoreSymbol24(const SymbolFields& fields);
StoreOutcome StoreSymbol(const SymbolFields& fields);

}  // namespace oltoma::ol
