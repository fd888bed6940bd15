// File filters of the file dialogs: a filter is pairs of a description and
// its masks, all separated by "|", the masks of one pair separated by ";":
//
//   "import/export|*.txt;*.exp|Alla filer (*.*)|*.*"
//
// Masks match file names as the system's dialogs always did: "*" any run of
// characters, "?" any one character, letters without regard to case, and
// "*.*" every name, with or without an extension.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace oltoma {

struct FileFilter {
    std::string description;
    std::vector<std::string> masks;
};

// The filter entry that lists every file.
inline constexpr std::string_view kAllFilesFilter = "Alla filer (*.*)|*.*";

// The filters of a filter text in order. A description without masks after
// it gets the mask "*.*"; empty masks are dropped.
std::vector<FileFilter> ParseFileFilter(std::string_view filter);

// The file chooser's filter list: the caller's filter (when not empty)
// followed by "Alla filer (*.*)|*.*".
std::string ChooserFilter(std::string_view callerFilter);

// Whether `fileName` matches `mask`, or any of `masks`.
bool MatchesFileMask(std::string_view fileName, std::string_view mask);
bool MatchesAnyFileMask(std::string_view fileName, const std::vector<std::string>& masks);

}  // namespace oltoma
