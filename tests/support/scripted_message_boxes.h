// A message-box double: records every box and answers from a script.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/services.h"

namespace oltoma::testing {

class ScriptedMessageBoxes final : public platform::MessageBoxes {
public:
    struct Shown {
        platform::WindowHandle owner;
        std::string caption;
        std::string text;
        platform::MessageButtons buttons;
        platform::MessageIcon icon;
    };

    // Answers given in order; when the script runs out the first button of
    // the box is pressed (Ok, Yes or Abort).
    std::deque<platform::MessageResult> answers;
    std::vector<Shown> shown;

    platform::MessageResult Show(platform::WindowHandle owner, std::string_view caption,
                                 std::string_view text, platform::MessageButtons buttons,
                                 platform::MessageIcon icon) override {
        shown.push_back({owner, std::string(caption), std::string(text), buttons, icon});
        if (!answers.empty()) {
            const platform::MessageResult answer = answers.front();
            answers.pop_front();
            return answer;
        }
        switch (buttons) {
            case platform::MessageButtons::YesNo:
            case platform::MessageButtons::YesNoDefaultNo:
                return platform::MessageResult::Yes;
            case platform::MessageButtons::AbortRetryIgnore:
                return platform::MessageResult::Abort;
            default:
                return platform::MessageResult::Ok;
        }
    }
};

// Binds the given double for the lifetime of the guard.
class BoundMessageBoxes {
public:
    explicit BoundMessageBoxes(platform::MessageBoxes& boxes) {
        platform::Services services = platform::BindServices({});
        previous_ = services;
        services.messageBoxes = &boxes;
        platform::BindServices(services);
    }
    ~BoundMessageBoxes() { platform::BindServices(previous_); }
    BoundMessageBoxes(const BoundMessageBoxes&) = delete;
    BoundMessageBoxes& operator=(const BoundMessageBoxes&) = delete;

private:
    platform::Services previous_;
};

}  // namespace oltoma::testing
