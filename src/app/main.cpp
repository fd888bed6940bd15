// The program body: one instance at a time, the splash window while the main
// window is built, then the message loop until the main window closes.
#include <QApplication>
#include <QPointer>

#include "app/competition_files.h"
#include "app/esplashform.h"
#include "app/generated_pictures.h"
#include "app/olmainform.h"
#include "app/program_version.h"
#include "base/configuration_file.h"
#include "base/messages.h"
#include "base/windows1252.h"
#include "platform/qt/qt_services.h"
#include "platform/single_instance.h"

using namespace oltoma;

int main(int argc, char** argv) {
    platform::SingleInstanceGuard guard("OLTOMA");
    QApplication application(argc, argv);
    platform::QtServices& services = platform::BindQtServices();
    if (!guard.FirstInstance()) {
        DisplayMessage(200, Windows1252FromUtf8("oltoma körs redan"));
        return 0;
    }
    services.cursors.Register(kProgramCursorNumber, ProgramCursor());

    QPointer<TSplashScreen> splash = new TSplashScreen;
    splash->show();
    splash->repaint();
    QApplication::processEvents();

    QApplication::setApplicationName(kApplicationTitle);

    // The orienteering data layer plugs in here; until then the program runs
    // as in a data directory without data files.
    static NoCompetitionFiles files;
    TMainForm mainForm(files);
    delete splash;
    if (!mainForm.Started()) {
        return kOutOfMemoryExitCode;
    }
    mainForm.show();
    return QApplication::exec();
}
