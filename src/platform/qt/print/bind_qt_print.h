// Binds the Qt print layer for the program: the CUPS printer, the report
// progress dialog and the picture reader. Call once after the QApplication
// exists; the bound objects live until the program ends.
#pragma once

namespace oltoma::platform {

void BindQtPrint();

}  // namespace oltoma::platform
