// The seeded data set shared by both sides of the storage benchmark, and the
// checksums that prove a workload did its work.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace oltoma::bench {

inline constexpr std::size_t kRecordLength = 100;  // bytes per record
inline constexpr std::size_t kKeyLength = 20;      // characters per key

// `count` records of kRecordLength bytes, each with a unique key of
// kKeyLength characters from [A-Z0-9], made from `seed` alone. A record's
// first 4 bytes are 0 (as every live record of the program), the key follows,
// the rest is seeded filler. Entry i is inserted i-th, so on an empty store it
// gets record number i + 1.
class DataSet {
public:
    DataSet(std::uint64_t seed, std::size_t count);

    std::size_t Size() const { return count_; }
    std::string_view Key(std::size_t i) const;
    const std::uint8_t* Record(std::size_t i) const;
    // The indexes of entries 0..count-1 in ascending key order.
    std::vector<std::uint32_t> KeyOrder(std::size_t count) const;

private:
    std::size_t count_;
    std::vector<char> keys_;
    std::vector<std::uint8_t> records_;
};

// A hash over what a workload saw, in the order it saw it: FNV-1a taken a
// 64-bit word at a time, so the check costs both sides little.
class Checksum {
public:
    void AddEntry(std::string_view key, std::int32_t number);
    void AddBytes(const void* bytes, std::size_t count);

    std::uint64_t Value() const { return hash_; }
    std::uint64_t Entries() const { return entries_; }

private:
    void AddWord(std::uint64_t word);

    std::uint64_t hash_ = 14695981039346656037ULL;
    std::uint64_t entries_ = 0;
};

// The checksum of a scan of entries 0..count-1 in key order: key and record
// number of each; with `withRecords` also the record's bytes.
Checksum ExpectedScan(const DataSet& data, std::size_t count, bool withRecords);

// Indexes of `lookups` entries drawn uniformly from 0..count-1.
std::vector<std::uint32_t> LookupSequence(std::uint64_t seed, std::size_t count,
                                          std::size_t lookups);

}  // namespace oltoma::bench
