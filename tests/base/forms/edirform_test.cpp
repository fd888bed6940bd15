#include "base/forms/edirform.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>

#include <functional>

#include "base/files/folder_access.h"
#include "base/forms/directory_list_box.h"
#include "base/messages/messages.h"
#include "base/settings/window_scale.h"
#include "platform/qt/qt_text.h"
#include "qtest_main.h"

namespace oltoma::forms {

class EdirformTest : public QObject {
    Q_OBJECT

    // The sandbox, which is the process's current directory.
    const QString here_ = QDir::currentPath();
    QString Here() const { return here_; }

    // Runs `step` on the dialog once it shows modally.
    static void WhenShown(std::function<void(Tedatadir&)> step) {
        QTimer::singleShot(0, [step] {
            auto* dialog = qobject_cast<Tedatadir*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            step(*dialog);
            if (dialog->isVisible()) {  // a failed step must not leave the dialog open
                dialog->reject();
            }
        });
    }

    static void EnterSubfolder(Tedatadir& dialog, const QString& name) {
        auto* list = dialog.findChild<DirectoryListBox*>("DirectoryListBox1");
        const QList<QListWidgetItem*> lines = list->findItems(name, Qt::MatchEndsWith);
        QVERIFY(!lines.isEmpty());
        emit list->itemDoubleClicked(lines.last());
    }

    static void Click(Tedatadir& dialog, const char* button) {
        QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
    }

private slots:
    void initTestCase() { QVERIFY(QDir::current().mkpath("data/Banor")); }

