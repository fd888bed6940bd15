// Doubles for the small platform services: each records what the code asked
// of it and answers from a script. Bind them with BoundServices.
#pragma once

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "platform/services.h"

namespace oltoma::testing {

class RecordingSound final : public platform::Sound {
public:
    struct Tone {
        int frequencyHz;
        int durationMs;
        friend bool operator==(const Tone&, const Tone&) = default;
    };
    std::vector<Tone> beeps;
    int warnings = 0;

    void Beep(int frequencyHz, int durationMs) override {
        beeps.push_back({frequencyHz, durationMs});
    }
    void WarningSound() override { ++warnings; }
};

class RecordingCursors final : public platform::Cursors {
public:
    int current = platform::CursorShape::kDefault;
    std::vector<int> set;  // every cursor set, in order

    int Current() override { return current; }
    void Set(int cursor) override {
        current = cursor;
        set.push_back(cursor);
    }
};

class ScriptedNumberPrompt final : public platform::NumberPrompt {
public:
    struct Asked {
        platform::WindowHandle owner;
        int initial;
        std::string prompt;
    };
    // Answers in order; when the script runs out the user escapes (the
    // initial value is returned).
    std::deque<int> answers;
    std::vector<Asked> asked;

    int AskNumber(platform::WindowHandle owner, int initial, std::string_view prompt) override {
        asked.push_back({owner, initial, std::string(prompt)});
        if (answers.empty()) {
            return initial;
        }
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

class RecordingShell final : public platform::Shell {
public:
    int result = 42;  // success unless a test says otherwise
    std::vector<std::string> opened;

    int Open(std::string_view address) override {
        opened.emplace_back(address);
        return result;
    }
};

class ScriptedProgramLauncher final : public platform::ProgramLauncher {
public:
    // Result per program name; names not listed start (33).
    std::map<std::string, int> results;
    std::vector<std::string> started;

    int Start(std::string_view program) override {
        started.emplace_back(program);
        const auto found = results.find(std::string(program));
        return found != results.end() ? found->second : 33;
    }
};

// The open and save dialogs: records every request and answers from a
// script; when the script runs out the user cancels.
class ScriptedFileDialogs final : public platform::FileDialogs {
public:
    struct Asked {
        platform::WindowHandle owner;
        platform::FileDialogRequest request;
    };
    std::deque<platform::FileDialogAnswer> answers;
    std::vector<Asked> asked;

    // Answers the next dialog with the path (Windows-1252).
    void Choose(std::string path) { answers.push_back({true, std::move(path), {}}); }

    platform::FileDialogAnswer Ask(platform::WindowHandle owner,
                                   const platform::FileDialogRequest& request) override {
        asked.push_back({owner, request});
        if (answers.empty()) {
            return {};
        }
        platform::FileDialogAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

}  // namespace oltoma::testing
