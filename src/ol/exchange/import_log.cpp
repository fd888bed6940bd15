#include "ol/exchange/import_log.h"

#include <string>

#include "print/log_list.h"

namespace oltoma::ol {

void ImportLog(std::string_view text) {
    LogLine(LogText(text));
}

void ImportLogMessage(std::string_view text) {
    ImportLog("     " + std::string(text));
}

void OpenImportLog() {
    LogOpen("importlogg");
    ImportLog("LOGGLISTA IMPORT");
    ImportLog("");
}

void CloseImportLog() {
    ImportLog("IMPORT KLAR!");
    LogClose();
}

}  // namespace oltoma::ol
