#include "platform/services.h"

#include "platform/process_state.h"

#include "platform/printer_catalog.h"

namespace oltoma::platform {
namespace {

class QuietMessageBoxes final : public MessageBoxes {
public:
    MessageResult Show(WindowHandle, std::string_view, std::string_view, MessageButtons,
                       MessageIcon) override {
        return MessageResult::None;
    }
};

class QuietSound final : public Sound {
public:
    void Beep(int, int) override {}
    void WarningSound() override {}
};

class QuietCursors final : public Cursors {
public:
    int Current() override { return current_; }
    void Set(int cursor) override { current_ = cursor; }

private:
    int current_ = 0;
};

class QuietNumberPrompt final : public NumberPrompt {
public:
    int AskNumber(WindowHandle, int initial, std::string_view) override { return initial; }
};

class QuietShell final : public Shell {
public:
    int Open(std::string_view) override { return 31; }
};

class QuietProgramLauncher final : public ProgramLauncher {
public:
    int Start(std::string_view) override { return 2; }
};

class QuietPrinterCatalog final : public PrinterCatalog {
public:
    std::vector<std::string> PrinterNames() override { return {}; }
    std::string DefaultPrinterName() override { return {}; }
    std::optional<PrinterInfo> Describe(std::string_view) override { return std::nullopt; }
};

class QuietFileDialogs final : public FileDialogs {
public:
    FileDialogAnswer Ask(WindowHandle, const FileDialogRequest&) override { return {}; }
};

Services& Bound() {
    static Services services;
    return services;
}

// Nothing bound: the quiet defaults answer.
void UnbindServices() {
    Bound() = {};
}
[[maybe_unused]] const bool kResetRegistered = RegisterStateReset(&UnbindServices);

template <typename Interface, typename Quiet>
Interface& OrQuiet(Interface* bound) {
    static Quiet quiet;
    return bound != nullptr ? *bound : quiet;
}

}  // namespace

Services BindServices(const Services& services) {
    const Services previous = Bound();
    Bound() = services;
    return previous;
}

MessageBoxes& CurrentMessageBoxes() {
    return OrQuiet<MessageBoxes, QuietMessageBoxes>(Bound().messageBoxes);
}
Sound& CurrentSound() {
    return OrQuiet<Sound, QuietSound>(Bound().sound);
}
Cursors& CurrentCursors() {
    return OrQuiet<Cursors, QuietCursors>(Bound().cursors);
}
NumberPrompt& CurrentNumberPrompt() {
    return OrQuiet<NumberPrompt, QuietNumberPrompt>(Bound().numberPrompt);
}
Shell& CurrentShell() {
    return OrQuiet<Shell, QuietShell>(Bound().shell);
}
ProgramLauncher& CurrentProgramLauncher() {
    return OrQuiet<ProgramLauncher, QuietProgramLauncher>(Bound().programLauncher);
}
PrinterCatalog& CurrentPrinterCatalog() {
    return OrQuiet<PrinterCatalog, QuietPrinterCatalog>(Bound().printerCatalog);
}
FileDialogs& CurrentFileDialogs() {
    return OrQuiet<FileDialogs, QuietFileDialogs>(Bound().fileDialogs);
}

}  // namespace oltoma::platform
