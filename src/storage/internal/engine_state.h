// The process-wide state of the storage engine (internal): whether it is
// initialised, the open fileblocks in opening order, the page cache, and the
// checks every operation makes before it starts.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "storage/internal/fileblock.h"
#include "storage/internal/page_cache.h"

namespace oltoma::storage {

struct Engine {
    bool initialised = false;
    int lockingMode = 0;
    std::vector<std::unique_ptr<FileBlock>> openBlocks;
    PageCache cache;
};

Engine& TheEngine();
inline PageCache& ThePageCache() {
    return TheEngine().cache;
}

// Sets the engine error code and returns false.
bool Fail(int code);
// A structure read from a file is impossible (a page count, child pointer or
// depth out of range): 10140 without a system error.
bool FailCorrupt();

// Closes `opened` (when open) and deletes the named files after a failure,
// keeping the failure's error code.
void CloseAndDeleteKeepingError(FileHandle* opened,
                                std::initializer_list<const std::string*> remove);

// Clears the status and checks that the engine is initialised (10455).
bool BeginCall();
// Clears the status and runs the checks of an operation on a fileblock:
// engine initialised (10455), a reference to an open fileblock (10445), and
// for modifying operations a writable fileblock (10065) whose syncs have not
// failed (10140 with the flush's system error) and whose store unit has not
// failed (the unit's code). Returns the fileblock or nullptr with the status
// set.
FileBlock* BeginCall(FileBlock* reference, bool modifying);
// As above, and the key number must be 1..KeyCount (10164).
FileBlock* BeginKeyCall(FileBlock* reference, int keyNumber, bool modifying);

}  // namespace oltoma::storage
