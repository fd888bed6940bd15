// Reads an IOF XML 3.0 CourseData document into the bounded model of
// course_data.h. The document is read as a stream with libxml2's reader, so
// memory stays bounded by the model's limits and libxml2's own without
// XML_PARSE_HUGE (a text node of at most 10 MB, a name of at most 50 000
// bytes, nesting of at most 256 levels), never by what the document asks
// for:
//
//   options   no network (XML_PARSE_NONET); entities are not substituted,
//             no external DTD is loaded, no XInclude, no "huge" documents
//   refused   a document that is not well-formed; one with a DOCTYPE; one
//             whose root is not CourseData in the namespace
//             http://www.orienteering.org/datastandard/3.0 or whose
//             iofVersion is not "3.0" (IOF 2.0.3 has neither); one over the
//             model's limits
//
// The race read is the RaceCourseData whose raceNumber is `wantedRace` (when
// it is 1 or more and a race has it), else the first; the others are listed
// as skipped.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "ol/exchange/iof/course_data.h"

namespace oltoma::ol::iof {

inline constexpr const char* kIofNamespace = "http://www.orienteering.org/datastandard/3.0";

// Reads at most `size` bytes into `buffer`: the number read, 0 at the end,
// negative on a read failure.
using ByteSource = std::function<long(char* buffer, std::size_t size)>;

enum class ReadStatus {
    sound,
    notWellFormed,  // the parser's complaint, or a read failure
    doctype,
    notCourseData,  // another root, namespace or version
    overLimits,
    readFailed,
};

struct CourseDataReading {
    ReadStatus status = ReadStatus::sound;
    int line = 0;        // notWellFormed, doctype: the line of the document
    std::string detail;  // notWellFormed: the parser's message; overLimits:
                         // what there is too much of (Windows-1252)
    CourseData data;     // only when sound
};

CourseDataReading ReadCourseData(const ByteSource& read, long long wantedRace);

// The log text of a refused document (Windows-1252):
//   Ogiltig XML, rad N: <the parser's message>
//   Ogiltig XML, rad N: dokumenttypdeklaration (DOCTYPE) tillåts inte.
//   Inte IOF XML 3.0 CourseData.
//   CourseData för stor: <what>.
// Empty when the document is sound or could not be read (the exchange file
// has reported that).
std::string RefusalText(const CourseDataReading& reading);

}  // namespace oltoma::ol::iof
