// The user's folders and the process's current directory. Paths are the file
// system's own bytes (UTF-8 on Linux) and use "/" as the separator.
#pragma once

#include <string>
#include <string_view>

namespace oltoma::platform {

// The user's home folder: HOME, else the account's home; empty when unknown.
std::string HomeFolder();

// The roaming application-data folder: XDG_CONFIG_HOME when it is an
// absolute path, else HOME/.config; empty when no home is known.
std::string RoamingAppDataFolder();

// The documents folder: XDG_DOCUMENTS_DIR as the user-dirs.dirs file in the
// configuration folder sets it, else the environment variable of that name,
// else HOME/Documents; empty when no home is known.
std::string DocumentsFolder();

// The value of XDG_DOCUMENTS_DIR in the text of a user-dirs.dirs file, with
// "$HOME" expanded to `home`; empty when the file does not set it.
std::string DocumentsFolderFromUserDirs(std::string_view fileText, std::string_view home);

// The process's current directory; empty when it cannot be read.
std::string CurrentDirectory();

// Makes `path` the current directory. Returns 0, or the system error number
// of the failure (2 missing folder, 3 missing parent, 5 access denied, ...).
int SetCurrentDirectory(std::string_view path);

bool FolderExists(std::string_view path);

// Creates the folder and any missing parents (mode 0777 less the umask).
// Returns 0 when the folder exists afterwards, else the system error number.
int CreateFolders(std::string_view path);

// The machine's host name; empty when unknown.
std::string ComputerName();

}  // namespace oltoma::platform
