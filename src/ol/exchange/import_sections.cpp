#include "ol/exchange/import_sections.h"

#include <string>

#include "base/text/swedish_case.h"

namespace oltoma::ol {
namespace {

struct SectionEntry {
    std::string_view keyword;
    int lines;
};

constexpr SectionEntry kSections[ImportSection::kCount] = {
    {"*Bas", 6},
    {"*Klubbar", 5},
    {"*Rutbeskr", 10},
    {"*Banor", 1},
    {"*Kontroller", 1},
    {"*Resultat", 1},
    {"*Etapp=", 1},
    {"*Klasser", 1},
    {"*Namn", 1},
    {"*KlubbLottad", 1},
    {"*MotionsLottad", 1},
    {"*JaktLottad", 1},
    {"*RutB24", kMaxRecordLines},
    {"*Maxdag", 1},
    {"*ModifieraNamn", 1},
    {"*Distrikt", 1},
    {"*GruppLottad", 1},
    {"*SkidLottad", 1},
    {"*Emitresultat", 1},
};

bool IsSection(int section) {
    return section >= 0 && section < ImportSection::kCount;
}

}  // namespace

int SectionOfHeader(std::string_view headerLine) {
    const std::string upper = UpperString(headerLine);
    for (int section = 0; section < ImportSection::kCount; ++section) {
        if (upper.find(UpperString(kSections[section].keyword)) != std::string::npos) {
            return section;
        }
    }
    return ImportSection::kUnknown;
}

std::string_view SectionKeyword(int section) {
    return IsSection(section) ? kSections[section].keyword : std::string_view();
}

int SectionRecordLines(int section) {
    return IsSection(section) ? kSections[section].lines : 1;
}

bool IsResultsSection(int section) {
    return section == ImportSection::kResultat || section == ImportSection::kEmitresultat;
}

}  // namespace oltoma::ol
