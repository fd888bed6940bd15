#include "base/messages/console_message_boxes.h"

#include <string>

#include "base/text/windows1252.h"

namespace oltoma {

platform::MessageResult ConsoleMessageBoxes::Show(platform::WindowHandle, std::string_view caption,
                                                  std::string_view text,
                                                  platform::MessageButtons buttons,
                                                  platform::MessageIcon) {
    const std::string line = Utf8FromWindows1252(caption) + ": " + Utf8FromWindows1252(text) + "\n";
    std::fputs(line.c_str(), stream_);
    std::fflush(stream_);
    return Answer(buttons);
}

platform::MessageResult ConsoleMessageBoxes::Answer(platform::MessageButtons buttons) {
    using platform::MessageResult;
    if (answer_ == ConsoleAnswer::None) {
        return MessageResult::None;
    }
    switch (buttons) {
        case platform::MessageButtons::YesNo:
        case platform::MessageButtons::YesNoDefaultNo:
            declined_ = declined_ || answer_ == ConsoleAnswer::No;
            return answer_ == ConsoleAnswer::Yes ? MessageResult::Yes : MessageResult::No;
        case platform::MessageButtons::AbortRetryIgnore:
            return MessageResult::Abort;
        default:
            return MessageResult::Ok;
    }
}

}  // namespace oltoma
