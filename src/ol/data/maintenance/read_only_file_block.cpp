#include "ol/data/maintenance/read_only_file_block.h"

namespace oltoma::ol {

ReadOnlyFileBlock::ReadOnlyFileBlock(const std::string& path) {
    bool journalPending = false;
    storage::OpenFileBlockForReading(block_, path, journalPending);
    if (!storage::IsamSucceeded()) {
        block_ = nullptr;
    }
}

ReadOnlyFileBlock::~ReadOnlyFileBlock() {
    if (block_ != nullptr) {
        storage::CloseFileBlock(block_);
    }
}

bool ReadOnlyFileBlock::Usable(std::int32_t recordLength) const {
    return block_ != nullptr && storage::RecordLength(block_) == recordLength;
}

}  // namespace oltoma::ol
