// The program's folders: the configuration folder, the default data
// directory and the data directory that is entered at start.
//
//   <roaming app data>/<ProgramName>/<ProgramName>.P64   configuration file
//   <documents>/<ProgramName>/data                       default data directory
//   <documents>/<ProgramName>/text                       beside it
//
// Stored paths are Windows-1252; the file system's names are UTF-8.
#pragma once

#include "base/text/nul_terminated_text.h"

namespace oltoma {

// Makes the configuration folder (with any missing parents) and sets the
// configuration file name; when the folder cannot be made, shows (class 2)
// kan inte skapa path "<roaming app data>" and goes on. Makes the documents
// folders <ProgramName>, text and data where missing, silently, and sets the
// default data directory. A missing home leaves relative names
// (<ProgramName>/<ProgramName>.P64 and <ProgramName>/data).
void PrepareProgramFolders();

// Enters the stored data directory: when `entry` is not empty it becomes the
// process's current directory; on failure MessageLine gets
// Kan ej byta till biblioteket "<entry>" <error number in 3 digits>.
// Either way the directory that is really current then goes into `entry`
// and into the current data directory of the working GlobalSettings (at
// most 1024 characters; a trailing "/" is dropped, except for the root).
void EnterDataDirectory(TLongPathName& entry);

}  // namespace oltoma
