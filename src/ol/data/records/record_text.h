// Text handling shared by the orienteering records: the OEM conversion of
// text fields right after a record is read, and the zero-padded numbers the
// records store as text (record numbers in two digits, participant numbers
// in four).
//
// Older data files hold some texts in the OEM code page. Each record kind
// converts its own list of text fields with ConvertAfterRead; a field that
// holds none of the OEM letter codes is left untouched, byte for byte, so
// text written by this system reads back unchanged.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/text/oem_text.h"
#include "base/text/short_string.h"
#include "ol/data/records/record_fields.h"

namespace oltoma::ol {

// Converts a short string field from the OEM code page when it holds an OEM
// letter code. The stored length is cut to the field's size on the way.
template <std::size_t N>
void ConvertOemField(ShortString<N>& field) {
    if (HasOemLetters(field.view())) {
        field.assign(OemToAnsiText(field.view()));
    }
}

void ConvertOemField(TLongPathName& path);
void ConvertOemFields(AdressLines& lines);

// Cuts a short string field to at most maxLength characters.
template <std::size_t N>
void CutField(ShortString<N>& field, std::size_t maxLength) {
    if (field.size() > maxLength) {
        field.assign(field.view().substr(0, maxLength));
    }
}

// Text is written in Windows-1252 as it is held, so the conversion before
// writing leaves every record unchanged. Callers still name the step where a
// record leaves the program.
template <typename Record>
void ConvertBeforeWrite(Record&) {}

}  // namespace oltoma::ol
