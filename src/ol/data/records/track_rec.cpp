#include "ol/data/records/track_rec.h"

#include <algorithm>

#include "ol/data/records/record_text.h"

namespace oltoma::ol {

void ClearTrackRec(TrackRec& course) {
    course = TrackRec{};
}

void ConvertAfterRead(TrackRec& course) {
    ConvertOemField(course.Bana);
    for (Strng_3& code : course.KodNr) {
        ConvertOemField(code);
    }
}

int ControlCount(const TrackRec& course) {
    return std::clamp<int>(course.Antal, 0, kCourseControlCount);
}

std::int32_t CourseLength(const TrackRec& course, int splitIndex) {
    if (splitIndex < 0 || splitIndex >= kPositionCount) {
        return 0;
    }
    return course.BanSize[splitIndex];
}

bool SetCourseLength(TrackRec& course, int splitIndex, std::int32_t length) {
    if (splitIndex < 0 || splitIndex >= kPositionCount) {
        return false;
    }
    course.BanSize[splitIndex] = length;
    return true;
}

}  // namespace oltoma::ol
