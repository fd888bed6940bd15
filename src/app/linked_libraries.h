// The libraries the program links, with their versions from the build and
// their licences, for the licence window of the about boxes. The licence
// texts are files of the repository (src/app/licences/) compiled into the
// program as resources under ":/licences/".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace oltoma {

struct LinkedLibrary {
    std::string name;
    std::string version;
    std::string licence;                     // the licences' names
    std::vector<std::string> texts;          // resource paths of the full texts, in order
    std::vector<std::string> sharedObjects;  // name prefixes of its shared objects
};

const std::vector<LinkedLibrary>& LinkedLibraries();

// Whether a shared object the program needs ("libQt6Core.so.6") belongs to
// a library of the list or to the C and C++ runtime.
bool SharedObjectListed(std::string_view sharedObject);

}  // namespace oltoma
