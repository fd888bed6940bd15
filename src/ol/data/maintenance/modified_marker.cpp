#include "ol/data/maintenance/modified_marker.h"

#include <algorithm>

#include "storage/data_header.h"
#include "storage/file_primitives.h"

namespace oltoma::ol {

std::optional<std::string> ModifiedMarkerText(const std::string& dataFileName) {
    storage::FileHandle file;
    if (!storage::OpenFile(file, dataFileName, true, false)) {
        return std::nullopt;
    }
    storage::DataHeaderImage header{};
    std::int64_t size = 0;
    const bool read =
        storage::ReadAt(file, 0, sizeof header, &header) && storage::FileSize(file, size);
    storage::CloseFile(file);
    if (!read || header.ModifiedFlag == 0 || header.RecordLength < storage::kMinRecordLength) {
        return std::nullopt;
    }
    // Slot 0 is the header; whole slots after it are records.
    const std::int64_t wholeRecords = size / header.RecordLength - 1;
    const std::int64_t beyond =
        std::max<std::int64_t>(0, wholeRecords - std::max<std::int32_t>(header.SlotCount, 0));
    return "modified marker set (written without journalling and not closed); " +
           std::to_string(beyond) + " whole records beyond the slot count " +
           std::to_string(header.SlotCount);
}

}  // namespace oltoma::ol
