// Field descriptors: a record layout described field by field (name,
// offset, kind, shape), built from the struct members themselves, so that
// code which needs field names (listings, exports, tests) reads the
// layouts without a second copy of any offset or size.
//
//   OLTOMA_FIELD(Record, member [, kind])
//
// makes the descriptor of Record::member from offsetof and the member's
// type: integers, char16, short strings, paths, ByteWord, AdressLines
// (five strings), CountType (six rows of 26 counters), AvgType (a nested
// record), and arrays of these up to three dimensions. `kind` overrides
// what the type says, for the one-byte fields the type cannot tell apart:
// FieldKind::Boolean (a stored Boolean) and FieldKind::Padding (bytes that
// carry nothing, as alignment gaps and spare bytes).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <type_traits>

#include "base/text/nul_terminated_text.h"
#include "base/text/short_string.h"
#include "ol/data/records/record_fields.h"

namespace oltoma::ol {

enum class FieldKind {
    Integer,   // little-endian integer of 1, 2 or 4 bytes (signedness below)
    Boolean,   // one byte, set when not 0
    ByteWord,  // two bytes; the first holds the value
    Char16,    // one UTF-16 code unit
    Text,      // short string: a length byte, then at most elementSize - 1 characters
    PathText,  // characters up to the first NUL (TLongPathName)
    Record,    // a nested record described by `nested`
    Padding,   // carries nothing
    Unspecified,
};

struct FieldDescriptor;
using FieldTable = std::span<const FieldDescriptor>;

inline constexpr int kMaxFieldRank = 3;

struct FieldDescriptor {
    std::string_view name;
    std::size_t offset = 0;
    std::size_t size = 0;  // bytes of the whole field
    FieldKind kind = FieldKind::Unspecified;
    std::size_t elementSize = 0;  // bytes of one element
    bool isSigned = false;        // Integer
    int rank = 0;                 // dimensions: 0 for a single element
    std::array<int, kMaxFieldRank> shape{};
    FieldTable nested;  // Record
};

// The field table of a record type (record_field_tables.h).
template <typename Record>
FieldTable FieldsOf();

struct AvgType;
template <>
FieldTable FieldsOf<AvgType>();

namespace field_detail {

// What one element of a member type is; `rank`/`shape` add the dimensions
// a type holds inside (AdressLines, CountType).
struct ElementType {
    FieldKind kind = FieldKind::Unspecified;
    bool isSigned = false;
    int rank = 0;
    std::array<int, kMaxFieldRank> shape{};
    FieldTable nested;
};

inline ElementType Kind(FieldKind kind, bool isSigned = false) {
    ElementType element;
    element.kind = kind;
    element.isSigned = isSigned;
    return element;
}

// A type that holds dimensions of its own.
inline ElementType Shaped(FieldKind kind, bool isSigned, std::array<int, kMaxFieldRank> shape,
                          int rank) {
    ElementType element = Kind(kind, isSigned);
    element.shape = shape;
    element.rank = rank;
    return element;
}

template <typename T>
struct Element {
    static ElementType Describe() {
        static_assert(std::is_integral_v<T>, "a field type the descriptors do not know");
        return Kind(FieldKind::Integer, std::is_signed_v<T>);
    }
};
template <>
struct Element<char16_t> {
    static ElementType Describe() { return Kind(FieldKind::Char16); }
};
template <std::size_t N>
struct Element<ShortString<N>> {
    static ElementType Describe() { return Kind(FieldKind::Text); }
};
template <std::size_t N>
struct Element<NulTerminatedText<N>> {
    static ElementType Describe() { return Kind(FieldKind::PathText); }
};
template <>
struct Element<ByteWord> {
    static ElementType Describe() { return Kind(FieldKind::ByteWord); }
};
template <>
struct Element<AdressLines> {
    static ElementType Describe() { return Shaped(FieldKind::Text, false, {5}, 1); }
};
template <>
struct Element<CountType> {
    static ElementType Describe() {
        return Shaped(FieldKind::Integer, true, {kCountGroupCount, kPositionCount}, 2);
    }
};
template <>
struct Element<AvgType> {
    static ElementType Describe() {
        ElementType element = Kind(FieldKind::Record);
        element.nested = FieldsOf<AvgType>();
        return element;
    }
};

// The innermost element type of an array type.
template <typename T>
using Innermost = std::remove_all_extents_t<T>;

// The element size of a described element: inner dimensions of the type
// divide its size.
template <typename Member>
std::size_t ElementSize(const ElementType& element) {
    std::size_t size = sizeof(Innermost<Member>);
    for (int i = 0; i < element.rank; ++i) {
        size /= static_cast<std::size_t>(element.shape[static_cast<std::size_t>(i)]);
    }
    return size;
}

}  // namespace field_detail

template <typename Member>
FieldDescriptor MakeField(std::string_view name, std::size_t offset,
                          FieldKind kind = FieldKind::Unspecified) {
    using Inner = field_detail::Innermost<Member>;
    const field_detail::ElementType element = field_detail::Element<Inner>::Describe();
    FieldDescriptor field;
    field.name = name;
    field.offset = offset;
    field.size = sizeof(Member);
    field.kind = kind == FieldKind::Unspecified ? element.kind : kind;
    field.isSigned = element.isSigned;
    field.nested = element.nested;
    field.elementSize = field_detail::ElementSize<Member>(element);
    // The member's own array dimensions first, then those inside its type.
    constexpr int arrayRank = static_cast<int>(std::rank_v<Member>);
    static_assert(arrayRank <= kMaxFieldRank);
    if constexpr (arrayRank >= 1) {
        field.shape[0] = static_cast<int>(std::extent_v<Member, 0>);
    }
    if constexpr (arrayRank >= 2) {
        field.shape[1] = static_cast<int>(std::extent_v<Member, 1>);
    }
    if constexpr (arrayRank >= 3) {
        field.shape[2] = static_cast<int>(std::extent_v<Member, 2>);
    }
    field.rank = arrayRank;
    for (int i = 0; i < element.rank && field.rank < kMaxFieldRank; ++i) {
        field.shape[static_cast<std::size_t>(field.rank)] =
            element.shape[static_cast<std::size_t>(i)];
        ++field.rank;
    }
    return field;
}

#define OLTOMA_FIELD(Record, member, ...)              \
    ::oltoma::ol::MakeField<decltype(Record::member)>( \
        #member, offsetof(Record, member) __VA_OPT__(, ) __VA_ARGS__)

}  // namespace oltoma::ol
