// Types and limits shared by every user of the record storage engine.
#pragma once

#include <cstdint>

#include "base/text/short_string.h"

namespace oltoma::storage {

// An index key: a length byte and up to 30 Windows-1252 characters.
using IsamKeyStr = ShortString<30>;

inline constexpr int kMaxNrOfKeys = 100;  // indexes per fileblock
inline constexpr int kMaxKeyLen = 30;     // characters per key
inline constexpr int kPageSize = 62;      // items per page of every index the engine creates
inline constexpr int kMaxHeight = 8;      // levels of a B-tree
inline constexpr int kMinPageBuffers = 8;

// The key length and duplicate rule of one index, given at creation.
struct IndexDescriptor {
    int KeyLen = 0;
    bool AllowDuplicates = false;
};

// An open fileblock (data file, index file and repair journal). Owned by the
// engine; callers hold a pointer that is null while the fileblock is closed.
struct FileBlock;

}  // namespace oltoma::storage
