// A renumbering table of the index rebuild: maps the old record numbers of a
// register (1..size) to the new ones. Clubs and classes are referred to by
// record number from the participants, so the participants are rebuilt
// through these tables.
#pragma once

#include <cstdint>
#include <vector>

namespace oltoma::ol {

class Renumbering {
public:
    explicit Renumbering(std::int32_t size) : map_(static_cast<std::size_t>(size) + 1, 0) {}

    // Every old number maps to 0 (no record) until Set says otherwise.
    void Clear() {
        std::fill(map_.begin(), map_.end(), 0);
        identity_ = false;
    }
    void Set(std::int32_t oldRc, std::int32_t newRc) {
        if (oldRc > 0 && oldRc < static_cast<std::int32_t>(map_.size())) {
            map_[static_cast<std::size_t>(oldRc)] = newRc;
        }
    }
    // Every number in the table maps to itself (the register's records could
    // not even be read).
    void MakeIdentity() { identity_ = true; }

    // The new number of old record oldRc; 0 when it has none or lies outside
    // the table.
    std::int32_t Map(std::int32_t oldRc) const {
        if (oldRc <= 0 || oldRc >= static_cast<std::int32_t>(map_.size())) {
            return 0;
        }
        return identity_ ? oldRc : map_[static_cast<std::size_t>(oldRc)];
    }

private:
    std::vector<std::int32_t> map_;
    bool identity_ = false;
};

}  // namespace oltoma::ol
