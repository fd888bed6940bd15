// The report commands by name, for running them without the menus
// (oltoma-tool report, the report benchmark): each kind's file group, the
// register its pick list shows and the command that prints it.
//
//   name               menu entry           pick list of
//   controls           "kontroller"         controls
//   course-class       "banor klass"        classes
//   code-course-class  "kodbanaklass"       controls
//   courses            "banor "             courses
//   route-data         "data och sökord"    route descriptions
//   route-catalogue    "sammanställning"    route descriptions
//   route-form         "blankett"           route descriptions
//   class-list         "klasslista"         classes
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/services.h"

namespace oltoma::ol {

// The files a report needs open: the definition files (its command runs in
// their bracket), the participant files, or the common files alone.
enum class ReportFiles { definitions, participants, common };

struct ReportKind {
    const char* name;
    ReportFiles files;
    // The pick list's register: its record of a key, loaded into its
    // buffer (the register's Find), and that record's line in the pick list.
    bool (*find)(int mode, std::string_view key, std::int32_t& rc, bool& notFound, bool& ok);
    std::string (*pickLine)();
    void (*print)(platform::WindowHandle owner);
};

// Every kind, in the order above.
std::span<const ReportKind> ReportKinds();

// The kind of that name; nullptr when there is none.
const ReportKind* FindReportKind(std::string_view name);

}  // namespace oltoma::ol
