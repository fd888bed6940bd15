#include "base/messages/console_message_boxes.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "base/messages/messages.h"

namespace oltoma {
namespace {

using platform::MessageButtons;
using platform::MessageIcon;
using platform::MessageResult;

std::string Written(std::FILE* stream) {
    std::rewind(stream);
    char buffer[256] = {};
    const std::size_t read = std::fread(buffer, 1, sizeof(buffer) - 1, stream);
    std::fclose(stream);
    return std::string(buffer, read);
}

TEST(ConsoleMessageBoxes, WritesCaptionAndTextAndPressesNothing) {
    std::FILE* stream = std::tmpfile();
    ASSERT_NE(stream, nullptr);
    ConsoleMessageBoxes boxes(stream);
    const platform::Services previous = platform::BindServices({.messageBoxes = &boxes});
    EXPECT_EQ(DisplayMessage(201, "Kan ej \xF6ppna"), MessageResult::None);
    SetMessageLine("Radera?");
    EXPECT_TRUE(ConfirmMessage(101));
    EXPECT_EQ(DisplayMessage(301, "Fel"), MessageResult::None);
    platform::BindServices(previous);

    EXPECT_FALSE(boxes.Declined());
    EXPECT_EQ(Written(stream), "info: Kan ej öppna\n??: Radera?\nerror: Fel\n");
}

TEST(ConsoleMessageBoxes, AnswersAsTheCommandLineSays) {
    struct Case {
        ConsoleAnswer answer;
        MessageButtons buttons;
        MessageResult expected;
        bool declined;
    };
    const Case cases[] = {
        {ConsoleAnswer::Yes, MessageButtons::YesNo, MessageResult::Yes, false},
        {ConsoleAnswer::No, MessageButtons::YesNo, MessageResult::No, true},
        {ConsoleAnswer::Yes, MessageButtons::YesNoDefaultNo, MessageResult::Yes, false},
        {ConsoleAnswer::No, MessageButtons::YesNoDefaultNo, MessageResult::No, true},
        {ConsoleAnswer::Yes, MessageButtons::AbortRetryIgnore, MessageResult::Abort, false},
        {ConsoleAnswer::No, MessageButtons::AbortRetryIgnore, MessageResult::Abort, false},
        {ConsoleAnswer::No, MessageButtons::Ok, MessageResult::Ok, false},
    };
    for (const Case& c : cases) {
        std::FILE* stream = std::tmpfile();
        ASSERT_NE(stream, nullptr);
        ConsoleMessageBoxes boxes(stream, c.answer);
        EXPECT_EQ(boxes.Show(0, "??", "Radera?", c.buttons, MessageIcon::None), c.expected);
        EXPECT_EQ(boxes.Declined(), c.declined);
        EXPECT_EQ(Written(stream), "??: Radera?\n");
    }
}

}  // namespace
}  // namespace oltoma
