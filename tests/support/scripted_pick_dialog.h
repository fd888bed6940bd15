// A pick dialog double: records every request and answers from the test
// (by default as Cancel). Bind it with PickDialogBinding.
#pragma once

#include <functional>
#include <vector>

#include "registers/pick_dialog.h"

namespace oltoma::testing {

class ScriptedPickDialog final : public registers::PickDialog {
public:
    std::vector<registers::PickDialogRequest> requests;
    std::function<registers::PickDialogAnswer(const registers::PickDialogRequest&)> answer;

    registers::PickDialogAnswer Run(const registers::PickDialogRequest& request) override {
        requests.push_back(request);
        return answer ? answer(request) : registers::PickDialogAnswer{};
    }

    // Answers OK with the lines of the given indexes selected.
    void ChooseLines(std::vector<int> lines) {
        answer = [lines](const registers::PickDialogRequest&) {
            return registers::PickDialogAnswer{.ok = true, .selected = lines};
        };
    }
};

class PickDialogBinding {
public:
    explicit PickDialogBinding(registers::PickDialog* dialog)
        : previous_(registers::BindPickDialog(dialog)) {}
    ~PickDialogBinding() { registers::BindPickDialog(previous_); }
    PickDialogBinding(const PickDialogBinding&) = delete;
    PickDialogBinding& operator=(const PickDialogBinding&) = delete;

private:
    registers::PickDialog* previous_;
};

}  // namespace oltoma::testing