    void returnsTheListedFolderAfterOkAndNothingAfterCancel_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("result");
        const QString here = Here();
        QTest::newRow("ok") << here + "/data"
                            << "ok" << here + "/data";
        QTest::newRow("trailing separator dropped") << here + "/data/"
                                                    << "ok" << here + "/data";
        QTest::newRow("root") << "/"
                              << "ok"
                              << "/";
        QTest::newRow("missing start: current directory") << "saknas"
                                                          << "ok" << here;
        QTest::newRow("empty start: current directory") << ""
                                                        << "ok" << here;
        QTest::newRow("into a subfolder") << here + "/data"
                                          << "enter ok" << here + "/data/Banor";
        QTest::newRow("highlighted folder") << here + "/data"
                                            << "highlight ok" << here + "/data/Banor";
        QTest::newRow("highlighted by typing") << here + "/data"
                                               << "typeahead ok" << here + "/data/Banor";
        QTest::newRow("typed folder") << here << "type ok" << here + "/data/Banor";
        QTest::newRow("typed name that is no folder") << here + "/data"
                                                      << "missing cancel"
                                                      << "";
        QTest::newRow("cancel after moving") << here + "/data"
                                             << "enter cancel"
                                             << "";
        QTest::newRow("escape") << here + "/data"
                                << "escape"
                                << "";
    }
    void returnsTheListedFolderAfterOkAndNothingAfterCancel() {
        QFETCH(QString, start);
        QFETCH(QString, steps);
        QFETCH(QString, result);
        WhenShown([steps](Tedatadir& dialog) {
            QCOMPARE(dialog.windowTitle(), QString("kopiera till..."));
            for (const QString& step : steps.split(' ')) {
                auto* list = dialog.findChild<DirectoryListBox*>("DirectoryListBox1");
                auto* path = dialog.findChild<QLineEdit*>("editDir");
                if (step == "enter") {
                    EnterSubfolder(dialog, "Banor");
                } else if (step == "highlight") {
                    // One click on a line: the path shown follows it.
                    QListWidgetItem* line = list->findItems("Banor", Qt::MatchEndsWith).last();
                    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                      list->visualItemRect(line).center());
                    QVERIFY(path->text().endsWith("/data/Banor"));
                } else if (step == "typeahead") {
                    list->setFocus();
                    QTest::keyClicks(list, "ba");
                    QVERIFY(path->text().endsWith("/data/Banor"));
                } else if (step == "type") {
                    path->setText("data/Banor");
                } else if (step == "missing") {
                    path->setText("saknas");
                    Click(dialog, "BitBtn1");
                    QVERIFY(dialog.isVisible());
                    QVERIFY(dialog.findChild<QStatusBar*>("StatusBar1")
                                ->currentMessage()
                                .contains("saknas"));
                } else if (step == "ok") {
                    Click(dialog, "BitBtn1");
                } else if (step == "cancel") {
                    Click(dialog, "BitBtn2");
                } else {
                    QTest::keyClick(&dialog, Qt::Key_Escape);
                }
            }
        });
        const std::string chosen =
            ChooseDataDirectory(nullptr, "kopiera till...", platform::FromQString(start));
        QCOMPARE(platform::ToQString(chosen), result);
        QCOMPARE(QDir::currentPath(), Here());  // the data directory stays current
    }

    void foldersThatCannotBeEnteredAreReported() {
        const QString part(250, 'p');
        const QString longFolder = Here() + "/" + QStringList(5, part).join('/');
        QVERIFY(QDir().mkpath(longFolder));
        Tedatadir dialog(nullptr);
        dialog.Prepare("välj", platform::FromQString(longFolder));
        dialog.ShowDirectory();
        const std::string expected = FolderErrorMessage(206, platform::FromQString(longFolder));
        QCOMPARE(MessageLine.str(), expected);
        auto* list = dialog.findChild<DirectoryListBox*>("DirectoryListBox1");
        QCOMPARE(list->directory(), Here());
        auto* hints = dialog.findChild<QStatusBar*>("StatusBar1");
        QCOMPARE(hints->currentMessage(), platform::ToQString(expected));

        // A folder removed after it was listed.
        QVERIFY(QDir().mkpath("data/flyttad"));
        list->setDirectory(Here() + "/data");
        QVERIFY(QDir().rmdir("data/flyttad"));
        EnterSubfolder(dialog, "flyttad");
        QCOMPARE(MessageLine.str(),
                 FolderErrorMessage(3, platform::FromQString(Here() + "/data/flyttad")));
        QCOMPARE(list->directory(), Here() + "/data");
    }

    void designedFormScaledByTheWindowScale() {
        Tedatadir normal(nullptr);
        QCOMPARE(normal.size(), QSize(334, 372));
        QCOMPARE(normal.findChild<QWidget*>("DirectoryListBox1")->geometry(),
                 QRect(32, 24, 283, 245));
        QCOMPARE(normal.findChild<QWidget*>("editDir")->geometry(), QRect(32, 277, 283, 21));
        QCOMPARE(normal.findChild<QWidget*>("BitBtn2")->geometry(), QRect(120, 312, 75, 25));
        QVERIFY(normal.findChild<QPushButton*>("BitBtn1")->isDefault());
        QVERIFY(!normal.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        auto* hints = normal.findChild<QStatusBar*>("StatusBar1");
        const QString formHint("väljer biblioteket som  är öppnat");
        QCOMPARE(hints->currentMessage(), formHint);
        QStatusTipEvent entered("en knapp");
        QApplication::sendEvent(&normal, &entered);
        QCOMPARE(hints->currentMessage(), QString("en knapp"));
        QStatusTipEvent left{QString()};
        QApplication::sendEvent(&normal, &left);
        QCOMPARE(hints->currentMessage(), formHint);

        WindowScale = 150;
        Tedatadir scaled(nullptr);
        WindowScale = 100;
        QCOMPARE(scaled.size(), QSize(501, 558));
        QCOMPARE(scaled.findChild<QWidget*>("BitBtn2")->geometry(), QRect(180, 468, 113, 38));
    }
};

}  // namespace oltoma::forms

OLTOMA_QTEST_MAIN(oltoma::forms::EdirformTest)
#include "edirform_test.moc"
