#include "app/linked_libraries.h"

#include <QtGlobal>

#include <algorithm>

namespace oltoma {
namespace {

// The C and C++ runtime, which needs no entry.
constexpr std::string_view kRuntime[] = {"libc.so",  "libm.so",       "libstdc++.so", "libgcc_s.so",
                                         "ld-linux", "libpthread.so", "libdl.so",     "librt.so"};

bool StartsWithAny(std::string_view name, const auto& prefixes) {
    return std::any_of(std::begin(prefixes), std::end(prefixes),
                       [name](std::string_view prefix) { return name.starts_with(prefix); });
}

}  // namespace

const std::vector<LinkedLibrary>& LinkedLibraries() {
    static const std::vector<LinkedLibrary> libraries = {
        {"Qt",
         QT_VERSION_STR,
         "GNU Lesser General Public License version 3 (LGPL-3)",
         {":/licences/qt.txt", ":/licences/LGPL-3.txt", ":/licences/GPL-3.txt"},
         {"libQt6"}},
        {"libjpeg-turbo",
         OLTOMA_TURBOJPEG_VERSION,
         "IJG License, BSD-3-Clause, zlib License",
         {":/licences/libjpeg-turbo.txt"},
         {"libturbojpeg.so", "libjpeg.so"}},
        {"libxml2",
         OLTOMA_LIBXML2_VERSION,
         "MIT License, ISC License",
         {":/licences/libxml2.txt"},
         {"libxml2.so"}},
    };
    return libraries;
}

bool SharedObjectListed(std::string_view sharedObject) {
    if (StartsWithAny(sharedObject, kRuntime)) {
        return true;
    }
    return std::any_of(LinkedLibraries().begin(), LinkedLibraries().end(),
                       [sharedObject](const LinkedLibrary& library) {
                           return StartsWithAny(sharedObject, library.sharedObjects);
                       });
}

}  // namespace oltoma
