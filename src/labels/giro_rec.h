// TGiroRec: one prepared giro payment slip, the record of the giro files
// giroP (plusgiro and postgiro slips, kinds 0 to 2) and giroB (bankgiro
// slips, kinds 3 and 4); 1708 bytes, key: the giro key (30 characters, no
// duplicates).
//
//   offset  size  field       meaning
//   0       4     DataStatus  0 in a live record
//   4       1186  gtxt        message, NUL-terminated (at most 1185
//                             characters), lines separated by CR LF
//   1190    317   gadrtxt     address block, NUL-terminated (at most 316)
//   1507    31    TillG       string[30]: the account the money goes to
//   1538    31    EgetKonto   string[30]: the sender's own account
//   1569    31    AttBetala   string[30]: amount in whole kronor as decimal
//                             digits; empty when none
//   1600    31    Mottagare   string[30]: payee
//   1631    31    Referens    string[30]: reference (postgiro)
//   1662    3     Lnr         string[2]: littera, tells apart slips of one
//                             payee
//   1665    43    reserv      0
//
// Giro key: Mottagare, or Mottagare + "_" + Lnr when Lnr is not empty, at
// most 30 characters. A slip stored with an empty payee gets "XXX".
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

#include "base/text/nul_terminated_text.h"
#include "base/text/short_string.h"

namespace oltoma::labels {

// The kind of a giro slip, one byte (also kept in the competition record).
enum class Tgirotyp : std::uint8_t {
    plusgiro = 0,
    postgiro = 1,
    postgiro1 = 2,
    bankgiro = 3,
    bankgiro1 = 4,
};

inline constexpr std::int32_t kGiroRecordLength = 1708;
inline constexpr int kGiroKeyLength = 30;
inline constexpr int kMaxGiroSlips = 199;
inline constexpr std::size_t kGiroMessageLength = 1185;
inline constexpr std::size_t kGiroAddressLength = 316;
inline constexpr std::size_t kGiroFieldLength = 30;
inline constexpr std::size_t kLitteraLength = 2;
inline constexpr std::string_view kEmptyPayee = "XXX";

#pragma pack(push, 1)

struct TGiroRec {
    std::int32_t DataStatus;
    NulTerminatedText<kGiroMessageLength + 1> gtxt;
    NulTerminatedText<kGiroAddressLength + 1> gadrtxt;
    ShortString<kGiroFieldLength> TillG;
    ShortString<kGiroFieldLength> EgetKonto;
    ShortString<kGiroFieldLength> AttBetala;
    ShortString<kGiroFieldLength> Mottagare;
    ShortString<kGiroFieldLength> Referens;
    ShortString<kLitteraLength> Lnr;
    std::uint8_t reserv[43];
};

#pragma pack(pop)

static_assert(sizeof(TGiroRec) == kGiroRecordLength);
static_assert(std::is_standard_layout_v<TGiroRec> && std::is_trivially_copyable_v<TGiroRec>);
static_assert(offsetof(TGiroRec, DataStatus) == 0);
static_assert(offsetof(TGiroRec, gtxt) == 4);
static_assert(offsetof(TGiroRec, gadrtxt) == 1190);
static_assert(offsetof(TGiroRec, TillG) == 1507);
static_assert(offsetof(TGiroRec, EgetKonto) == 1538);
static_assert(offsetof(TGiroRec, AttBetala) == 1569);
static_assert(offsetof(TGiroRec, Mottagare) == 1600);
static_assert(offsetof(TGiroRec, Referens) == 1631);
static_assert(offsetof(TGiroRec, Lnr) == 1662);
static_assert(offsetof(TGiroRec, reserv) == 1665);

// The giro key of a payee and littera.
std::string GiroKey(std::string_view payee, std::string_view littera);
std::string GiroKey(const TGiroRec& slip);

// The base name of the giro file of a kind: "giroP" for kinds 0 to 2,
// "giroB" for the others.
std::string_view GiroFileBase(Tgirotyp kind);

}  // namespace oltoma::labels
