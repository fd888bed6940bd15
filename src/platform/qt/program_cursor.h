// The number under which the program's own cursor "oltomaW_cr" is
// registered with the platform's cursors; dialogs show it when they open.
#pragma once

namespace oltoma {

inline constexpr int kProgramCursorNumber = 7;

}  // namespace oltoma
