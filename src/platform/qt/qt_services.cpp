#include "platform/qt/qt_services.h"

#include <QApplication>

namespace oltoma::platform {

void QtSound::Beep(int, int) {
    QApplication::beep();
}

void QtSound::WarningSound() {
    QApplication::beep();
}

QtServices& BindQtServices() {
    static QtServices services;
    BindServices({.messageBoxes = &services.messageBoxes,
                  .sound = &services.sound,
                  .cursors = &services.cursors,
                  .numberPrompt = &services.numberPrompt,
                  .shell = &services.shell,
                  .programLauncher = &services.programLauncher,
                  .printerCatalog = &services.printerCatalog,
                  .fileDialogs = &services.fileDialogs});
    return services;
}

}  // namespace oltoma::platform
