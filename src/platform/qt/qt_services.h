// The Qt binding of the platform services, for the program:
//   int main(...) { QApplication app(...); platform::BindQtServices(); ... }
// Message boxes, beeps, cursors, the number dialog, the file dialogs and the
// desktop shell go through Qt Widgets; programs start through NativeProgramLauncher; printers
// come from Qt Print Support (CUPS). Tests bind the doubles of
// tests/support instead.
#pragma once

#include <QCursor>
#include <QString>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/native_program_launcher.h"
#include "platform/printer_catalog.h"
#include "platform/services.h"

namespace oltoma::platform {

// Modal message boxes kept on top of all windows: application-modal, owned
// by the owner's window (or none), plain text. Other top-most windows of the
// application are lowered while a box shows and raised again after it.
// Closing a box with Escape or its title bar answers as No (yes/no boxes),
// Abort (abort/retry/ignore) or Ok. The buttons read Swedish ("&Ja",
// "&Nej", "OK", "&Avbryt", "&Försök igen", "&Ignorera"); the first is the
// default button, except in YesNoDefaultNo boxes, where it is No. The title
// bar offers no minimise or maximise button. Returns None without a
// QApplication.
class QtMessageBoxes final : public MessageBoxes {
public:
    MessageResult Show(WindowHandle owner, std::string_view caption, std::string_view text,
                       MessageButtons buttons, MessageIcon icon) override;
};

// The desktop's beep; the tone's pitch and length are the desktop's.
class QtSound final : public Sound {
public:
    void Beep(int frequencyHz, int durationMs) override;
    void WarningSound() override;
};

// The application-wide cursor (Qt's override cursor). Numbers are the
// CursorShape values of services.h and the cursors registered here.
class QtCursors final : public Cursors {
public:
    void Register(int number, const QCursor& cursor);
    int Current() override;
    void Set(int cursor) override;

private:
    QCursor CursorFor(int number) const;

    std::map<int, QCursor> registered_;
    int current_ = CursorShape::kDefault;
};

// The one-line number dialog (number_prompt_dialog.h), scaled by the
// window scale.
class QtNumberPrompt final : public NumberPrompt {
public:
    int AskNumber(WindowHandle owner, int initial, std::string_view prompt) override;
};

// Opens web and mail addresses (anything with a scheme, such as https: or
// mailto:) and local documents (any other text, a Windows-1252 path) with
// the desktop's handler. Returns 33 when the desktop took it, 2 for a
// document that does not exist, 31 when nothing could open it.
class QtShell final : public Shell {
public:
    int Open(std::string_view address) override;
};

// Printers of Qt Print Support. Names are converted to Windows-1252. The
// port is left empty (the print system does not tell it); the page is the
// printer's default paper in portrait with its minimum margins and the
// resolution of a high-resolution print job on it.
class QtPrinterCatalog final : public PrinterCatalog {
public:
    std::vector<std::string> PrinterNames() override;
    std::string DefaultPrinterName() override;
    std::optional<PrinterInfo> Describe(std::string_view name) override;
};

// The open and save dialogs of the exchange files: Qt's own file dialog,
// application-modal over the owner's window and scaled by the window scale;
// the save dialog asks before an existing file is replaced.
class QtFileDialogs final : public FileDialogs {
public:
    FileDialogAnswer Ask(WindowHandle owner, const FileDialogRequest& request) override;
};

struct QtServices {
    QtMessageBoxes messageBoxes;
    QtSound sound;
    QtCursors cursors;
    QtNumberPrompt numberPrompt;
    QtShell shell;
    NativeProgramLauncher programLauncher;
    QtPrinterCatalog printerCatalog;
    QtFileDialogs fileDialogs;
};

// Binds the Qt services (once; later calls bind them again) and returns
// them, e.g. to register the program's own cursors.
QtServices& BindQtServices();

}  // namespace oltoma::platform
