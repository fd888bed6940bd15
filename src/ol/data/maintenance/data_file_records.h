// Reading the records of a fileblock's data file directly, without its
// index and journal: the index rebuild copies its records this way, so a
// register whose index is missing or damaged, or whose data file still
// carries the modified marker, can be rebuilt from what its data file
// holds. The data file's layout is the storage engine's (storage/
// data_header.h).
#pragma once

#include <cstdint>
#include <string>

#include "storage/file_primitives.h"

namespace oltoma::ol {

class DataFileRecords {
public:
    DataFileRecords() = default;
    DataFileRecords(const DataFileRecords&) = delete;
    DataFileRecords& operator=(const DataFileRecords&) = delete;
    ~DataFileRecords() { Close(); }

    // Opens the data file (file system name) read-only and locked. False,
    // with the engine status set, when it cannot be opened or read, or
    // (10060) when its header is not that of a data file of `recordLength`.
    bool Open(const std::string& dataFileName, std::int32_t recordLength);

    // Record slots 1..Slots(): those the header counts that lie wholly in
    // the file. For a file whose header carries the modified marker (written
    // without journal and never closed, so its counts cannot be trusted):
    // every whole record the file holds, (size - header) / record length.
    std::int32_t Slots() const { return slots_; }
    // The header's slot count.
    std::int32_t HeaderSlots() const { return headerSlots_; }
    // True when the header carries the modified marker.
    bool Modified() const { return modified_; }

    // Reads record slot rc (1..Slots()); false with the engine status set.
    bool Read(std::int32_t rc, void* record);

    // True when a record read is live: its first 4 bytes are 0.
    static bool IsLive(const void* record);
    // True when record slot rc, as read, holds a live record: IsLive, and,
    // past the header's count (a file marked as modified), not a slot of
    // zeros only, which is an append that never reached the disk.
    bool IsLiveAt(std::int32_t rc, const void* record) const;

    void Close();

private:
    storage::FileHandle file_;
    std::int32_t recordLength_ = 0;
    std::int32_t slots_ = 0;
    std::int32_t headerSlots_ = 0;
    bool modified_ = false;
};

}  // namespace oltoma::ol
