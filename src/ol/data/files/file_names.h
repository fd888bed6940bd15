// Names of the orienteering data files. Every name is the current data
// directory (GlobalSettings, stored in Windows-1252) + "/" + a base name; the
// storage engine adds the extensions of a fileblock (.DAT, .IX, .DIA), so the
// names passed to it carry none. A competition's files carry its number n
// (1..8) as two digits nn:
//
//   group                       files
//   common files                OLTOMA (competition register), CLUBAR (clubs),
//                               DISTR (districts), and RUTB24 (route
//                               description format 1) or RUTBESKR (any other)
//   participant files of n      KLASSnn, OLnn, TRACKnn, club table CLUBSnn.Dat
//   definition files of n       KLASSnn, KONTRnn, TRACKnn, club table
//   labels and giro slips       Etikett (labels), giroP (plusgiro and
//                               postgiro slips), giroB (bankgiro slips);
//                               kept by the label subsystem, named here so
//                               the backup copies them too
//
// The club table is a plain file named exactly CLUBSnn.Dat (this case, on a
// case-sensitive file system) wherever it is read, written, copied or
// deleted.
#pragma once

#include <string>
#include <string_view>

namespace oltoma::ol {

inline constexpr std::string_view kCompetitionRegisterBase = "OLTOMA";
inline constexpr std::string_view kClubRegisterBase = "CLUBAR";
inline constexpr std::string_view kDistrictRegisterBase = "DISTR";
inline constexpr std::string_view kRoute24Base = "RUTB24";
inline constexpr std::string_view kRouteBase = "RUTBESKR";
inline constexpr std::string_view kClassFileBase = "KLASS";
inline constexpr std::string_view kParticipantFileBase = "OL";
inline constexpr std::string_view kCourseFileBase = "TRACK";
inline constexpr std::string_view kControlFileBase = "KONTR";
inline constexpr std::string_view kClubTableBase = "CLUBS";
inline constexpr std::string_view kLabelFileBase = "Etikett";
inline constexpr std::string_view kPlusgiroFileBase = "giroP";
inline constexpr std::string_view kBankgiroFileBase = "giroB";

// The competition number in two digits ("01".."08"; wider numbers keep all
// their digits).
std::string CompetitionNumberText(int competition);

// "KLASS" + nn and the like.
std::string CompetitionBaseName(std::string_view base, int competition);

// The file system name (UTF-8) of a base name in the current data
// directory; a bare base name when no data directory is set.
std::string DataFileName(std::string_view baseName);

// The same name in Windows-1252, for the texts the user reads.
std::string DataFileText(std::string_view baseName);

// The club table file of a competition: CLUBSnn.Dat in the data directory.
std::string ClubTableFileName(int competition);
std::string ClubTableFileText(int competition);

// The file a new club table is written to before it replaces the old one.
std::string ClubTableTemporaryFileName(int competition);

}  // namespace oltoma::ol
