// How club names (and, in the participant export, participant names) are
// written to exchange files. Names are stored in upper case; a competition
// whose `gemen` is set shows them in mixed case, with thirty common club
// abbreviations written as clubs write them.
#pragma once

#include <string>
#include <string_view>

namespace oltoma::ol {

// Without mixedCase the name unchanged. With it: CapitalizeWords (Swedish
// case), then each word of the table, where it first occurs as a whole word
// (between blanks or at either end, in any case), is written as the table
// has it:
//   OK GoIF IF iss IK AIS SOK SoIK AIF AIK BK SF OC GIF IFK SK FK OLG OL IL
//   OLV OS OF KFUM AI OKN GF SIA OLC GN
// "IFK GÖTEBORG" gives "IFK Göteborg", "OK LINNÉ" gives "OK Linné".
std::string ClubDisplayName(std::string_view name, bool mixedCase);

}  // namespace oltoma::ol
