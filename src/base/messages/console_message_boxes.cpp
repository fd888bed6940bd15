#include "base/messages/console_message_boxes.h"

#include <string>

#include "base/text/windows1252.h"

namespace oltoma {

platform::MessageResult ConsoleMessageBoxes::Show(platform::WindowHandle, std::string_view caption,
                                                  std::string_view text, platform::MessageButtons,
                                                  platform::MessageIcon) {
    const std::string line = Utf8FromWindows1252(caption) + ": " + Utf8FromWindows1252(text) + "\n";
    std::fputs(line.c_str(), stream_);
    std::fflush(stream_);
    return platform::MessageResult::None;
}

void BindConsoleServices() {
    static ConsoleMessageBoxes boxes;
    platform::Services services = platform::BindServices({});
    services.messageBoxes = &boxes;
    platform::BindServices(services);
}

}  // namespace oltoma
