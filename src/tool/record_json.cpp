#include "tool/record_json.h"

#include <cstring>
#include <string>

#include "base/text/windows1252.h"

namespace oltoma::tool {
namespace {

using ol::FieldDescriptor;
using ol::FieldKind;

constexpr char kHexDigits[] = "0123456789abcdef";

void WriteEscapedUnit(std::ostream& out, unsigned unit) {
    out << "\\u" << kHexDigits[(unit >> 12) & 0xF] << kHexDigits[(unit >> 8) & 0xF]
        << kHexDigits[(unit >> 4) & 0xF] << kHexDigits[unit & 0xF];
}

long long IntegerAt(const std::uint8_t* at, std::size_t size, bool isSigned) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < size && i < sizeof value; ++i) {
        value |= static_cast<std::uint32_t>(at[i]) << (8 * i);
    }
    if (!isSigned) {
        return value;
    }
    switch (size) {
        case 1:
            return static_cast<std::int8_t>(value);
        case 2:
            return static_cast<std::int16_t>(value);
        default:
            return static_cast<std::int32_t>(value);
    }
}

// A UTF-16 code unit as a JSON string: surrogates (which stand alone here)
// and control characters escaped.
void WriteChar16(std::ostream& out, unsigned unit) {
    out << '"';
    if (unit < 0x20 || (unit >= 0xD800 && unit <= 0xDFFF)) {
        WriteEscapedUnit(out, unit);
    } else if (unit == '"' || unit == '\\') {
        out << '\\' << static_cast<char>(unit);
    } else if (unit < 0x80) {
        out << static_cast<char>(unit);
    } else if (unit < 0x800) {
        out << static_cast<char>(0xC0 | (unit >> 6)) << static_cast<char>(0x80 | (unit & 0x3F));
    } else {
        out << static_cast<char>(0xE0 | (unit >> 12))
            << static_cast<char>(0x80 | ((unit >> 6) & 0x3F))
            << static_cast<char>(0x80 | (unit & 0x3F));
    }
    out << '"';
}

void WriteElement(std::ostream& out, const FieldDescriptor& field, const std::uint8_t* at) {
    switch (field.kind) {
        case FieldKind::Integer:
            out << IntegerAt(at, field.elementSize, field.isSigned);
            break;
        case FieldKind::Boolean:
            out << (at[0] != 0 ? "true" : "false");
            break;
        case FieldKind::ByteWord:
            out << static_cast<unsigned>(at[0]);
            break;
        case FieldKind::Char16:
            WriteChar16(out, static_cast<unsigned>(IntegerAt(at, 2, false)));
            break;
        case FieldKind::Text: {
            const std::size_t capacity = field.elementSize - 1;
            const std::size_t length = at[0] < capacity ? at[0] : capacity;
            WriteJsonString(out, Utf8FromWindows1252(std::string_view(
                                     reinterpret_cast<const char*>(at + 1), length)));
            break;
        }
        case FieldKind::PathText: {
            const auto* chars = reinterpret_cast<const char*>(at);
            const void* nul = std::memchr(chars, 0, field.elementSize - 1);
            const std::size_t length =
                nul == nullptr ? field.elementSize - 1 : static_cast<const char*>(nul) - chars;
            WriteJsonString(out, Utf8FromWindows1252(std::string_view(chars, length)));
            break;
        }
        case FieldKind::Record:
            WriteRecordJson(out, at, field.nested);
            break;
        case FieldKind::Padding:
        case FieldKind::Unspecified:
            out << "null";
            break;
    }
}

// The elements of dimensions depth.. of the field, starting at `at`.
void WriteDimension(std::ostream& out, const FieldDescriptor& field, const std::uint8_t* at,
                    int depth) {
    if (depth == field.rank) {
        WriteElement(out, field, at);
        return;
    }
    std::size_t stride = field.elementSize;
    for (int i = depth + 1; i < field.rank; ++i) {
        stride *= static_cast<std::size_t>(field.shape[static_cast<std::size_t>(i)]);
    }
    out << '[';
    for (int i = 0; i < field.shape[static_cast<std::size_t>(depth)]; ++i) {
        if (i > 0) {
            out << ',';
        }
        WriteDimension(out, field, at + static_cast<std::size_t>(i) * stride, depth + 1);
    }
    out << ']';
}

}  // namespace

void WriteJsonString(std::ostream& out, std::string_view utf8) {
    out << '"';
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out << '\\' << c;
        } else if (byte < 0x20 || byte == 0x7F) {
            WriteEscapedUnit(out, byte);
        } else {
            out << c;
        }
    }
    out << '"';
}

void WriteRecordJson(std::ostream& out, const std::uint8_t* record, ol::FieldTable fields) {
    out << '{';
    bool first = true;
    for (const FieldDescriptor& field : fields) {
        if (field.kind == FieldKind::Padding) {
            continue;
        }
        if (!first) {
            out << ',';
        }
        first = false;
        WriteJsonString(out, field.name);
        out << ':';
        WriteDimension(out, field, record + field.offset, 0);
    }
    out << '}';
}

}  // namespace oltoma::tool
