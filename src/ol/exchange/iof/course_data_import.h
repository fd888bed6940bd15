// The import of an IOF XML 3.0 CourseData document (course_data_reader.h):
// the import of exchange files (import_file.h) hands files that begin as
// XML here, reads them whole into the bounded model, and only a sound
// document stores anything, through the sectioned import's store step
// (import_store.h: its lookups, counters, messages and limits).
//
// What is stored, from the race read:
//   controls  the Control elements whose type is Control: the type
//             attribute, else that of a course control naming the id, else
//             Control. Code = Id upper-cased, padded with blanks to 3 when
//             it begins with a digit; posX, posY = MapPosition in tenths of
//             a millimetre (rounded, halves away from zero; positions in
//             "px" are not stored). A control found keeps its cells A..H,
//             and its position when the document gives none in millimetres.
//             An Id that is empty or longer than 3 characters is not stored.
//   courses   name upper-cased and cut to 12; BanSize [MellanTid] := Length,
//             Rise := Climb (rounded; 0 without); codes: the course controls
//             of type Control (their own type attribute, else their
//             control's), the first control each names, normalised as
//             control codes. A first Start and a last Finish are the
//             course's ends; every other course control not of type Control
//             is dropped and counted. A course naming an Id the register
//             cannot hold is not stored, nor one whose cut name an earlier
//             course of the document has.
//   classes   per ClassCourseAssignment with a CourseName of at most 3
//             characters (upper-cased), the class found by its designation
//             gets Bana [race] (race = DagStr 1..5, else 1); the class's
//             first assignment with a course name decides. Classes are never
//             created.
//
// Log lines of this format (after five blanks, and in the status line):
//   RaceCourseData N hoppades över.
//   Kontrollen "ID" kan ej lagras (högst 3 tecken).
//   Positioner i bildpunkter (px) lagras inte.            (once per file)
//   Banan "NAMN" finns redan i filen.
//   Banan "NAMN" lagras inte: kontrollen "ID" kan ej lagras.
//   Banan "NAMN": N passager utan stämpling hoppade över.
//   Klassen "KLASS": tilldelning utan bannamn hoppades över.
//   Klassen "KLASS": banan "NAMN" har mer än 3 tecken.
//   Klassen "KLASS" finns inte.
// NAMN and KLASS as the document writes them.
#pragma once

#include <string>

#include "ol/exchange/iof/course_data_reader.h"

namespace oltoma::ol::iof {

// Reads the document from the exchange file open for reading, then the rest
// of the file, so that its lines are all counted. A refused document is
// shown in the status line and logged after five blanks (RefusalText).
CourseDataReading ReadExchangeCourseData(long long wantedRace);

// The log line that starts the document's import:
//   importerar "CourseData" "<event name>"
std::string CourseDataSectionLine(const CourseData& data);

enum class StoreEnd {
    done,
    stopped,  // the control file is full, or the files failed
    aborted,  // "avbryt"
};

// Stores the race read. The definition files must be open.
StoreEnd StoreCourseData(const CourseData& data);

}  // namespace oltoma::ol::iof
