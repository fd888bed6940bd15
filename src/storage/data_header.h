// Data file header: the first 21 bytes of slot 0 of a data file (X.DAT).
// The data file is an array of slots of RecordLength bytes; slot n starts at
// n * RecordLength. Slot 0 is the header, the rest of it zero and unused.
// All integers are little-endian.
//
//   offset  width  field         meaning
//   0       4      FreeHead      first deleted record, -1 when none
//   4       4      FreeCount     records on the free list
//   8       4      SlotCount     highest record number ever allocated
//   12      4      RecordLength  slot length in bytes, above 20
//   16      4      KeyCount      indexes of the fileblock, 0..100 (low byte counts)
//   20      1      ModifiedFlag  1 while changed without journal and not closed
//
// A deleted record's first 4 bytes hold the next deleted record (-1 ends the
// list); its other bytes keep what the record held. Live records keep their
// first 4 bytes at 0 (a rule of the registers, not checked by the engine).
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

namespace oltoma::storage {

static_assert(std::endian::native == std::endian::little, "storage files are little-endian");

#pragma pack(push, 1)
struct DataHeaderImage {
    std::int32_t FreeHead;
    std::int32_t FreeCount;
    std::int32_t SlotCount;
    std::int32_t RecordLength;
    std::int32_t KeyCount;
    std::uint8_t ModifiedFlag;
};
#pragma pack(pop)

static_assert(sizeof(DataHeaderImage) == 21);
static_assert(offsetof(DataHeaderImage, FreeHead) == 0);
static_assert(offsetof(DataHeaderImage, FreeCount) == 4);
static_assert(offsetof(DataHeaderImage, SlotCount) == 8);
static_assert(offsetof(DataHeaderImage, RecordLength) == 12);
static_assert(offsetof(DataHeaderImage, KeyCount) == 16);
static_assert(offsetof(DataHeaderImage, ModifiedFlag) == 20);

inline constexpr std::int32_t kEndOfList = -1;
inline constexpr std::int32_t kMinRecordLength = 21;

// The data file's header as the engine holds it.
struct DataHeader {
    std::int32_t FreeHead = kEndOfList;
    std::int32_t FreeCount = 0;
    std::int32_t SlotCount = 0;
    std::int32_t RecordLength = 0;
    std::int32_t KeyCount = 0;
    std::uint8_t ModifiedFlag = 0;
};

inline DataHeaderImage ImageOf(const DataHeader& header) {
    return DataHeaderImage{header.FreeHead,     header.FreeCount, header.SlotCount,
                           header.RecordLength, header.KeyCount,  header.ModifiedFlag};
}

inline DataHeader HeaderOf(const DataHeaderImage& image) {
    return DataHeader{image.FreeHead,     image.FreeCount,       image.SlotCount,
                      image.RecordLength, image.KeyCount & 0xFF, image.ModifiedFlag};
}

}  // namespace oltoma::storage
