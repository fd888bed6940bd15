// Message boxes for runs without windows (oltoma-tool): every box is written
// to a stream as "caption: text" in UTF-8, one line, and answered as the
// command line says:
//
//   answer   yes/no question   error box (abort/retry/ignore)   other boxes
//            (either default)
//   None     None              None                             None
//   Yes      Yes               Abort                            Ok
//   No       No                Abort                            Ok
//
// None presses no button at all (ConfirmMessage counts that as consent).
#pragma once

#include <cstdio>

#include "platform/services.h"

namespace oltoma {

enum class ConsoleAnswer { None, Yes, No };

class ConsoleMessageBoxes final : public platform::MessageBoxes {
public:
    explicit ConsoleMessageBoxes(std::FILE* stream = stderr,
                                 ConsoleAnswer answer = ConsoleAnswer::None)
        : stream_(stream), answer_(answer) {}

    platform::MessageResult Show(platform::WindowHandle owner, std::string_view caption,
                                 std::string_view text, platform::MessageButtons buttons,
                                 platform::MessageIcon icon) override;

    // True once a yes/no question has been answered No.
    bool Declined() const { return declined_; }

private:
    platform::MessageResult Answer(platform::MessageButtons buttons);

    std::FILE* stream_;
    ConsoleAnswer answer_;
    bool declined_ = false;
};

}  // namespace oltoma
