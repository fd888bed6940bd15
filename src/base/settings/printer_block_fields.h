// Reading and writing the fields of a PrinterBlock's platform areas that the
// program uses: the page orientation, the paper, the resolution and the page
// margins, and the UTF-16 texts of those areas.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/settings/settings_records.h"
#include "platform/printer_catalog.h"

namespace oltoma {

// Stores Windows-1252 text as UTF-16 in a field of `capacity` characters:
// at most capacity - 1 characters, a NUL, zeros after it.
void StoreUtf16(std::uint16_t* field, std::size_t capacity, std::string_view text);

// The Windows-1252 text of a UTF-16 field, up to its first NUL and never
// past `capacity`; characters without a Windows-1252 byte become "?".
std::string LoadUtf16(const std::uint16_t* field, std::size_t capacity);

// The page margins in hundredths of a millimetre, read in the unit the
// page-setup flags name (thousandths of an inch are converted).
platform::PageMargins PageMarginsOf(const PrinterBlock& block);

// Stores the margins in hundredths of a millimetre and sets the flags to
// say so.
void SetPageMargins(PrinterBlock& block, const platform::PageMargins& margins);

// 1 portrait, 2 landscape; the paper extent of the page-setup data follows.
void SetOrientation(PrinterBlock& block, int orientation);

// Sets the paper code with its paper length and width (tenths of a
// millimetre) and form name; the page-setup paper extent follows.
void SetPaper(PrinterBlock& block, int paperCode, int widthTenthsMm, int lengthTenthsMm,
              std::string_view formName);

// The German standard fanfold, 8.5 x 12 inches.
void SetFanfoldPaper(PrinterBlock& block);

}  // namespace oltoma
