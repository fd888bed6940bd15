#include "base/messages/messages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/messages/message_owner_stack.h"
#include "base/text/windows1252.h"
#include "scripted_message_boxes.h"

namespace oltoma {
namespace {

using platform::MessageButtons;
using platform::MessageIcon;
using platform::MessageResult;

class Messages : public ::testing::Test {
protected:
    testing::ScriptedMessageBoxes boxes;
    testing::BoundMessageBoxes bound{boxes};
};

TEST_F(Messages, ClassChoosesCaptionButtonsAndIcon) {
    const struct {
        int code;
        const char* caption;
        MessageButtons buttons;
        MessageIcon icon;
    } cases[] = {
        {101, "??", MessageButtons::YesNo, MessageIcon::None},
        {201, "info", MessageButtons::Ok, MessageIcon::Exclamation},
        {301, "error", MessageButtons::AbortRetryIgnore, MessageIcon::None},
        {199, "??", MessageButtons::YesNo, MessageIcon::None},
        {401, "info", MessageButtons::Ok, MessageIcon::Exclamation},  // no message is lost
    };
    PushMessageOwner(42);
    for (const auto& c : cases) {
        boxes.shown.clear();
        DisplayMessage(c.code, "text");
        ASSERT_EQ(boxes.shown.size(), 1u) << c.code;
        EXPECT_EQ(boxes.shown[0].caption, c.caption) << c.code;
        EXPECT_EQ(boxes.shown[0].buttons, c.buttons) << c.code;
        EXPECT_EQ(boxes.shown[0].icon, c.icon) << c.code;
        EXPECT_EQ(boxes.shown[0].owner, 42u) << c.code;
        EXPECT_EQ(boxes.shown[0].text, "text") << c.code;
    }
}

TEST_F(Messages, AQuestionBeforeDestroyingDefaultsToNo) {
    PushMessageOwner(42);
    boxes.answers = {MessageResult::No};
    std::string text = "radera \x94";  // an OEM ö, shown as Windows-1252
    text += std::string(200, 'x');
    EXPECT_EQ(AskBeforeDestroying(text), MessageResult::No);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, "??");
    EXPECT_EQ(boxes.shown[0].buttons, MessageButtons::YesNoDefaultNo);
    EXPECT_EQ(boxes.shown[0].owner, 42u);
    EXPECT_EQ(boxes.shown[0].text.substr(0, 8), "radera \xF6");
    EXPECT_EQ(boxes.shown[0].text.size(), 160u);
    PopMessageOwner();
}

TEST_F(Messages, ClassZeroOnlyFillsTheMessageLine) {
    EXPECT_EQ(DisplayMessage(16, "status"), MessageResult::Ok);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(MessageLine, "status");
}

TEST_F(Messages, TextIsCutTo160Characters) {
    std::string text(200, 'a');
    text[159] = 'z';
    DisplayMessage(201, text);
    DisplayMessageUnconverted(301, text);
    DisplayMessage(1, text);
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].text, text.substr(0, 160));
    EXPECT_EQ(boxes.shown[1].text, text.substr(0, 160));
    EXPECT_EQ(MessageLine.view(), text.substr(0, 160));
}

TEST_F(Messages, OemSwedishLettersConvertTheWholeText) {
    // OEM ö (0x94) triggers the conversion, and the OEM é (0x82) beside it
    // converts with it; an OEM é alone does not trigger it.
    DisplayMessage(201, "\x94verf\x94ring caf\x82");
    DisplayMessage(201, "caf\x82");
    DisplayMessageUnconverted(201, "\x94verf\x94ring");
    DisplayMessage(1, "k\x86r");
    ASSERT_EQ(boxes.shown.size(), 3u);
    EXPECT_EQ(Utf8FromWindows1252(boxes.shown[0].text), "överföring café");
    EXPECT_EQ(boxes.shown[1].text, "caf\x82");
    EXPECT_EQ(boxes.shown[2].text, "\x94verf\x94ring");
    EXPECT_EQ(Utf8FromWindows1252(MessageLine.view()), "kår");
}

TEST_F(Messages, BoxesWithoutOwnerWhenTheStackIsEmpty) {
    DisplayMessage(201, "x");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].owner, 0u);
}

TEST_F(Messages, ConfirmMessageAnswers) {
    const struct {
        int code;
        MessageResult answer;
        bool accepted;
    } cases[] = {
        {101, MessageResult::Yes, true},     {101, MessageResult::No, false},
        {201, MessageResult::Ok, true},      {301, MessageResult::Abort, false},
        {301, MessageResult::Retry, true},   {301, MessageResult::Ignore, true},
        {201, MessageResult::Cancel, false}, {201, MessageResult::None, true},
    };
    for (const auto& c : cases) {
        SetMessageLine("Fortsatta?");
        boxes.shown.clear();
        boxes.answers = {c.answer};
        EXPECT_EQ(ConfirmMessage(c.code), c.accepted) << c.code << " " << int(c.answer);
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].text, "Fortsatta?");
    }
}

TEST_F(Messages, ConfirmMessageSubNumberChoosesTheText) {
    const std::pair<int, const char*> cases[] = {
        {107, "Datafiler saknas/ ej i aktuellt bibliotek"},
        {131, "Filerna öppna...."},
        {233, "Filerna stängda.."},
        {236, "Printerutskriften klar..!"},
        {339, "Databas ej vald/ datafiler saknas!"},
        {100, ""},
        {234, ""},
        {101, "kept"},
        {205, "kept"},
    };
    for (const auto& [code, utf8Text] : cases) {
        SetMessageLine("kept");
        boxes.shown.clear();
        ConfirmMessage(code);
        ASSERT_EQ(boxes.shown.size(), 1u) << code;
        EXPECT_EQ(Utf8FromWindows1252(boxes.shown[0].text), utf8Text) << code;
        EXPECT_EQ(Utf8FromWindows1252(MessageLine.view()), utf8Text) << code;
    }
}

TEST_F(Messages, ConfirmMessageOfClassZeroSetsTheLineWithoutABox) {
    EXPECT_TRUE(ConfirmMessage(7));
    EXPECT_EQ(MessageLine, "Datafiler saknas/ ej i aktuellt bibliotek");
    SetMessageLine("ready");
    EXPECT_TRUE(ConfirmMessage(1));
    EXPECT_EQ(MessageLine, "ready");
    EXPECT_TRUE(boxes.shown.empty());
}

std::vector<std::string>& ObservedLines() {
    static std::vector<std::string> lines;
    return lines;
}

TEST_F(Messages, TheObserverSeesEveryTextOnceAsItIsSet) {
    ObservedLines().clear();
    const MessageLineObserver previous =
        BindMessageLineObserver([](std::string_view line) { ObservedLines().emplace_back(line); });
    SetMessageLine("first");
    ConfirmMessage(1);  // shows the line it holds: nothing new
    DisplayMessage(16, "second");
    ConfirmMessage(39);  // puts a text of its own into the line
    SetMessageLine(std::string(200, 'x'));
    BindMessageLineObserver(previous);
    SetMessageLine("unobserved");
    EXPECT_EQ(ObservedLines(),
              (std::vector<std::string>{"first", "second", msgtext(330), std::string(160, 'x')}));
}

TEST(MessagesWithoutBoxes, ConfirmMessageAcceptsWhenNoBoxCanBeShown) {
    EXPECT_EQ(DisplayMessage(101, "?"), MessageResult::None);
    EXPECT_TRUE(ConfirmMessage(101));
}

}  // namespace
}  // namespace oltoma
