// A record as one JSON object, written from its field table
// (ol/data/records/field_descriptor.h): every field but padding, in layout
// order, under its name. Texts (Windows-1252 in the record) become UTF-8;
// integers are numbers, Booleans true or false, a ByteWord its first byte,
// a char16 a one-character string, arrays arrays in their shape, a nested
// record an object.
#pragma once

#include <cstdint>
#include <ostream>
#include <string_view>

#include "ol/data/records/field_descriptor.h"

namespace oltoma::tool {

// Writes the record whose bytes start at `record` (as many as the table
// covers) as one JSON object, without a line end.
void WriteRecordJson(std::ostream& out, const std::uint8_t* record, ol::FieldTable fields);

// `text` (UTF-8) as a JSON string with its quotes.
void WriteJsonString(std::ostream& out, std::string_view utf8);

}  // namespace oltoma::tool
