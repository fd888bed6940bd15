// Structural check of a fileblock's files, for maintenance commands.
#pragma once

#include <string>
#include <vector>

#include "storage/isam_types.h"

namespace oltoma::storage {

// Checks the files of an open fileblock as they are on disk (open it with
// OpenFileBlockForReading, or in journal mode between operations): the data
// header and free list, records deleted but left off the free list (leaked
// slots, which an interrupted DeleteRec may leave and the index rebuild
// reclaims), and for every key its header, free list and tree: page ranges,
// item counts and fill, key order and bounds, key lengths, leaves on one
// level, child pointers, pages neither in the tree nor free, and the entry
// count. Returns one line of text per problem; none when the fileblock is
// sound. Leaves the engine status as a successful call unless the reference
// is not open (10445).
std::vector<std::string> CheckFileBlockStructure(FileBlock* block);

// The prefix of a problem line about a leaked slot.
inline constexpr const char* kLeakedSlotProblem = "leaked slot";

}  // namespace oltoma::storage
