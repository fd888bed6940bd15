// The route description file of the common files: RUTB24 (the 24-line form)
// when the route description format of GlobalSettings is 1, else RUTBESKR
// (the older form). Only one of the two is open at a time.
#pragma once

namespace oltoma::ol {

// True when the format byte selects the 24-line file.
bool IsRoute24Format(int routeDescriptionFormat);

// Opens the file of the format in GlobalSettings, sets its flag
// (Ol().Route24FileOpen or Ol().RouteFileOpen) to the success and remembers
// the format in use; clears both route description buffers. Returns the
// success.
bool OpenRouteFile();

// Closes whichever route description file is open.
void CloseRouteFile();

// After the format in GlobalSettings changed (an import does that): when it
// names the other file than the one in use, closes that one and opens the
// other without touching either's contents. When the other cannot be
// opened, the common files are closed (CommonFilesOpen false). Returns
// CommonFilesOpen.
bool SwitchRouteFormat();

}  // namespace oltoma::ol
