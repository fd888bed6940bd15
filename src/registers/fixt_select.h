// How register dialogs and pick lists locate records: the routine selector
// FixtRtnTypes and the bridge to the data layer's Find operations.
//
// The selector values are the data layer's find modes (ol/data/files/
// registers.h, FindMode): 0 finds a key, 2 steps to the next key, 3 searches
// the first key not below a key, 4 resets the key position, and 5 (like
// every value the data layer does not name) reads the record whose number
// is passed.
#pragma once

#include <cstdint>
#include <string_view>

namespace oltoma::registers {

enum FixtRtnTypes : int {
    FindRtn = 0,    // the record whose key equals the given key
    FindRcRtn = 1,  // by record number, as RcRtn
    NextRtn = 2,    // the record of the next key in key order
    SearchRtn = 3,  // the first key not below the given key
    ClearRtn = 4,   // key position before the first key
    RcRtn = 5,      // the given record number
    PrevRtn = 6,    // not used by this system; reads by record number
};

// A key handed to a register operation: at most 30 characters.
inline constexpr std::size_t kIsamKeyLength = 30;
inline std::string_view IsamKeyOf(std::string_view text) {
    return text.substr(0, kIsamKeyLength);
}

// The data layer's find operation of one record kind (FindClass,
// FindControl, ...): (mode, key, rc, notFound, ok).
using RecordFinder = bool (*)(int mode, std::string_view key, std::int32_t& rc, bool& notFound,
                              bool& ok);

// Runs `find` with the routine as its mode. Exst: a live record was loaded
// into the kind's buffer (Rc is its number). FileEnd: the engine found no
// next key or failed, so a walk stops at the end of the index and at any
// storage failure; a key whose record is deleted or outside the file gives
// Exst false and FileEnd false, and the walk goes on.
void FixtSelectWith(RecordFinder find, FixtRtnTypes rtn, std::string_view sStri, std::int32_t& Rc,
                    bool& Exst, bool& FileEnd);

}  // namespace oltoma::registers
