#include "storage/internal/index_file.h"

#include "storage/internal/engine_state.h"
#include "storage/internal/journal.h"
#include "storage/internal/store_unit.h"

namespace oltoma::storage {

std::int64_t PageOffset(const FileBlock& block, int key, std::int32_t page) {
    return static_cast<std::int64_t>(page) * block.rowBytes + block.keys[key].keyOffset;
}

std::int64_t RecordOffset(const FileBlock& block, std::int32_t record) {
    return static_cast<std::int64_t>(record) * block.dataHeader.RecordLength;
}

bool ReadIndexPage(FileBlock& block, int key, std::int32_t page, IndexPage& contents) {
    const KeyDescriptor& descriptor = block.keys[key];
    std::uint8_t slot[kLargestPageBytes];
    const auto bytes = static_cast<std::size_t>(descriptor.header.PageBytes);
    if (!ReadAt(block.index, PageOffset(block, key, page), bytes, slot)) {
        return false;
    }
    if (!UnpackPage(slot, descriptor.keyLen, descriptor.header.PageSize, contents)) {
        return FailCorrupt();
    }
    return true;
}

bool WriteIndexPage(FileBlock& block, int key, std::int32_t page, const IndexPage& contents) {
    if (!PrepareWrite(block) || !EnsureRows(block)) {
        return false;
    }
    if (InUnit(block)) {
        block.unit.indexWritten = true;
    }
    const KeyDescriptor& descriptor = block.keys[key];
    std::uint8_t slot[kLargestPageBytes];
    PackPage(contents, descriptor.keyLen, descriptor.header.PageBytes, slot);
    return WriteAt(block.index, PageOffset(block, key, page),
                   static_cast<std::size_t>(descriptor.header.PageBytes), slot);
}

bool WriteKeyHeader(FileBlock& block, int key) {
    if (!PrepareWrite(block)) {
        return false;
    }
    KeyDescriptor& descriptor = block.keys[key];
    const KeyHeaderImage image = ImageOf(descriptor.header);
    if (!WriteAt(block.index, descriptor.keyOffset, sizeof image, &image)) {
        return false;
    }
    descriptor.headerChanged = false;
    return true;
}

bool WriteDataHeader(FileBlock& block) {
    if (!PrepareWrite(block)) {
        return false;
    }
    const DataHeaderImage image = ImageOf(block.dataHeader);
    if (!WriteAt(block.data, 0, sizeof image, &image)) {
        return false;
    }
    block.dataHeaderChanged = false;
    return true;
}

bool AppendZeroRow(FileBlock& block) {
    if (InUnit(block)) {
        ++block.rowCount;
        return true;
    }
    if (!PrepareWrite(block)) {
        return false;
    }
    const std::int64_t offset = static_cast<std::int64_t>(block.rowCount + 1) * block.rowBytes;
    if (!WriteZeros(block.index, offset, static_cast<std::size_t>(block.rowBytes))) {
        return false;
    }
    ++block.rowCount;
    block.zeroedRows = block.rowCount;
    return true;
}

bool ReadLink(FileHandle& file, std::int64_t offset, std::int32_t& link) {
    return ReadAt(file, offset, sizeof link, &link);
}

bool ReadFreeLink(FileBlock& block, int key, std::int32_t element, std::int32_t& link) {
    if (InUnit(block)) {
        return UnitReadLink(block, key, element, link);
    }
    return key == 0 ? ReadLink(block.data, RecordOffset(block, element), link)
                    : ReadLink(block.index, PageOffset(block, key, element), link);
}

bool WriteFreeLink(FileBlock& block, int key, std::int32_t element, std::int32_t link) {
    if (InUnit(block)) {
        UnitWriteLink(block, key, element, link);
        return true;
    }
    FileHandle& file = key == 0 ? block.data : block.index;
    const std::int64_t offset =
        key == 0 ? RecordOffset(block, element) : PageOffset(block, key, element);
    return PrepareWrite(block) && WriteAt(file, offset, sizeof link, &link);
}

}  // namespace oltoma::storage
