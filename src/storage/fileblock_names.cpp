#include "storage/fileblock_names.h"

namespace oltoma::storage {

std::string WithExtension(std::string_view name, std::string_view extension) {
    const std::size_t slash = name.rfind('/');
    const std::size_t dot = name.rfind('.');
    const bool hasExtension =
        dot != std::string_view::npos && (slash == std::string_view::npos || dot > slash);
    std::string result(hasExtension ? name.substr(0, dot) : name);
    result += '.';
    result += extension;
    return result;
}

FileBlockNames NamesOfFileBlock(std::string_view fileBlockName) {
    const std::size_t separator = fileBlockName.find(';');
    std::string_view dataName = fileBlockName;
    std::string_view indexName = fileBlockName;
    if (separator != std::string_view::npos) {
        dataName = fileBlockName.substr(0, separator);
        indexName = fileBlockName.substr(separator + 1);
        indexName = indexName.substr(0, indexName.find(';'));
    }
    return FileBlockNames{WithExtension(dataName, "DAT"), WithExtension(indexName, "IX"),
                          WithExtension(dataName, "DIA")};
}

}  // namespace oltoma::storage
