// What the tests of oltoma-tool share: the built tool run as a user runs it,
// the bytes of a file, and a data directory "data" made through the data
// layer.
#pragma once

#include <filesystem>
#include <string>

#include "process_run.h"

namespace oltoma::tool {

using ToolRun = oltoma::testing::ProcessRun;

// Runs oltoma-tool with `arguments` (shell words) in the current folder.
ToolRun Tool(const std::string& arguments);

// The bytes of a file; empty when it cannot be read.
std::string Slurp(const std::filesystem::path& name);

// Makes the folder "data" in the current folder, points the settings at it,
// starts the data layer and creates and opens the common files (a fatal
// test failure when they cannot be made).
void StartDataDirectory();

// With the common files open: the club "ALFA OK" and competition 1 "Test"
// with its files, left current.
void AddClubAndCompetition();

}  // namespace oltoma::tool
