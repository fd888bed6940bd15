// Expected byte images of records for the orienteering record tests: a
// zeroed image of a record's size with the listed little-endian integers and
// short-string texts written at their file offsets.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace oltoma::ol::testing {

class RecordImage {
public:
    explicit RecordImage(std::size_t size) : bytes_(size, 0) {}

    RecordImage& Int(std::size_t offset, int width, std::int64_t value) {
        for (int i = 0; i < width; ++i) {
            bytes_.at(offset + i) = static_cast<std::uint8_t>(value >> (8 * i));
        }
        return *this;
    }
    // count values of the given width, one after the other from offset.
    RecordImage& Ints(std::size_t offset, int width, int count, std::int64_t value) {
        for (int i = 0; i < count; ++i) {
            Int(offset + static_cast<std::size_t>(i * width), width, value);
        }
        return *this;
    }
    RecordImage& Text(std::size_t offset, const std::string& text) {
        bytes_.at(offset) = static_cast<std::uint8_t>(text.size());
        std::memcpy(&bytes_.at(offset + 1), text.data(), text.size());
        return *this;
    }

    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
};

template <typename Record>
std::vector<std::uint8_t> BytesOf(const Record& record) {
    const auto* begin = reinterpret_cast<const std::uint8_t*>(&record);
    return std::vector<std::uint8_t>(begin, begin + sizeof(Record));
}

// The offsets where two images differ, for a readable failure message.
inline std::string Differences(const std::vector<std::uint8_t>& actual,
                               const std::vector<std::uint8_t>& expected) {
    std::string text;
    for (std::size_t i = 0; i < actual.size() && i < expected.size(); ++i) {
        if (actual[i] != expected[i]) {
            text += " @" + std::to_string(i) + ":" + std::to_string(actual[i]) +
                    "!=" + std::to_string(expected[i]);
            if (text.size() > 300) {
                return text + " ...";
            }
        }
    }
    return text;
}

}  // namespace oltoma::ol::testing
