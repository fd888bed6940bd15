// "exportera" "banorna": the controls, courses and class courses of the
// current competition as an IOF XML 3.0 CourseData message (iof_exports.h),
// for course-setting and timing programs.
#pragma once

#include "ol/exchange/export_file.h"
#include "platform/services.h"

namespace oltoma::ol {

// Opens the definition files for its length (refused, "Filerna inte öppna"
// in MessageLine, when they cannot be), asks for the file with the save
// dialog offering IOF XML only, writes it with 3 progress lines and stops
// at the first failed write or after the record at which "avbryt" was
// pressed.
ExportResult ExportCourses(platform::WindowHandle owner);

}  // namespace oltoma::ol
