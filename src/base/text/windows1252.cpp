#include "base/text/windows1252.h"

#include <array>

namespace oltoma {
namespace {

// Code points of the bytes 0x80..0x9F; the rest of the code page equals
// Latin-1. Undefined bytes keep their own value.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98..9F
};

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence at text[pos]; advances pos. Returns false for a
// malformed sequence (pos then skips one byte).
bool NextUtf8(std::string_view text, std::size_t& pos, char32_t& cp) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    int extra = 0;
    if (lead < 0x80) {
        cp = lead;
    } else if ((lead & 0xE0) == 0xC0) {
        cp = lead & 0x1F;
        extra = 1;
    } else if ((lead & 0xF0) == 0xE0) {
        cp = lead & 0x0F;
        extra = 2;
    } else if ((lead & 0xF8) == 0xF0) {
        cp = lead & 0x07;
        extra = 3;
    } else {
        ++pos;
        return false;
    }
    if (pos + extra >= text.size()) {
        ++pos;
        return false;
    }
    for (int i = 1; i <= extra; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return false;
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    pos += extra + 1;
    return true;
}

}  // namespace

char32_t DecodeWindows1252(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        return kHighControls[byte - 0x80];
    }
    return byte;
}

bool EncodeWindows1252(char32_t codePoint, char& byte) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        byte = static_cast<char>(codePoint);
        return true;
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == codePoint) {
            byte = static_cast<char>(0x80 + i);
            return true;
        }
    }
    return false;
}

std::string_view PrintablePrefix(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t cp = DecodeWindows1252(static_cast<unsigned char>(text[i]));
        // Controls: C0, DEL and C1 (the undefined bytes decode to C1).
        if (cp < 0x20 || (cp >= 0x7F && cp < 0xA0)) {
            return text.substr(0, i);
        }
    }
    return text;
}

std::string Utf8FromWindows1252(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (const char c : text) {
        AppendUtf8(out, DecodeWindows1252(static_cast<unsigned char>(c)));
    }
    return out;
}

std::string Windows1252FromUtf8(std::string_view text, char replacement) {
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        char32_t cp = 0;
        char byte = 0;
        if (NextUtf8(text, pos, cp) && EncodeWindows1252(cp, byte)) {
            out += byte;
        } else {
            out += replacement;
        }
    }
    return out;
}

}  // namespace oltoma
