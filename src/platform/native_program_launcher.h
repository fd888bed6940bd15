// Starts external programs as the desktop would, without waiting for them.
//
// A name without "/" is looked for on the PATH, a name with "/" is a path. A
// trailing ".exe" is dropped, so "edittoma.exe" starts the program
// "edittoma". The name "notepad.exe" (or "notepad") stands for the desktop's
// text editor: the first of the text editor programs found on the PATH (by
// default the editors of the common Linux desktops, see DefaultTextEditors).
//
// Result codes: 33 started; 0 out of memory or processes; 2 not found (also
// when no text editor is installed); 3 a folder of the path is missing;
// 5 not allowed to run; 11 not an executable program; other system error
// numbers for other failures.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/services.h"

namespace oltoma::platform {

inline constexpr int kProgramStarted = 33;

// gnome-text-editor, gedit, kate, kwrite, mousepad, pluma, xed, featherpad,
// leafpad, geany: the first found is the desktop's text editor.
std::vector<std::string> DefaultTextEditors();

class NativeProgramLauncher final : public ProgramLauncher {
public:
    NativeProgramLauncher();
    explicit NativeProgramLauncher(std::vector<std::string> textEditors);

    int Start(std::string_view program) override;

private:
    int Spawn(const std::string& program);

    std::vector<std::string> textEditors_;
};

}  // namespace oltoma::platform
