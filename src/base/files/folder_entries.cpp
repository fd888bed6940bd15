#include "base/files/folder_entries.h"

namespace oltoma {

std::vector<std::filesystem::directory_entry> FolderEntries(const std::string& folder,
                                                            std::error_code& error) {
    std::vector<std::filesystem::directory_entry> entries;
    error.clear();
    // The increment that takes an error code: operator++ throws.
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        entries.push_back(*entry);
    }
    return entries;
}

}  // namespace oltoma
