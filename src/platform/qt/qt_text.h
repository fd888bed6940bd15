// Text at the Qt boundary: the program's Windows-1252 text to and from
// QString.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace oltoma::platform {

QString ToQString(std::string_view windows1252);

// Characters without a Windows-1252 byte become "?".
std::string FromQString(const QString& text);

}  // namespace oltoma::platform
