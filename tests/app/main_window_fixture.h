// What a main window under test needs: doubles for every platform service,
// a first start (no configuration file, an empty default data directory, an
// empty message line), and helpers that read the window's widgets by their
// component names.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QMainWindow>
#include <QTimer>
#include <QtTest>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <string_view>

#include "app/olmainform.h"
#include "app/panel_status_bar.h"
#include "base/messages/messages.h"
#include "bound_services.h"
#include "scripted_message_boxes.h"
#include "scripted_printer_catalog.h"
#include "scripted_progress.h"
#include "scripted_services.h"
#include "when_shown.h"

namespace oltoma::testing {

// One printer is installed, so that the start leaves no printer message.
struct MainWindowDoubles {
    MainWindowDoubles() { printers.Add("laser"); }

    ScriptedMessageBoxes boxes;
    RecordingSound sound;
    RecordingCursors cursors;
    RecordingShell shell;
    ScriptedProgramLauncher launcher;
    ScriptedPrinterCatalog printers;
    ScriptedProgressWindows progress;
    BoundProgressWindows boundProgress{progress};
    BoundServices bound{{.messageBoxes = &boxes,
                         .sound = &sound,
                         .cursors = &cursors,
                         .shell = &shell,
                         .programLauncher = &launcher,
                         .printerCatalog = &printers}};
};

inline std::string ConfigurationFile() {
    return std::string(std::getenv("HOME")) + "/.config/OltomaW64/OltomaW64.P64";
}

// Writes bytes into the configuration file at `offset`.
inline void StoreBytes(std::size_t offset, std::string_view bytes) {
    std::fstream file(ConfigurationFile(), std::ios::in | std::ios::out | std::ios::binary);
    file.seekp(static_cast<std::streamoff>(offset));
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline void StoreWord(std::size_t offset, std::uint16_t value) {
    StoreBytes(offset, std::string_view(reinterpret_cast<const char*>(&value), sizeof value));
}

inline void StoreInt(std::size_t offset, std::int32_t value) {
    StoreBytes(offset, std::string_view(reinterpret_cast<const char*>(&value), sizeof value));
}

inline std::int32_t StoredInt(std::size_t offset) {
    std::ifstream file(ConfigurationFile(), std::ios::binary);
    file.seekg(static_cast<std::streamoff>(offset));
    std::int32_t value = 0;
    file.read(reinterpret_cast<char*>(&value), sizeof value);
    return value;
}

// The data directory a first start enters.
inline std::filesystem::path DefaultDataDirectory() {
    return std::filesystem::path(std::getenv("HOME")) / "Documents/OltomaW64/data";
}

// The next window starts as on a new machine.
inline void StartAfresh() {
    QFile::remove(QString::fromStdString(ConfigurationFile()));
    std::filesystem::remove_all(DefaultDataDirectory());
    SetMessageLine("");
}

// A main window whose "datadir" folder dialog answers from the test.
class FolderScriptedForm : public TMainForm {
public:
    using TMainForm::TMainForm;
    QString answer;
    QString askedTitle;

protected:
    QString ChooseFolder(const QString& title, const QString&) override {
        askedTitle = title;
        return answer;
    }
};

template <typename Widget>
Widget* Child(QWidget* form, const char* name) {
    auto* child = form->findChild<Widget*>(name);
    if (child == nullptr) {
        qFatal("no component %s", name);
    }
    return child;
}

inline QString PanelText(QWidget* form, const char* bar, int panel) {
    return Child<PanelStatusBar>(form, bar)->panelText(panel);
}

// Panel i of the bottom status bar: 0 the newest message.
inline QString Message(QWidget* form, int panel) {
    return PanelText(form, "emainstatusbar1", panel);
}

inline void ShowAndWait(QMainWindow& form) {
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
}

// Runs `command` and tells whether it opened a modal dialog (which is then
// closed at once).
inline bool OpensADialog(const std::function<void()>& command) {
    bool shown = false;
    QTimer watch;
    watch.setSingleShot(true);
    QObject::connect(&watch, &QTimer::timeout, [&shown] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            shown = true;
            dialog->reject();
        }
    });
    watch.start(0);
    command();
    return shown;
}

}  // namespace oltoma::testing
