// Field types shared by the orienteering records. Every record is a packed
// struct of these, written to its file byte for byte; integers are
// little-endian. All types here have alignment 1, so a record may sit at any
// address; read and write their integers through the record's members, never
// through pointers to them.
//
//   type            bytes  content
//   Boolean         1      0 false, 1 true (any other value read as true)
//   ByteWord        2      a Boolean or enumeration in the first byte; the
//                          second byte is carried over as read
//   TLongPathName   1025   characters ending at the first NUL (at most 1024)
//   AdressLines     115    five Strng22 lines: name, then address lines
//   CountType       312    156 smallint counters, six groups of 26
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/text/nul_terminated_text.h"
#include "base/text/short_string.h"

namespace oltoma::ol {

// Days (stages) a competition can have; per-day arrays hold entries 1..5 at
// index 0..4.
constexpr int kDayCount = 5;
// Split positions per day in the time, place and counter tables.
constexpr int kPositionCount = 26;
// Counter groups of CountType: group 0 counts all entries, groups 1..5 the
// days.
constexpr int kCountGroupCount = 6;

// A stored Boolean. Kept as a byte because a file may hold any value there.
using Boolean = std::uint8_t;

inline bool IsSet(Boolean value) {
    return value != 0;
}

#pragma pack(push, 1)

struct ByteWord {
    std::uint8_t value;
    std::uint8_t spare;
};
static_assert(sizeof(ByteWord) == 2);

struct AdressLines {
    Strng22 line[5];
};
static_assert(sizeof(AdressLines) == 115);

struct CountType {
    std::int16_t cell[kCountGroupCount * kPositionCount];
};
static_assert(sizeof(CountType) == 312);

#pragma pack(pop)

// Counter at (group 0..5, position 0..25); 0 for a cell outside the table.
std::int16_t CountAt(const CountType& counts, int group, int position);

// Adds delta to the counter at (group, position), wrapping like the stored
// 16-bit value. Returns false and changes nothing for a cell outside the
// table.
bool AddToCount(CountType& counts, int group, int position, int delta);

// A stored day count (`StrNr`) limited to the days the records have room
// for, 0..5, so loops over days never leave their arrays.
int ClampedDayCount(std::int16_t storedDayCount);

}  // namespace oltoma::ol
