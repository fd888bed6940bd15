#include "base/messages/console_message_boxes.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "base/messages/messages.h"

namespace oltoma {
namespace {

TEST(ConsoleMessageBoxes, WritesCaptionAndTextAndPressesNothing) {
    std::FILE* stream = std::tmpfile();
    ASSERT_NE(stream, nullptr);
    ConsoleMessageBoxes boxes(stream);
    const platform::Services previous = platform::BindServices({.messageBoxes = &boxes});
    EXPECT_EQ(DisplayMessage(201, "Kan ej \xF6ppna"), platform::MessageResult::None);
    SetMessageLine("Radera?");
    EXPECT_TRUE(ConfirmMessage(101));
    platform::BindServices(previous);

    std::rewind(stream);
    char buffer[256] = {};
    const std::size_t read = std::fread(buffer, 1, sizeof(buffer) - 1, stream);
    std::fclose(stream);
    EXPECT_EQ(std::string(buffer, read), "info: Kan ej öppna\n??: Radera?\n");
}

}  // namespace
}  // namespace oltoma
