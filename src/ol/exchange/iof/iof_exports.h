// The registers as IOF XML 3.0 messages, written into the exchange file
// open for writing (export_file.h), in the schema's order. Each record is
// counted with CountExport; "avbryt" (checked after each record) ends the
// document early but whole. Each returns false at a failed write.
//
// OrganisationList: the clubs in key order, each
//   <Organisation type="Club"> Id (Cnr, when above 0), Name
//   (ClubDisplayName), ShortName (Kort, when set)
//
// EntryList: Event/Name (Tvl; "oltoma" when empty), then a PersonEntry per
//   live participant by record number: Id (Nr); Person/Name with Family =
//   the last word of the first name entry and Given = the words before it
//   (both in the exports' display form, ClubDisplayName); Organisation (Id,
//   Name) when the club is found; ControlCard (Bricka, when set);
//   Class/Name (Bet, when the class is found)
//
// CourseData: Event/Name; one RaceCourseData (raceNumber = DagStr when
//   StrNr > 1 and DagStr >= 1) with Control "STA1" of type Start, the live
//   controls in key order (Id = the code without its padding; MapPosition
//   in millimetres when posX or posY is not 0), Control "FIN1" of type
//   Finish; per live course in key order: Name, Length (at MellanTid) and
//   Climb when above 0, course controls Start "STA1", the codes (type
//   Control), Finish "FIN1"; a ClassCourseAssignment per live class, in key
//   order, whose Bana [race] (race = DagStr 1..5, else 1) names a live
//   course. The four-character ids of start and finish are never control
//   codes, and the schema asks for both ends.
#pragma once

namespace oltoma::ol::iof {

// Needs the common files (the club amounts are not part of the message).
bool WriteOrganisationList(bool& aborted);

// Needs the participant files.
bool WriteEntryList(bool& aborted);

// Needs the definition files.
bool WriteCourseData(bool& aborted);

}  // namespace oltoma::ol::iof
