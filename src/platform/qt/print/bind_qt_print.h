// Binds the Qt print layer for the program: the CUPS printer, the report
// progress dialog, the picture reader and the question for a report's PDF
// file. Call once after the QApplication
// exists; the bound objects live until the program ends.
#pragma once

namespace oltoma::platform {

void BindQtPrint();

}  // namespace oltoma::platform
