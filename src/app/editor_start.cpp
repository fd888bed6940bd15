#include "app/editor_start.h"

#include "base/messages/messages.h"
#include "base/text/number_format.h"

namespace oltoma {
namespace {

constexpr int kFirstSuccessResult = 32;
constexpr int kOutOfResources = 0;
constexpr int kFileNotFound = 2;
constexpr int kPathNotFound = 3;
constexpr int kBadFormat = 11;
// Message table numbers of the system errors.
constexpr int kNotEnoughMemoryText = 8;
constexpr int kFileNotFoundText = 2;
constexpr int kPathNotFoundText = 3;

std::string UnknownResultText(int result) {
    return "ok\xE4nt fel nummer " + IntZeroPadded(result, 3);  // "okänt"
}

// The texts of a failed start of the first program: a missing program has
// none, as the fallback is tried then.
std::string EditorResultText(int result) {
    switch (result) {
        case kOutOfResources:
            return msgtext(kNotEnoughMemoryText);
        case kBadFormat:
            return "Ogiltig programfil";
        default:
            return UnknownResultText(result);
    }
}

std::string FallbackResultText(int result) {
    switch (result) {
        case kFileNotFound:
            return msgtext(kFileNotFoundText);
        case kPathNotFound:
            return msgtext(kPathNotFoundText);
        default:
            return EditorResultText(result);
    }
}

}  // namespace

EditorStartOutcome StartTextEditor(platform::ProgramLauncher& launcher) {
    int result = launcher.Start("edittoma.exe");
    std::string text = "winexecfel: ";
    if (result == kFileNotFound || result == kPathNotFound) {
        result = launcher.Start("notepad.exe");
        text += FallbackResultText(result);
    } else {
        text += EditorResultText(result);
    }
    if (result >= kFirstSuccessResult) {
        return {true, {}};
    }
    return {false, text + "\"notepad\""};
}

}  // namespace oltoma
