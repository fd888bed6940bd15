// The program's name, which names its configuration folder and file and
// heads its print jobs. It starts as "kvarnix"; the main window sets it to
// "OltomaW64" before the configuration is read.
#pragma once

#include "base/text/short_string.h"

namespace oltoma {

extern ShortString<10> ProgramName;

}  // namespace oltoma
