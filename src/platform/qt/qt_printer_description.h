// What the program keeps of a printer set up in Qt (a QPrinter of the
// printer catalog, or one a print dialog confirmed).
#pragma once

#include <QPrinter>

#include "platform/printer_catalog.h"

namespace oltoma::platform {

// The queue's name, its make and model, whether it is the default printer,
// and the page as set up: paper, orientation, resolution and the printer's
// minimum margins. Texts are Windows-1252.
PrinterInfo PrinterInfoOf(const QPrinter& printer);

}  // namespace oltoma::platform
