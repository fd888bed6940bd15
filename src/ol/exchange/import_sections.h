// The sections of the import format. A header line (first character "*")
// selects the first section, in the order of this table, whose keyword
// occurs anywhere in the header line, both in upper case: "*Etapp=3"
// selects "*Etapp=", "*Basdata" selects "*Bas", "*kontroller från
// banläggaren" selects "*Kontroller". A record of a section is `lines` data
// lines.
//
//   no.  keyword           lines  what the import does with it
//   0    *Bas              6      closes the competition's file groups
//   1    *Klubbar          5      -
//   2    *Rutbeskr         10     symbols of the older route description file
//   3    *Banor            1      courses
//   4    *Kontroller       1      controls
//   5    *Resultat         1      results section (result log)
//   6    *Etapp=           1      sets the selected stage
//   7    *Klasser          1      opens a competition file group
//   8    *Namn             1      opens the participant files
//   9    *KlubbLottad      1      draw mode: club draw
//   10   *MotionsLottad    1      draw mode: recreational draw
//   11   *JaktLottad       1      draw mode: pursuit start
//   12   *RutB24           28     symbols of the 24-line route description file
//   13   *Maxdag           1      sets the number of days with results
//   14   *ModifieraNamn    1      as *Namn
//   15   *Distrikt         1      -
//   16   *GruppLottad      1      draw mode: group draw
//   17   *SkidLottad       1      -
//   18   *Emitresultat     1      results section, as *Resultat
//
// Records of the sections without a handler are read and dropped.
#pragma once

#include <string_view>

namespace oltoma::ol {

namespace ImportSection {
inline constexpr int kBas = 0;
inline constexpr int kKlubbar = 1;
inline constexpr int kRutbeskr = 2;
inline constexpr int kBanor = 3;
inline constexpr int kKontroller = 4;
inline constexpr int kResultat = 5;
inline constexpr int kEtapp = 6;
inline constexpr int kKlasser = 7;
inline constexpr int kNamn = 8;
inline constexpr int kKlubbLottad = 9;
inline constexpr int kMotionsLottad = 10;
inline constexpr int kJaktLottad = 11;
inline constexpr int kRutB24 = 12;
inline constexpr int kMaxdag = 13;
inline constexpr int kModifieraNamn = 14;
inline constexpr int kDistrikt = 15;
inline constexpr int kGruppLottad = 16;
inline constexpr int kSkidLottad = 17;
inline constexpr int kEmitresultat = 18;
inline constexpr int kCount = 19;

// The states of the current section that are no section of the table.
inline constexpr int kUnknown = -1;  // the file ended at an unknown header
inline constexpr int kRefused = -2;  // the file ended at a refused header
}  // namespace ImportSection

// The longest record: a symbol of the 24-line format.
inline constexpr int kMaxRecordLines = 28;

// The section a header line selects; ImportSection::kUnknown when none.
int SectionOfHeader(std::string_view headerLine);

// The keyword of section 0..18 ("*Kontroller").
std::string_view SectionKeyword(int section);

// Data lines that make one record of section 0..18; 1 for any other number.
int SectionRecordLines(int section);

bool IsResultsSection(int section);

}  // namespace oltoma::ol
