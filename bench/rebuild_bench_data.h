// The full-size data directory of the rebuild and report benchmarks, made
// through the data layer's register operations: 900 clubs, 99 districts, 80
// classes, 8000 participants, 512 controls and 200 courses of 35 controls in
// one competition, then (for the rebuild) a third of the slots of each
// register deleted (every third record) the way the registers delete.
#pragma once

#include <cstdint>
#include <string>

namespace oltoma::bench {

struct BenchSizes {
    int clubs = 900;
    int districts = 99;
    int classes = 80;
    int participants = 8000;
    int controls = 512;
    int courses = 200;
    int controlsPerCourse = 35;
    // Delete every third record of each register (the rebuild's case).
    bool deleteEveryThird = true;
    // Give the definitions what the reports print (the report benchmark):
    // a symbol library (report_bench_symbols.h), description entries for
    // every control, courses named "001".. that start at "S1" and end at
    // "M1" (the last two of the controls), and each class a course and a
    // count. Course and class counts stay as given.
    bool descriptions = false;
};

// The full-size counts times `scale`, at least 3 of each.
BenchSizes ScaledSizes(double scale);

// What making the directory cost, to compare the rebuild with.
struct MadeDirectory {
    std::int64_t recordsAdded = 0;  // through the journalled add operations
    std::uint64_t syncs = 0;        // flushes those adds made
    std::int64_t liveRecords = 0;   // live after the deletions
};

// Makes the directory in `folder` (which must exist and be empty), with the
// data layer started on it. Returns false with a reason in `failure`.
bool MakeBenchDirectory(const std::string& folder, const BenchSizes& sizes, MadeDirectory& made,
                        std::string& failure);

}  // namespace oltoma::bench
