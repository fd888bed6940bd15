// The entries of a folder, read without exceptions: a folder that vanishes or
// turns unreadable while it is read ends the listing with an error instead of
// throwing out of the loop.
#pragma once

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace oltoma {

// The entries of `folder` (a file system path), in the order the system
// lists them, without "." and "..". On failure `error` is set and the entries
// read before it are returned.
std::vector<std::filesystem::directory_entry> FolderEntries(const std::string& folder,
                                                            std::error_code& error);

}  // namespace oltoma
