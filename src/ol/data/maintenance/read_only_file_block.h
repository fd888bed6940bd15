// A fileblock opened read-only for the length of a check, its journal left
// unplayed, closed when the object goes: the check never changes a file.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "storage/access_layer.h"

namespace oltoma::ol {

class ReadOnlyFileBlock {
public:
    // Opens the fileblock `path` (file system name, no extension).
    explicit ReadOnlyFileBlock(const std::string& path);
    ReadOnlyFileBlock(const ReadOnlyFileBlock&) = delete;
    ReadOnlyFileBlock& operator=(const ReadOnlyFileBlock&) = delete;
    ~ReadOnlyFileBlock();

    // Whether it opened with the record length expected.
    bool Usable(std::int32_t recordLength) const;
    storage::FileBlock* Block() const { return block_; }

    // Every record slot read, indexed by record number, with whether it is
    // live (slot 0, the header, is never live); empty when the fileblock is
    // not usable or a read fails.
    template <typename Record>
    std::vector<std::pair<bool, Record>> Records() const {
        if (!Usable(static_cast<std::int32_t>(sizeof(Record)))) {
            return {};
        }
        std::vector<std::pair<bool, Record>> records(1);
        const std::int32_t slots = storage::FileLen(block_);
        for (std::int32_t rc = 1; rc < slots; ++rc) {
            Record record{};
            storage::GetRec(block_, rc, &record);
            if (!storage::IsamSucceeded()) {
                return {};
            }
            records.emplace_back(record.DataStatus == 0, record);
        }
        return records;
    }

private:
    storage::FileBlock* block_ = nullptr;
};

}  // namespace oltoma::ol
