// The program body: --help and --version answered before anything starts,
// then one instance at a time, the splash window while the main window is
// built, then the message loop until the main window closes.
#include <QApplication>
#include <QPointer>

#include <iostream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/esplashform.h"
#include "app/generated_pictures.h"
#include "app/olmainform.h"
#include "app/program_identity.h"
#include "base/messages/messages.h"
#include "base/settings/configuration_file.h"
#include "base/settings/program_version.h"
#include "base/text/windows1252.h"
#include "ol/forms/count_form.h"
#include "platform/qt/print/bind_qt_print.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/swedish_buttons.h"
#include "platform/single_instance.h"
#include "registers/forms/epick_form.h"

using namespace oltoma;

int main(int argc, char** argv) {
    if (const std::optional<int> exitCode = HandleCommandLine(argc, argv, std::cout, std::cerr)) {
        return *exitCode;
    }
    platform::SingleInstanceGuard guard("OLTOMA");
    QApplication application(argc, argv);
    SetProgramIdentity();
    platform::InstallSwedishTranslations();
    platform::QtServices& services = platform::BindQtServices();
    platform::BindQtPrint();
    BindQtProgressWindows();
    registers::BindQtPickDialog();
    if (!guard.FirstInstance()) {
        DisplayMessage(200, Windows1252FromUtf8("oltoma körs redan"));
        return 0;
    }
    services.cursors.Register(kProgramCursorNumber, ProgramCursor());

    QPointer<TSplashScreen> splash = new TSplashScreen;
    splash->show();
    splash->repaint();
    QApplication::processEvents();

    // The X11 window class stays "oltoma" (the executable's name, which Qt
    // fixes at the first window), as the desktop entry's StartupWMClass says.
    QApplication::setApplicationName(kApplicationTitle);

    // The command-line parameters after the program's name ("/NET").
    const std::vector<std::string> parameters(argv + 1, argv + argc);
    TMainForm mainForm(parameters);
    delete splash;
    if (!mainForm.Started()) {
        return kOutOfMemoryExitCode;
    }
    mainForm.show();
    return QApplication::exec();
}
