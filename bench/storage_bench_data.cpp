#include "storage_bench_data.h"

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <unordered_set>

namespace oltoma::bench {

DataSet::DataSet(std::uint64_t seed, std::size_t count)
    : count_(count), keys_(count * kKeyLength), records_(count * kRecordLength) {
    static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::mt19937_64 random(seed);
    std::uniform_int_distribution<int> letter(0, static_cast<int>(sizeof kAlphabet) - 2);
    std::uniform_int_distribution<int> byte(0, 255);
    std::unordered_set<std::string> seen;
    seen.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        std::string key(kKeyLength, ' ');
        do {
            for (char& c : key) {
                c = kAlphabet[letter(random)];
            }
        } while (!seen.insert(key).second);
        std::memcpy(&keys_[i * kKeyLength], key.data(), kKeyLength);
        std::uint8_t* record = &records_[i * kRecordLength];
        std::memset(record, 0, 4);
        std::memcpy(record + 4, key.data(), kKeyLength);
        for (std::size_t b = 4 + kKeyLength; b < kRecordLength; ++b) {
            record[b] = static_cast<std::uint8_t>(byte(random));
        }
    }
}

std::string_view DataSet::Key(std::size_t i) const {
    return std::string_view(&keys_[i * kKeyLength], kKeyLength);
}

const std::uint8_t* DataSet::Record(std::size_t i) const {
    return &records_[i * kRecordLength];
}

std::vector<std::uint32_t> DataSet::KeyOrder(std::size_t count) const {
    std::vector<std::uint32_t> order(count);
    for (std::size_t i = 0; i < count; ++i) {
        order[i] = static_cast<std::uint32_t>(i);
    }
    std::sort(order.begin(), order.end(),
              [this](std::uint32_t a, std::uint32_t b) { return Key(a) < Key(b); });
    return order;
}

void Checksum::AddEntry(std::string_view key, std::int32_t number) {
    AddBytes(key.data(), key.size());
    AddWord(static_cast<std::uint32_t>(number));
    ++entries_;
}

void Checksum::AddBytes(const void* bytes, std::size_t count) {
    const auto* byte = static_cast<const std::uint8_t*>(bytes);
    std::size_t done = 0;
    for (; done + sizeof(std::uint64_t) <= count; done += sizeof(std::uint64_t)) {
        std::uint64_t word = 0;
        std::memcpy(&word, byte + done, sizeof word);
        AddWord(word);
    }
    std::uint64_t tail = count - done;  // the length keeps short tails apart
    for (std::size_t shift = 8; done < count; ++done, shift += 8) {
        tail |= static_cast<std::uint64_t>(byte[done]) << shift;
    }
    AddWord(tail);
}

void Checksum::AddWord(std::uint64_t word) {
    hash_ = (hash_ ^ word) * 1099511628211ULL;
    hash_ ^= hash_ >> 29;
}

Checksum ExpectedScan(const DataSet& data, std::size_t count, bool withRecords) {
    Checksum sum;
    for (const std::uint32_t i : data.KeyOrder(count)) {
        sum.AddEntry(data.Key(i), static_cast<std::int32_t>(i + 1));
        if (withRecords) {
            sum.AddBytes(data.Record(i), kRecordLength);
        }
    }
    return sum;
}

std::vector<std::uint32_t> LookupSequence(std::uint64_t seed, std::size_t count,
                                          std::size_t lookups) {
    std::mt19937_64 random(seed ^ 0x5DEECE66DULL);
    std::uniform_int_distribution<std::uint32_t> pick(0, static_cast<std::uint32_t>(count - 1));
    std::vector<std::uint32_t> sequence(lookups);
    for (std::uint32_t& i : sequence) {
        i = pick(random);
    }
    return sequence;
}

}  // namespace oltoma::bench
