// The report fonts of the writer, built from the printer block's stored
// fonts. Not for use outside src/print.
#pragma once

#include "base/settings/settings_records.h"
#include "platform/font_description.h"

namespace oltoma::report_detail {

// Builds the large, medium and small report fonts of the block, each at its
// point size / columnCount (rounded), into the report state.
void CreateReportFonts(const PrinterBlock& block, int columnCount);

// Reads the current font's metrics into the report state; on failure
// records "Kan ej finna textinformation om denna font!" (code 1).
void RefreshMetrics();

}  // namespace oltoma::report_detail
