#include "ol/data/maintenance/maintenance_messages.h"

#include "base/messages/messages.h"
#include "platform/process_state.h"

namespace oltoma::ol {
namespace {

constexpr int kStatusLineCode = 1;
constexpr int kInformationCode = 201;

StatusLineObserver& BoundObserver() {
    static StatusLineObserver observer = nullptr;
    return observer;
}

void UnbindStatusLineObserver() {
    BoundObserver() = nullptr;
}
[[maybe_unused]] const bool kResetRegistered =
    platform::RegisterStateReset(&UnbindStatusLineObserver);

}  // namespace

StatusLineObserver BindStatusLineObserver(StatusLineObserver observer) {
    const StatusLineObserver previous = BoundObserver();
    BoundObserver() = observer;
    return previous;
}

void ShowStatusLine(std::string_view text) {
    SetMessageLine(text);
    ConfirmMessage(kStatusLineCode);
    if (BoundObserver() != nullptr) {
        BoundObserver()(MessageLine.view());
    }
}

void ShowInformation(std::string_view text) {
    SetMessageLine(text);
    ConfirmMessage(kInformationCode);
}

}  // namespace oltoma::ol
