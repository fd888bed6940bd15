// The symbol library the program ships (symbol_drawing.h): where it is, and
// the offer to load it into an empty route description register after
// "skapa nya", so that a fresh installation draws control descriptions at
// once.
#pragma once

#include <string>

#include "platform/services.h"

namespace oltoma::ol {

// The library file (file system path) in the shared data of the running
// program (platform/shared_data.h: <prefix>/share/oltoma when installed,
// build/share/oltoma in the build tree); empty when it is not there.
std::string FindSymbolLibrary();

// True when the common files are open and RUTB24 holds no live symbol (the
// file is opened for the question when the other route file is in use).
bool Route24RegisterEmpty();

// The main window's offer after "skapa nya": when RUTB24 is empty and the
// library is found, asks (yes/no) "Rutbeskrivningsregistret är tomt.
// Importera symbolbiblioteket (IOF 2018)?" and on yes imports it as
// "&importera" imports a chosen file, log included. Returns whether it was
// imported.
bool OfferSymbolLibrary(platform::WindowHandle owner);

}  // namespace oltoma::ol
