// The files the programs ship besides code (the symbol library, licence
// texts, ...) live in a folder share/oltoma found relative to the running
// executable, so the build tree and an installed tree (any prefix) both
// work and no absolute path is compiled in:
//   installed:   <prefix>/bin/oltoma         <prefix>/share/oltoma/
//   build tree:  build/src/app/oltoma        build/share/oltoma/
// The folder used is the share/oltoma of the nearest folder, from the
// executable's own folder upwards, that has one. The build puts files there
// with oltoma_shared_data() (cmake/SharedData.cmake). Paths and texts are
// UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace oltoma::platform {

struct SharedDataFile {
    std::string path;     // the file's path; empty when it was not found
    std::string problem;  // when not found: a message naming the file
};

// Looks up `name` (relative to share/oltoma, "/" between folders) for the
// running executable. A missing file, or no share/oltoma at all, gives an
// empty path and a message for the user, e.g.
// "Programmets datafil saknas: /usr/share/oltoma/symboler.txt".
SharedDataFile FindSharedDataFile(std::string_view name);

// The same lookup for an executable in `executableFolder`.
SharedDataFile FindSharedDataFile(std::string_view name, std::string_view executableFolder);

// The folder of the running executable; empty when it cannot be read.
std::string ExecutableFolder();

}  // namespace oltoma::platform
