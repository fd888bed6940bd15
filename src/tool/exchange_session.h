// What the exchange subcommands of oltoma-tool (import, export) share once
// their maintenance session (maintenance_session.h, messages on standard
// error) is ready: the data directory's files opened as the program opens
// them, and the paths of the files they read or write.
#pragma once

#include <string>

namespace oltoma::tool {

// Opens the common files and, for a competition 1..8, makes it current with
// its participant files open, as "välj" does; 0 leaves no competition
// chosen. False, with the reason on standard error, when the files or the
// competition are missing.
bool OpenDataForExchange(int competition);

// The absolute path of a command-line file name, as folder and file name in
// Windows-1252. False, with the reason on standard error, when the name
// holds characters Windows-1252 lacks (the program could not name it).
bool ExchangePath(const std::string& argument, std::string& folder, std::string& fileName);

}  // namespace oltoma::tool
