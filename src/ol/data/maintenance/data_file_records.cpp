#include "ol/data/maintenance/data_file_records.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "ol/data/files/storage_failure.h"
#include "storage/data_header.h"
#include "storage/isam_status.h"

namespace oltoma::ol {

bool DataFileRecords::Open(const std::string& dataFileName, std::int32_t recordLength) {
    Close();
    ClearStorageStatus();
    if (!storage::OpenFile(file_, dataFileName, true, false)) {
        return false;
    }
    storage::DataHeaderImage header{};
    std::int64_t size = 0;
    if (!storage::ReadAt(file_, 0, sizeof header, &header) || !storage::FileSize(file_, size)) {
        Close();
        return false;
    }
    if (header.RecordLength != recordLength || header.SlotCount < 0) {
        Close();
        storage::ReportIsamError(storage::IsamCode::kBadDataHeader);
        return false;
    }
    recordLength_ = recordLength;
    headerSlots_ = header.SlotCount;
    modified_ = header.ModifiedFlag != 0;
    const std::int64_t whole = size / recordLength - 1;
    const std::int64_t counted =
        modified_ ? std::numeric_limits<std::int32_t>::max() : header.SlotCount;
    slots_ = static_cast<std::int32_t>(std::clamp<std::int64_t>(whole, 0, counted));
    return true;
}

bool DataFileRecords::Read(std::int32_t rc, void* record) {
    ClearStorageStatus();
    return storage::ReadAt(file_, static_cast<std::int64_t>(rc) * recordLength_,
                           static_cast<std::size_t>(recordLength_), record);
}

bool DataFileRecords::IsLive(const void* record) {
    std::int32_t status = 0;
    std::memcpy(&status, record, sizeof status);
    return status == 0;
}

bool DataFileRecords::IsLiveAt(std::int32_t rc, const void* record) const {
    if (!IsLive(record)) {
        return false;
    }
    if (rc <= headerSlots_) {
        return true;
    }
    const auto* bytes = static_cast<const std::uint8_t*>(record);
    return std::any_of(bytes, bytes + recordLength_, [](std::uint8_t b) { return b != 0; });
}

void DataFileRecords::Close() {
    if (file_.IsOpen()) {
        storage::CloseFile(file_);
    }
    slots_ = 0;
    headerSlots_ = 0;
    modified_ = false;
}

}  // namespace oltoma::ol
