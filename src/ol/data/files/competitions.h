// The competitions of the data directory: records 1..8 of the competition
// register OLTOMA (a record's number is its competition number; a deleted
// record's slot is reused by the next competition added). The register is
// opened only inside each operation, which also refreshes
// Ol().CompetitionSlots (FileLen: highest number + 1) and
// Ol().CompetitionsUsed (live competitions).
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "ol/data/files/ol_state.h"

namespace oltoma::ol {

// Reads CompetitionSlots and CompetitionsUsed; both 0 and false when the
// register cannot be opened.
bool RefreshCompetitionCounts();

// Finds competition n: mode 0 and 3 take n from the first two characters of
// text ("03"), mode 2 takes the current competition + 1, mode 4 gives 0,
// any other mode keeps n. Found when 1 <= n <= 8, n < CompetitionSlots and
// its record is live: the record is read into the competition buffer and
// converted, n becomes the current competition and the recreational flag is
// set from its type. n becomes 0 when not found (notFound true). ok tells
// whether the register could be read. Returns !notFound.
bool FindCompetition(int mode, std::string_view text, int& n, bool& notFound, bool& ok);

// Stores the competition buffer: with add as a new competition (refused
// with message 526 "Max antal tävlingar uppnått, kan ej addera fler!" when
// eight are live or no number 1..8 is free; n then 0), giving it DataStatus
// 0, its number n and Lnr; without add over live record n. n becomes the
// current competition. A storage failure is reported in MessageLine and
// leaves the register as it was. Returns success.
bool SaveCompetition(bool add, int& n);

// Writes the competition buffer back over live record n (nothing for n 0).
bool StoreCompetition(int n);

// The defaults of a new competition in the buffer; no current competition;
// not recreational.
void ClearCompetitionRecord();

// Makes competition n current and opens its participant files (closing the
// open competition's groups first), or with n 0 and clear, clears the
// competition buffer and club table. Without open common files the current
// number of GlobalSettings becomes 0. With more than eight slots and n 0,
// MessageLine gets message 526 instead.
void SelectCompetition(bool clear, int n);

// Makes the competition remembered in GlobalSettings current again, or sets
// the remembered number to 0 when it cannot be.
void ReopenCompetition();

// Deletes competition n (1..8, live) when the common files are open and
// neither competition group is: with confirm, asks "OlDataBas: <name>
// raderas " (yes/no) first. Deletes KLASSnn, CLUBSnn.Dat, OLnn, TRACKnn and
// KONTRnn in this order; MessageLine then lists the names deleted
// ("KLASS03" "CLUBS03" ...), and each file that could not be deleted is
// shown as Filerna "<name>" kunde inta raderas!. Then deletes record n; no
// competition is current afterwards. Returns whether the record was deleted.
bool DeleteCompetition(int n, bool confirm);

// A competition menu entry ("välj" and "radera").
struct CompetitionMenuEntry {
    enum class State { vacant, deleted, live };
    State state = State::vacant;
    std::string name;  // Tvl of a live competition
};

// The eight menu entries, for competitions 1..8. With the common files open
// the current competition's record is written back first (so the entries
// show what was edited), and a current competition whose record is no
// longer live stops being current. All vacant without open common files.
std::array<CompetitionMenuEntry, kMaxCompetitions> ReadCompetitionMenuEntries();

}  // namespace oltoma::ol
