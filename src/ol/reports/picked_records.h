// What a report reads of its pick list: the records the user chose, in the
// list's order. The reports' menu commands run a pick list (registers/) and
// hand it over through this; tests hand over records of their own.
#pragma once

#include <cstdint>

namespace oltoma::ol {

class PickedRecords {
public:
    virtual ~PickedRecords() = default;
    // The number of records chosen.
    virtual int Antal() = 0;
    // Loads chosen record ix (0..Antal - 1) into its register's record
    // buffer and returns its record number; -1 when it cannot be loaded
    // (the report skips it).
    virtual std::int32_t GetPickData(int ix) = 0;
};

}  // namespace oltoma::ol
