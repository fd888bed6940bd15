#include "ol/exchange/import_command.h"

#include "base/settings/settings_state.h"
#include "ol/data/files/file_groups.h"
#include "ol/data/files/ol_state.h"
#include "ol/exchange/import_file.h"
#include "platform/process_state.h"

namespace oltoma::ol {
namespace {

FileChooser& BoundChooser() {
    static FileChooser chooser;
    return chooser;
}

// No file chooser bound: the import command does nothing.
void UnbindFileChooser() {
    BoundChooser() = nullptr;
}
[[maybe_unused]] const bool kResetRegistered = platform::RegisterStateReset(&UnbindFileChooser);

// The files as the command leaves them: the definition files a section
// opened closed again, the participant files open when a competition is.
void FinishImport() {
    CloseDefinitionFiles();
    if (Ol().CurrentCompetition != 0) {
        OpenParticipantFiles();
    }
}

}  // namespace

FileChooser BindFileChooser(FileChooser chooser) {
    FileChooser previous = std::move(BoundChooser());
    BoundChooser() = std::move(chooser);
    return previous;
}

void ImportCommand(platform::WindowHandle owner) {
    if (!BoundChooser()) {
        return;
    }
    GlobalSettings& settings = WorkingGlobalSettings();
    TLongPathName folder = settings.exchangePath;
    if (BoundChooser()(owner, "Import", kImportOnceOnlyCodes, kImportKeywordList, kImportFileFilter,
                       folder, &ImportFile)) {
        settings.exchangePath = folder;
        FinishImport();
    }
}

void ImportChosenFiles(platform::WindowHandle owner, const std::vector<FileChoiceEntry>& entries) {
    const int count = static_cast<int>(entries.size());
    for (int i = 1; i <= count; ++i) {
        ImportFile(owner, entries[i - 1].fileName, entries[i - 1].folder, i, count);
    }
    FinishImport();
}

}  // namespace oltoma::ol
