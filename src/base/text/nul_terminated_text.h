// Text stored in a fixed field of N bytes and ended by the first NUL, as the
// configuration file keeps paths and printer names.
//
//   offset  size  meaning
//   0       N     characters up to the first NUL; reads take at most N - 1
//                 of them even when a file holds no NUL; writes keep at
//                 most N - 1 characters and zero every byte after them
//
// `TLongPathName` is the 1025-byte path field: at most 1024 characters. Like
// every stored text, paths are Windows-1252; they are converted to the file
// system's UTF-8 only where a file or folder is opened.
#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace oltoma {

template <std::size_t N>
struct NulTerminatedText {
    static_assert(N >= 2, "a NUL-terminated field holds at least one character");
    static constexpr std::size_t kMaxLength = N - 1;

    char chars[N] = {};

    std::size_t size() const {
        const void* nul = std::memchr(chars, 0, kMaxLength);
        return nul == nullptr ? kMaxLength
                              : static_cast<std::size_t>(static_cast<const char*>(nul) - chars);
    }
    bool empty() const { return chars[0] == 0; }
    std::string_view view() const { return std::string_view(chars, size()); }
    std::string str() const { return std::string(view()); }

    // Stores the text up to its first NUL and at most N - 1 characters.
    void assign(std::string_view text) {
        const std::size_t nul = text.find('\0');
        if (nul != std::string_view::npos) {
            text = text.substr(0, nul);
        }
        const std::size_t count = text.size() < kMaxLength ? text.size() : kMaxLength;
        std::memcpy(chars, text.data(), count);
        std::memset(chars + count, 0, N - count);
    }
    NulTerminatedText& operator=(std::string_view text) {
        assign(text);
        return *this;
    }

    friend bool operator==(const NulTerminatedText& a, std::string_view b) { return a.view() == b; }
};

using TLongPathName = NulTerminatedText<1025>;
static_assert(sizeof(TLongPathName) == 1025);

}  // namespace oltoma
