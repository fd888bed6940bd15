// The controls of a course as its description sheet shows them, in running
// order: copies of the control records with their running numbers, or a
// placeholder for a code the control file lacks. Used by the course columns
// of the definition reports and by the course picture. The control file is
// only read.
#pragma once

#include "ol/data/records/kontr_rec.h"
#include "ol/data/records/track_rec.h"

namespace oltoma::ol {

// Code of the placeholder of a control missing from the control file.
inline constexpr std::string_view kMissingControlCode = "not";

class CourseControls {
public:
    // `course` must outlive this object.
    explicit CourseControls(const TrackRec& course) : course_(course) {}

    // The slot of place `place` (1..ControlCount; places are taken in
    // order). The control with code KodNr[place] is looked up in the
    // control file (its buffer is used):
    //   found, code starting with "T": a copy, counted and not numbered;
    //   found otherwise: a copy whose empty entry A becomes the running
    //     number place - (the "T" controls so far) - 1, right-aligned in 2,
    //     when 1 < place < Antal;
    //   missing: code "not", entry A numbered the same way, entry B the
    //     missing code, entries D, E, F "finns", "inte", "data".
    // `found` (optional) tells which.
    KontrRec Slot(int place, bool* found = nullptr);

private:
    const TrackRec& course_;
    int tControls_ = 0;
};

}  // namespace oltoma::ol
