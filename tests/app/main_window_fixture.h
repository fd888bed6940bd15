// What a main window under test needs: doubles for every platform service,
// a first start (no configuration file, an empty message line), and helpers
// that read the window's widgets by their component names.
#pragma once

#include <QFile>
#include <QMainWindow>
#include <QtTest>

#include <cstdlib>
#include <string>

#include "app/panel_status_bar.h"
#include "base/messages.h"
#include "bound_services.h"
#include "scripted_message_boxes.h"
#include "scripted_printer_catalog.h"
#include "scripted_services.h"

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

// The next window starts as on a new machine.
inline void StartAfresh() {
    QFile::remove(QString::fromStdString(ConfigurationFile()));
    SetMessageLine("");
}

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

}  // namespace oltoma::testing
