#include "ol/exchange/symbol_library.h"

#include <filesystem>

#include "base/files/file_choice.h"
#include "base/messages/messages.h"
#include "base/text/windows1252.h"
#include "ol/data/files/file_names.h"
#include "ol/data/files/fileblock_handles.h"
#include "ol/data/files/ol_state.h"
#include "ol/exchange/import_command.h"
#include "ol/exchange/symbol_drawing.h"
#include "platform/shared_data.h"
#include "storage/access_layer.h"

namespace oltoma::ol {
namespace {

namespace fs = std::filesystem;

constexpr int kQuestionCode = 101;

}  // namespace

std::string FindSymbolLibrary() {
    return platform::FindSharedDataFile(kSymbolLibraryFileName).path;
}

bool Route24RegisterEmpty() {
    OlState& ol = Ol();
    if (!ol.CommonFilesOpen) {
        return false;
    }
    storage::FileBlock* file = ol.route24File;
    const bool lent = file == nullptr;
    if (lent && !OpenDataFile(file, kRoute24Base)) {
        return false;
    }
    const std::int32_t used = storage::UsedRecs(file);
    const bool empty = storage::IsamSucceeded() && used == 0;
    if (lent) {
        CloseDataFile(file, kRoute24Base);
    }
    return empty;
}

bool OfferSymbolLibrary(platform::WindowHandle owner) {
    if (!Route24RegisterEmpty()) {
        return false;
    }
    const std::string library = FindSymbolLibrary();
    if (library.empty()) {
        return false;
    }
    const std::string question = Windows1252FromUtf8(
        "Rutbeskrivningsregistret är tomt. Importera symbolbiblioteket (IOF 2018)?");
    if (DisplayMessage(kQuestionCode, question) != platform::MessageResult::Yes) {
        return false;
    }
    const fs::path path(library);
    const std::string folder = Windows1252FromUtf8(path.parent_path().string());
    const std::string name = Windows1252FromUtf8(path.filename().string());
    ImportChosenFiles(owner, {DescribeFile(folder, name, kImportKeywordList)});
    return true;
}

}  // namespace oltoma::ol
