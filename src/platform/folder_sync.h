// Making a new or renamed file last across a power loss: its bytes are
// synced through its descriptor, and the name in its folder only by syncing
// the folder. Paths are the file system's own bytes.
#pragma once

#include <string>

namespace oltoma::platform {

// Syncs the folder holding `path` (its parent; "." for a bare name). False
// when the folder cannot be opened or synced.
bool SyncFolderOf(const std::string& path);

// Syncs the file at `path` without following a symbolic link. False when it
// cannot be opened or synced.
bool SyncFileAt(const std::string& path);

}  // namespace oltoma::platform
