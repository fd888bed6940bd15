// Every test process runs in a fresh temporary folder that is also its HOME,
// so tests never see the user's configuration or each other's files.
#pragma once

#include <string>

namespace oltoma::testing {

// Creates the folder, points HOME and the XDG folders into it and makes it the
// current directory. Returns the folder's path.
std::string EnterSandbox();

// Removes the folder made by EnterSandbox.
void LeaveSandbox(const std::string& folder);

}  // namespace oltoma::testing
