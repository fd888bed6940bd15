// Rutb24Rec: a route description, a record of RUTB24 shared by all
// competitions (520 bytes; key `Namn`, length 11, unique).
//
//   offset  size  field       meaning; default of a new record
//   0       4     DataStatus  0 in a live record
//   4       2     Mark        smallint; 999
//   6       2     Rc          own record number, set when added
//   8       11    Namn        string[10]: key *
//   19      49    Text        string[48] *
//   68      432   Symbol      3 x 3 x 48 symbol codes: block b, row r,
//                             column c (from 1) at 68 + 144(b-1) + 48(r-1)
//                             + (c-1)
//   500     20    Reserv
//
// Fields marked * are converted from the OEM code page after reading. What
// the record shares with RutbRec is in route_description.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "base/text/short_string.h"
#include "ol/data/records/route_description.h"

namespace oltoma::ol {

constexpr int kSymbolBlockCount = 3;
constexpr int kSymbolRowCount = 3;
constexpr int kSymbolColumnCount = 48;

#pragma pack(push, 1)

struct Rutb24Rec {
    std::int32_t DataStatus;
    std::int16_t Mark;
    std::int16_t Rc;
    ShortString<10> Namn;
    ShortString<48> Text;
    std::uint8_t Symbol[kSymbolBlockCount][kSymbolRowCount][kSymbolColumnCount];
    std::uint8_t Reserv[20];
};

#pragma pack(pop)

static_assert(sizeof(Rutb24Rec) == 520);
static_assert(std::is_standard_layout_v<Rutb24Rec> && std::is_trivially_copyable_v<Rutb24Rec>);
static_assert(offsetof(Rutb24Rec, DataStatus) == 0);
static_assert(offsetof(Rutb24Rec, Mark) == 4);
static_assert(offsetof(Rutb24Rec, Rc) == 6);
static_assert(offsetof(Rutb24Rec, Namn) == 8);
static_assert(offsetof(Rutb24Rec, Text) == 19);
static_assert(offsetof(Rutb24Rec, Symbol) == 68);
static_assert(offsetof(Rutb24Rec, Symbol[1][0][0]) == 68 + 144);
static_assert(offsetof(Rutb24Rec, Symbol[0][1][0]) == 68 + 48);
static_assert(offsetof(Rutb24Rec, Reserv) == 500);

// Fills the record with the defaults of a new route description.
void ClearRutb24Rec(Rutb24Rec& route);

// Converts the text fields marked * above from the OEM code page.
void ConvertAfterRead(Rutb24Rec& route);

}  // namespace oltoma::ol
