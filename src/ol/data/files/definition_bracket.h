// The definition-file bracket of the commands that work on a competition's
// definitions (controls, courses, their reports, statistics): the
// participant files give way to the definition files for the length of the
// command and come back after it.
#pragma once

#include <functional>

namespace oltoma::ol {

// For the lifetime of the object: closes the participant files if open and
// opens the definition files; when they cannot be opened, MessageLine gets
// "Filerna inte öppna". On destruction closes the definition files if open
// and opens the participant files again.
class DefinitionFilesBracket {
public:
    DefinitionFilesBracket();
    ~DefinitionFilesBracket();
    DefinitionFilesBracket(const DefinitionFilesBracket&) = delete;
    DefinitionFilesBracket& operator=(const DefinitionFilesBracket&) = delete;

    bool Opened() const { return opened_; }

private:
    bool opened_ = false;
};

// Runs the command inside the bracket, only when the definition files
// opened. Returns whether it ran.
bool RunWithDefinitionFiles(const std::function<void()>& command);

}  // namespace oltoma::ol
