// The checksum of the maintenance files (rebuild plan, backup manifest):
// FNV-1a over 32 bits, fed piece by piece.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace oltoma::ol {

class FnvChecksum {
public:
    void Add(std::string_view bytes) {
        for (const char c : bytes) {
            hash_ ^= static_cast<unsigned char>(c);
            hash_ *= 16777619u;
        }
    }
    std::uint32_t Value() const { return hash_; }
    // Eight lower-case hexadecimal digits.
    std::string Hex() const { return Hex(hash_); }
    static std::string Hex(std::uint32_t value) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "%08x", static_cast<unsigned>(value));
        return hex;
    }

private:
    std::uint32_t hash_ = 2166136261u;
};

}  // namespace oltoma::ol
