// Message boxes for runs without windows (oltoma-tool): every box is written
// to a stream as "caption: text" in UTF-8, one line, and no button is
// pressed, so the result is None (which ConfirmMessage counts as consent).
#pragma once

#include <cstdio>

#include "platform/services.h"

namespace oltoma {

class ConsoleMessageBoxes final : public platform::MessageBoxes {
public:
    explicit ConsoleMessageBoxes(std::FILE* stream = stderr) : stream_(stream) {}

    platform::MessageResult Show(platform::WindowHandle owner, std::string_view caption,
                                 std::string_view text, platform::MessageButtons buttons,
                                 platform::MessageIcon icon) override;

private:
    std::FILE* stream_;
};

// Binds console message boxes (to the standard error stream); the other
// services keep what is bound, by default the quiet ones.
void BindConsoleServices();

}  // namespace oltoma
