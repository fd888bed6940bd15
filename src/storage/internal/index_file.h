// Reading and writing the pieces of the index file and the data file
// (internal). Every write first gives the journal the chance to reach the
// disk (journal mode: records logged by the running operation are written
// and flushed before any other write of the fileblock).
#pragma once

#include <cstdint>

#include "storage/internal/fileblock.h"
#include "storage/internal/index_page.h"

namespace oltoma::storage {

// Byte offset of page `page` of key `key`: page * RowBytes + key offset.
std::int64_t PageOffset(const FileBlock& block, int key, std::int32_t page);
// Byte offset of record `record`.
std::int64_t RecordOffset(const FileBlock& block, std::int32_t record);

// Reads a page; a page whose ItemCount is above PageSize is reported as
// corrupt (10140).
bool ReadIndexPage(FileBlock& block, int key, std::int32_t page, IndexPage& contents);
// Writes the whole page slot: used items, then zeros.
bool WriteIndexPage(FileBlock& block, int key, std::int32_t page, const IndexPage& contents);
bool WriteKeyHeader(FileBlock& block, int key);
bool WriteDataHeader(FileBlock& block);
// Appends one zero row to the index file (inside a store unit: when the unit
// ends, or before a page is written into the row).
bool AppendZeroRow(FileBlock& block);

// The 4-byte free-list link at the start of a slot of a file.
bool ReadLink(FileHandle& file, std::int64_t offset, std::int32_t& link);
// The free-list link of an element of the free list of `key` (0: a record),
// as the running store unit sees it; written at once outside a unit.
bool ReadFreeLink(FileBlock& block, int key, std::int32_t element, std::int32_t& link);
bool WriteFreeLink(FileBlock& block, int key, std::int32_t element, std::int32_t link);

}  // namespace oltoma::storage
