// Tests run in a fresh temporary folder that is also their HOME, so they never
// see the user's configuration or each other's files. GoogleTest binaries get
// one folder per test (test_isolation.h), Qt Test binaries one per process.
#pragma once

#include <string>
#include <vector>

namespace oltoma::testing {

// Creates the folder, points HOME and the XDG folders into it and makes it the
// current directory. Returns the folder's path.
std::string EnterSandbox();

// The current directory ("" when it cannot be read).
std::string CurrentFolder();

// Leaves and removes the folder made by EnterSandbox (kept when the
// environment variable OLTOMA_KEEP_SANDBOX is set).
void LeaveSandbox(const std::string& folder);

// The process's environment variables as they were when it was taken; tests
// that change PATH, TMPDIR or XDG_RUNTIME_DIR are undone by Restore.
class EnvironmentSnapshot {
public:
    EnvironmentSnapshot();
    // Removes the variables set since, and sets every saved one again.
    void Restore() const;

private:
    std::vector<std::string> saved_;  // "NAME=value"
};

}  // namespace oltoma::testing
