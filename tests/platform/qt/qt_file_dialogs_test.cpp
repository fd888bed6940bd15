// The open and save dialogs of the exchange files on Qt's own file dialog.
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QTest>
#include <QTimer>

#include <fstream>
#include <functional>

#include "platform/qt/qt_services.h"
#include "qtest_main.h"

namespace oltoma::platform {

class QtFileDialogsTest : public QObject {
    Q_OBJECT

    // Runs `act` on the file dialog once it shows.
    static void WhenShown(std::function<void(QFileDialog*)> act) {
        QTimer::singleShot(0, [act] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            act(dialog);
        });
    }

    static FileDialogRequest Request(FileDialogRequest::Kind kind) {
        FileDialogRequest request;
        request.kind = kind;
        request.title = "Spara fil som...";
        request.folder = QDir::currentPath().toStdString();
        request.fileName = "klubbar.txt";
        request.filter = "import/export|*.txt;*.ol";
        request.defaultExtension = "ol";
        request.mustExist = kind == FileDialogRequest::Kind::open;
        return request;
    }

private slots:
    void saveDialogShowsTheRequestAndAddsTheDefaultExtension() {
        QString title;
        QStringList filters;
        QStringList proposed;
        WhenShown([&](QFileDialog* dialog) {
            title = dialog->windowTitle();
            filters = dialog->nameFilters();
            proposed = dialog->selectedFiles();
            dialog->selectFile(QDir::currentPath() + "/ut");
            QMetaObject::invokeMethod(dialog, "accept");
        });
        QtFileDialogs dialogs;
        const FileDialogAnswer answer = dialogs.Ask(0, Request(FileDialogRequest::Kind::save));
        QCOMPARE(title, QString("Spara fil som..."));
        QCOMPARE(filters, QStringList{"import/export (*.txt *.ol)"});
        QCOMPARE(proposed, QStringList{QDir::currentPath() + "/klubbar.txt"});
        QVERIFY(answer.chosen);
        QCOMPARE(QString::fromStdString(answer.path), QDir::currentPath() + "/ut.ol");
        QCOMPARE(answer.filter, std::string("import/export|*.txt;*.ol"));
    }

    void aSecondFilterChosenGivesItsOwnExtension() {
        WhenShown([&](QFileDialog* dialog) {
            // As the user picks it from the list of file types.
            auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
            QVERIFY(types != nullptr);
            QTest::keyClick(types, Qt::Key_Down);
            dialog->selectFile(QDir::currentPath() + "/ut");
            QMetaObject::invokeMethod(dialog, "accept");
        });
        FileDialogRequest request = Request(FileDialogRequest::Kind::save);
        request.filter += "|IOF XML 3.0|*.xml";
        QtFileDialogs dialogs;
        const FileDialogAnswer answer = dialogs.Ask(0, request);
        QCOMPARE(QString::fromStdString(answer.path), QDir::currentPath() + "/ut.xml");
        QCOMPARE(answer.filter, std::string("IOF XML 3.0|*.xml"));
    }

    void openDialogTakesOnlyAnExistingFileAndCancelChoosesNothing() {
        std::ofstream("finns.txt") << "*Banor\n";
        WhenShown([](QFileDialog* dialog) {
            QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFile);
            dialog->selectFile(QDir::currentPath() + "/finns.txt");
            QMetaObject::invokeMethod(dialog, "accept");
        });
        QtFileDialogs dialogs;
        FileDialogAnswer answer = dialogs.Ask(0, Request(FileDialogRequest::Kind::open));
        QVERIFY(answer.chosen);
        QCOMPARE(QString::fromStdString(answer.path), QDir::currentPath() + "/finns.txt");

        WhenShown([](QFileDialog* dialog) { dialog->reject(); });
        answer = dialogs.Ask(0, Request(FileDialogRequest::Kind::open));
        QVERIFY(!answer.chosen);
        QVERIFY(answer.path.empty());
    }
};

}  // namespace oltoma::platform

OLTOMA_QTEST_MAIN(oltoma::platform::QtFileDialogsTest)
#include "qt_file_dialogs_test.moc"
