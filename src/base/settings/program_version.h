// The program's name, version and build as the window caption, the about
// boxes and the first line of every exchange file written show them. The
// program and oltoma-tool share it, so both name the same build.
#pragma once

#include <string>

#include "oltoma_version.h"

namespace oltoma {

inline constexpr const char* kMainProgramName = "OltomaW64";
// The version's date with a leading blank, at most 7 characters.
inline constexpr const char* kVersionDate = " " OLTOMA_VERSION_DATE;
// The project's version with a leading blank, at most 6 characters.
inline constexpr const char* kVersionNumber = " " OLTOMA_VERSION;
inline constexpr const char* kApplicationTitle = "oltomaw32";

// The build tool chain and target, at most 48 characters, with a leading
// blank: " GCC 12.2.0 Qt 6.4.2 x86-64 (64-bit)". The Qt version is the one the
// build hands in; a build without Qt leaves it out.
std::string BuildTag();

// "OltomaW64" + version date (cut to 20 characters) + version number (cut
// to 26) + BuildTag (cut to 74): "OltomaW64 240302 10.00 GCC ...".
std::string MainWindowCaption();

}  // namespace oltoma
