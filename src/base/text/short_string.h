// Short strings as stored in records and files: a length byte followed by at
// most N single-byte Windows-1252 characters, N + 1 bytes in all.
//
//   offset  size  meaning
//   0       1     length (a file may hold a value above N; reads cut it to N)
//   1       N     characters; bytes after the length are written as 0
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace oltoma {

template <std::size_t N>
struct ShortString {
    static_assert(N >= 1 && N <= 255, "a short string holds 1..255 characters");
    static constexpr std::size_t kCapacity = N;

    std::uint8_t length = 0;
    char chars[N] = {};

    ShortString() = default;
    ShortString(std::string_view text) { assign(text); }  // NOLINT: implicit by design

    // Number of characters, never more than N even when the stored length
    // byte claims more.
    std::size_t size() const { return length < N ? length : N; }
    bool empty() const { return size() == 0; }
    std::string_view view() const { return std::string_view(chars, size()); }
    std::string str() const { return std::string(view()); }
    operator std::string_view() const { return view(); }  // NOLINT: implicit by design

    // Stores the first N characters of text and zeroes the bytes after them,
    // so records written from it are deterministic.
    void assign(std::string_view text) {
        const std::size_t count = text.size() < N ? text.size() : N;
        if (count != 0) {  // an empty view may hold no pointer at all
            std::memcpy(chars, text.data(), count);
        }
        std::memset(chars + count, 0, N - count);
        length = static_cast<std::uint8_t>(count);
    }
    ShortString& operator=(std::string_view text) {
        assign(text);
        return *this;
    }

    friend bool operator==(const ShortString& a, const ShortString& b) {
        return a.view() == b.view();
    }
    friend bool operator==(const ShortString& a, std::string_view b) { return a.view() == b; }
};

// The named kinds of the system.
using allStrng = ShortString<255>;
using MyMsgStrng = ShortString<160>;
using Strng22 = ShortString<22>;
using Strng_3 = ShortString<3>;
using Strng_2 = ShortString<2>;

static_assert(sizeof(allStrng) == 256);
static_assert(sizeof(MyMsgStrng) == 161);
static_assert(sizeof(Strng22) == 23);
static_assert(sizeof(Strng_3) == 4);
static_assert(sizeof(Strng_2) == 3);

}  // namespace oltoma
