// The register operations of the orienteering files: one family per indexed
// file, working on the kind's record buffer in Ol() (ol_state.h). Forms,
// reports, imports and exports find, store and delete records only through
// these.
//
//   kind          key used by Find            limit on adding  empty key
//   club          name (30 characters)        900 live         "XXX"
//   district      number (2)                  100 live         "99"
//   control       code                        none             "XXX"
//   course        designation                 none             "XXX"
//   route (both)  name                        none             "XXX"
//   class         designation (key 2, 8)      none             "XXX"
//   participant   number text (4)             none             -
//
// Find (mode, key, rc, notFound, ok):
//   mode 0 finds the key, 2 steps to the next key, 3 searches the first key
//   not below the given one, 4 resets the key position (rc becomes 0), any
//   other mode reads record rc as passed (kFindByNumber). A record is found
//   when rc names a record of the file (0 < rc < FileLen) that is live; it
//   is then read into the buffer and converted, and becomes the kind's
//   current record (buffer.rc). notFound tells whether no live record was
//   found (the buffer then keeps what it held); ok is the engine's success.
//   Finding a participant also loads its class and club when they differ
//   from the ones in the buffers; a club that is not found leaves the club
//   buffer named "Raderad/okänd klubb".
//
// Save (add, rc): adds (add) or rewrites record rc from the buffer and adds
//   its key(s). Adding checks the limit (refused: rc 0, the notice in
//   MessageLine), stores DataStatus 0 and sets rc, the current record and
//   the changed flag; a route description also stores rc in its Rc, a class
//   its Lnr. A club name is stored in upper case; an empty key as the table
//   says. Classes get key 2 (designation) and key 1 (the sort key, computed
//   as they are stored). Without add, record rc must be a live record and
//   its old key(s) must have been deleted first (Delete without record).
//
// Rewrite (rc): rewrites live record rc from the buffer; keys are untouched.
//
// Delete (mode, key, rc, withRecord): with mode 0 rc is found by the key.
//   Reads live record rc into the buffer and deletes its key 1; withRecord
//   also deletes the record, makes the current record 0, sets the changed
//   flag and leaves the deletion notice in MessageLine. A control that a
//   course uses (its use counter in the club table is above 0) is not
//   deleted with its record; MessageLine says so. Deleting a course with its
//   record lowers the use counter of each of its controls found in the
//   control file (control_uses.h).
//
// Clear: fills the buffer with the defaults of a new record; current record
//   0.
//
// Storage failures leave the files as they were before the call (a failed
// step is undone) and put the file name and the engine's text into
// MessageLine. Every operation returns whether it did its work.
#pragma once

#include <cstdint>
#include <string_view>

namespace oltoma::ol {

namespace FindMode {
inline constexpr int kByKey = 0;
inline constexpr int kByNumber = 1;
inline constexpr int kNext = 2;
inline constexpr int kSearch = 3;
inline constexpr int kReset = 4;
}  // namespace FindMode

inline constexpr int kMaxClubs = 900;
inline constexpr int kMaxDistricts = 100;

// Clubs (CLUBAR).
bool FindClub(int mode, std::string_view key, std::int32_t& rc, bool& notFound, bool& ok);
bool SaveClub(bool add, std::int32_t& rc);
void ClearClub();

// Districts (DISTR).
bool FindDistrict(int mode, std::string_view key, std::int32_t& rc, bool& notFound, bool& ok);
bool SaveDistrict(bool add, std::int32_t& rc);
bool RewriteDistrict(std::int32_t rc);
bool DeleteDistrict(int mode, std::string_view key, std::int32_t rc, bool withRecord);
void ClearDistrict();

// Controls (KONTRnn).
bool FindControl(int mode, std::string_view key, std::int32_t& rc, bool& notFound, bool& ok);
bool SaveControl(bool add, std::int32_t& rc);
bool RewriteControl(std::int32_t rc);
bool DeleteControl(int mode, std::string_view key, std::int32_t rc, bool withRecord);
void ClearControl();

// Courses (TRACKnn).
bool FindCourse(int mode, std::string_view key, std::int32_t& rc, bool& notFound, bool& ok);
bool SaveCourse(bool add, std::int32_t& rc);
bool RewriteCourse(std::int32_t rc);
bool DeleteCourse(int mode, std::string_view key, std::int32_t rc, bool withRecord);
void ClearCourse();

// Route descriptions, older form (RUTBESKR) and 24-line form (RUTB24).
bool FindRoute(int mode, std::string_view key, std::int32_t& rc, bool& notFound, bool& ok);
bool SaveRoute(bool add, std::int32_t& rc);
bool RewriteRoute(std::int32_t rc);
void ClearRoute();
bool FindRoute24(int mode, std::string_view key, std::int32_t& rc, bool& notFound, bool& ok);
bool SaveRoute24(bool add, std::int32_t& rc);
bool RewriteRoute24(std::int32_t rc);
void ClearRoute24();

// Classes (KLASSnn).
bool FindClass(int mode, std::string_view key, std::int32_t& rc, bool& notFound, bool& ok);
bool SaveClass(bool add, std::int32_t& rc);
bool RewriteClass(std::int32_t rc);
void ClearClass();

// Participants (OLnn).
bool FindParticipant(int mode, std::string_view key, std::int32_t& rc, bool& notFound, bool& ok);
bool SaveParticipant(bool add, std::int32_t& rc);
void ClearParticipant();

}  // namespace oltoma::ol
