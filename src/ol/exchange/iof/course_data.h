// The course data of an IOF XML 3.0 CourseData document as the import keeps
// it: one race, bounded, texts in Windows-1252 ("?" for characters the code
// page lacks), trimmed of blanks and cut to kMaxKeptText characters (an id
// or name that long is refused or cut when stored anyway). Only what the
// import uses is kept; everything else in the document is skipped.
//
//   CourseData/Event/Name                                  eventName
//   CourseData/RaceCourseData[@raceNumber]                 the race kept, or
//                                                          one skipped
//   RaceCourseData/Control[@type]/Id, /MapPosition[@x @y @unit]
//   RaceCourseData/Course/Name, /Length, /Climb,
//     /CourseControl[@type]/Control (the first of them)
//   RaceCourseData/ClassCourseAssignment/ClassName, /CourseName
//
// Limits: a document with more than these is refused whole.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace oltoma::ol::iof {

inline constexpr std::size_t kMaxRaces = 100;
inline constexpr std::size_t kMaxControls = 10000;
inline constexpr std::size_t kMaxCourses = 10000;
inline constexpr std::size_t kMaxCourseControls = 1000;  // per course
inline constexpr std::size_t kMaxAssignments = 10000;
inline constexpr std::size_t kMaxKeptText = 64;

enum class ControlType : std::uint8_t {
    unset,  // no type attribute (or one the standard does not know)
    control,
    start,
    finish,
    crossingPoint,
    endOfMarkedRoute,
};

// A map position in tenths of its unit (read from the decimal text, so a
// position half-way between two tenths of a millimetre stays half-way).
struct MapPoint {
    double xTenths = 0;
    double yTenths = 0;
    bool millimetres = true;  // false for "px" and units the standard lacks
};

struct Control {
    std::string id;
    ControlType type = ControlType::unset;
    std::optional<MapPoint> position;
};

struct CourseControl {
    std::string control;  // the first control named
    ControlType type = ControlType::unset;
};

struct Course {
    std::string name;
    std::optional<double> length;  // metres
    std::optional<double> climb;
    std::vector<CourseControl> controls;
};

struct ClassAssignment {
    std::string className;
    std::optional<std::string> courseName;
};

struct Race {
    std::size_t position = 0;  // 1.. in the document
    std::optional<long long> raceNumber;
    std::vector<Control> controls;
    std::vector<Course> courses;
    std::vector<ClassAssignment> assignments;
};

struct CourseData {
    std::string eventName;
    Race race;                       // the race imported
    std::vector<long long> skipped;  // the races not imported, by raceNumber
                                     // (their position when they have none)
};

}  // namespace oltoma::ol::iof
