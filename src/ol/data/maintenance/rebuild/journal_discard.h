// Moving aside a repair journal that cannot be played back (engine status
// 10180), so that its fileblock can be rebuilt from the data file. The
// journal is never deleted: it is renamed to NAME.DIA.bad, or, when that
// name is taken by an earlier one, to the first free of NAME.DIA.bad.1 ..
// NAME.DIA.bad.99 (an earlier bad journal is never replaced); the folder
// is synced so the move lasts. The operation the journal was to undo is
// lost: the data file keeps whatever of it reached the disk.
#pragma once

#include <string>

namespace oltoma::ol {

// Moves `journal` (file system name) aside as above. Returns the new name
// (file system name); empty, with the engine status set (or system error
// 80 when every name is taken), when it could not be moved.
std::string DiscardJournal(const std::string& journal);

}  // namespace oltoma::ol
