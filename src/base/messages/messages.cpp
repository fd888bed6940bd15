#include "base/messages/messages.h"

#include "base/messages/message_owner_stack.h"
#include "base/text/oem_text.h"
#include "platform/process_state.h"

namespace oltoma {

MyMsgStrng MessageLine;

namespace {

void ClearMessageLine() {
    MessageLine = MyMsgStrng();
}
[[maybe_unused]] const bool kResetRegistered = platform::RegisterStateReset(&ClearMessageLine);

using platform::MessageButtons;
using platform::MessageIcon;
using platform::MessageResult;

constexpr std::size_t kMaxShownLength = MyMsgStrng::kCapacity;  // 160

struct MessageClass {
    const char* caption;
    MessageButtons buttons;
    MessageIcon icon;
};

// Class 1..3 boxes; any other class except 0 is shown as class 2.
MessageClass BoxOfClass(int messageClass) {
    switch (messageClass) {
        case 1:
            return {"??", MessageButtons::YesNo, MessageIcon::None};
        case 3:
            return {"error", MessageButtons::AbortRetryIgnore, MessageIcon::None};
        default:
            return {"info", MessageButtons::Ok, MessageIcon::Exclamation};
    }
}

// Only the OEM codes of Å Ä Ö å ä ö trigger the conversion of a message.
bool HasOemSwedishLetters(std::string_view text) {
    return text.find_first_of("\x8F\x8E\x99\x86\x84\x94") != std::string_view::npos;
}

std::string ConvertedFromOem(std::string_view text) {
    std::string converted(text);
    for (char& c : converted) {
        c = OemToAnsiChar(c);
    }
    return converted;
}

MessageLineObserver& BoundObserver() {
    static MessageLineObserver observer = nullptr;
    return observer;
}

void UnbindMessageLineObserver() {
    BoundObserver() = nullptr;
}
[[maybe_unused]] const bool kObserverResetRegistered =
    platform::RegisterStateReset(&UnbindMessageLineObserver);

MessageResult ShowBox(const MessageClass& box, std::string_view text) {
    return platform::CurrentMessageBoxes().Show(CurrentMessageOwner(), box.caption, text,
                                                box.buttons, box.icon);
}

MessageResult Show(int code, std::string_view text) {
    const int messageClass = code / 100;
    if (messageClass == 0) {
        // ConfirmMessage shows the line it holds: that is no new text.
        if (text != MessageLine.view()) {
            SetMessageLine(text);
        }
        return MessageResult::Ok;
    }
    return ShowBox(BoxOfClass(messageClass), text);
}

std::string_view Shown(std::string_view text) {
    return text.substr(0, kMaxShownLength);
}

bool Accepted(MessageResult result) {
    switch (result) {
        case MessageResult::No:
        case MessageResult::Cancel:
        case MessageResult::Abort:
            return false;
        default:
            return true;
    }
}

}  // namespace

void SetMessageLine(std::string_view text) {
    MessageLine.assign(text);
    if (BoundObserver() != nullptr) {
        BoundObserver()(MessageLine.view());
    }
}

MessageLineObserver BindMessageLineObserver(MessageLineObserver observer) {
    const MessageLineObserver previous = BoundObserver();
    BoundObserver() = observer;
    return previous;
}

MessageResult DisplayMessage(int code, std::string_view text) {
    text = Shown(text);
    if (HasOemSwedishLetters(text)) {
        return Show(code, ConvertedFromOem(text));
    }
    return Show(code, text);
}

MessageResult DisplayMessageUnconverted(int code, std::string_view text) {
    return Show(code, Shown(text));
}

MessageResult AskBeforeDestroying(std::string_view text) {
    MessageClass box = BoxOfClass(1);
    box.buttons = MessageButtons::YesNoDefaultNo;
    text = Shown(text);
    if (HasOemSwedishLetters(text)) {
        return ShowBox(box, ConvertedFromOem(text));
    }
    return ShowBox(box, text);
}

bool ConfirmMessage(int code) {
    switch (code % 100) {
        case 0:
        case 34:
            SetMessageLine("");
            break;
        case 7:
            SetMessageLine(msgtext(324));
            break;
        case 31:
            SetMessageLine(msgtext(325));
            break;
        case 33:
            SetMessageLine(msgtext(326));
            break;
        case 36:
            SetMessageLine(msgtext(329));
            break;
        case 39:
            SetMessageLine(msgtext(330));
            break;
        default:
            break;
    }
    // A copy: showing the line may change MessageLine (class 0 does).
    const std::string line = MessageLine.str();
    return Accepted(DisplayMessage(code, line));
}

}  // namespace oltoma
