// The menu command "&importera" and the import of a list of chosen files,
// which oltoma-tool and the program's symbol library offer share with it.
//
// The command runs the file chooser (TFileDlgActionForm through a bound
// FileChooser, so this stays free of Qt) titled "Import", with the import's
// keyword list, once-only codes and filter (base/files/file_choice.h),
// starting at the exchange path of GlobalSettings, and imports each chosen
// file in the chooser's order (ImportFile). After the last file it closes
// the definition files if open (writing the club table) and opens the
// participant files again when a competition is current.
#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "base/files/file_choice.h"
#include "base/text/nul_terminated_text.h"
#include "platform/services.h"

namespace oltoma::ol {

// Runs the chooser: after OK, `folder` holds the folder listed last and the
// action has run once per chosen file in list order; returns true. After
// Cancel nothing runs and it returns false.
using FileChooser =
    std::function<bool(platform::WindowHandle owner, std::string_view title,
                       std::string_view onceOnlyCodes, std::string_view keywordList,
                       std::string_view filter, TLongPathName& folder, const FileAction& action)>;

// Binds the chooser and returns the one bound before. The program binds
// forms::ChooseFiles; unbound, every choice is cancelled.
FileChooser BindFileChooser(FileChooser chooser);

// "&importera". After OK the exchange path becomes the folder listed last.
void ImportCommand(platform::WindowHandle owner);

// Imports the entries in their order (entry.folder + "/" + entry.fileName,
// position i of n), then leaves the files as the command does.
void ImportChosenFiles(platform::WindowHandle owner, const std::vector<FileChoiceEntry>& entries);

}  // namespace oltoma::ol
