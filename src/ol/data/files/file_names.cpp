#include "ol/data/files/file_names.h"

#include "base/settings/settings_state.h"
#include "base/text/number_format.h"
#include "base/text/windows1252.h"

namespace oltoma::ol {
namespace {

constexpr std::string_view kClubTableExtension = ".Dat";
constexpr std::string_view kTemporaryExtension = ".Tmp";

std::string ClubTableBaseName(int competition) {
    return CompetitionBaseName(kClubTableBase, competition);
}

}  // namespace

std::string CompetitionNumberText(int competition) {
    return IntZeroPadded(competition, 2);
}

std::string CompetitionBaseName(std::string_view base, int competition) {
    return std::string(base) + CompetitionNumberText(competition);
}

std::string DataFileText(std::string_view baseName) {
    const std::string_view directory = WorkingGlobalSettings().dataDirectory.view();
    if (directory.empty()) {
        return std::string(baseName);
    }
    std::string name(directory);
    if (name.back() != '/') {
        name += '/';
    }
    return name + std::string(baseName);
}

std::string DataFileName(std::string_view baseName) {
    return Utf8FromWindows1252(DataFileText(baseName));
}

std::string ClubTableFileName(int competition) {
    return DataFileName(ClubTableBaseName(competition) + std::string(kClubTableExtension));
}

std::string ClubTableFileText(int competition) {
    return DataFileText(ClubTableBaseName(competition) + std::string(kClubTableExtension));
}

std::string ClubTableTemporaryFileName(int competition) {
    return DataFileName(ClubTableBaseName(competition) + std::string(kTemporaryExtension));
}

}  // namespace oltoma::ol
