#include "base/text/swedish_case.h"

namespace oltoma {
namespace {

bool IsWordSeparator(char c) {
    return c == ' ' || c == ',' || c == '-' || c == '.' || c == '/';
}

}  // namespace

char UpCaseSwedish(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 'a' && byte <= 'z') {
        return static_cast<char>(byte - 'a' + 'A');
    }
    switch (byte) {
        case 0xE0:
        case 0xE1:
        case 0xE2:
            return 'A';  // à á â
        case 0xE4:
            return '\xC4';  // ä
        case 0xE5:
            return '\xC5';  // å
        case 0xE6:
            return '\xC6';  // æ
        case 0xE7:
            return '\xC7';  // ç
        case 0xE8:
        case 0xEA:
        case 0xEB:
            return 'E';  // è ê ë
        case 0xE9:
            return '\xC9';  // é
        case 0xEC:
        case 0xED:
        case 0xEE:
        case 0xEF:
            return 'I';  // ì í î ï
        case 0xF1:
            return '\xD1';  // ñ
        case 0xF2:
        case 0xF3:
        case 0xF4:
            return 'O';  // ò ó ô
        case 0xF6:
            return '\xD6';  // ö
        case 0xF9:
        case 0xFA:
        case 0xFB:
            return 'U';  // ù ú û
        case 0xFC:
            return '\xDC';  // ü
        case 0xFF:
            return 'Y';  // ÿ
        default:
            return c;
    }
}

char LowCaseSwedish(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 'A' && byte <= 'Z') {
        return static_cast<char>(byte - 'A' + 'a');
    }
    switch (byte) {
        case 0xC4:
        case 0xC5:
        case 0xC6:
        case 0xC7:
        case 0xC9:
        case 0xD1:
        case 0xD6:
        case 0xDC:
            return static_cast<char>(byte + 0x20);  // Ä Å Æ Ç É Ñ Ö Ü
        default:
            return c;
    }
}

std::string UpperString(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        c = UpCaseSwedish(c);
    }
    return result;
}

std::string LowerString(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        c = LowCaseSwedish(c);
    }
    return result;
}

std::string CapitalizeWords(std::string_view text) {
    std::string result = UpperString(text);
    bool atWordStart = true;
    for (char& c : result) {
        if (IsWordSeparator(c)) {
            atWordStart = true;
        } else if (atWordStart) {
            atWordStart = false;
        } else {
            c = LowCaseSwedish(c);
        }
    }
    return result;
}

}  // namespace oltoma
