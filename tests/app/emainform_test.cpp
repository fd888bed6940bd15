// The base main window as the program's main window runs it: settings at
// start and end, status bars, button row, scale, links and the data
// directory command.
#include "app/emainform.h"

#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusTipEvent>

#include <random>

#include "app/background_picture.h"
#include "app/link_label.h"
#include "app/olmainform.h"
#include "base/messages/message_owner_stack.h"
#include "base/settings/settings_state.h"
#include "base/settings/window_scale.h"
#include "main_window_fixture.h"
#include "platform/qt/up_down.h"
#include "qtest_main.h"

namespace oltoma {

using testing::Child;
using testing::Message;

using testing::StoredInt;
using testing::StoreWord;

class TomaMainFormTest : public QObject {
    Q_OBJECT

private slots:
    void init() { testing::StartAfresh(); }

    void newestMessageComesFirst() {
        testing::MainWindowDoubles doubles;
        TMainForm form;
        testing::ShowAndWait(form);
        for (const char* text : {"A", "B", "C", "D"}) {
            form.doStatusBar(text);
        }
        QCOMPARE(Message(&form, 0), "D");
        QCOMPARE(Message(&form, 1), "C");
        QCOMPARE(Message(&form, 2), "B");
        form.doStatusBar("");
        QCOMPARE(Message(&form, 0), "D");
        QCOMPARE(Message(&form, 2), "B");
        auto* bar = Child<PanelStatusBar>(&form, "emainstatusbar1");
        const int share = bar->width() / 4;
        QCOMPARE(bar->panelWidth(0), 2 * share);
        QCOMPARE(bar->panelWidth(1), share);
        QCOMPARE(bar->toolTip(), "D");
        form.doStatusBar(QString(200, 'x'));
        QCOMPARE(Message(&form, 0).size(), 160);
    }

    void messageLineShowsOnceUntilItChanges() {
        testing::MainWindowDoubles doubles;
        TMainForm form;
        form.doStatusBar("before");
        SetMessageLine("Filerna \xF6ppna....");
        form.xMyMsgUpdate();
        form.xMyMsgUpdate();
        QCOMPARE(Message(&form, 0), QString::fromUtf8("Filerna öppna...."));
        QCOMPARE(Message(&form, 1), "before");
        SetMessageLine("Filerna \xF6ppna...");  // one character shorter: a change
        form.xMyMsgUpdate();
        QCOMPARE(Message(&form, 1), QString::fromUtf8("Filerna öppna...."));
    }

    void firstStartShowsDefaultsAndStoresPositionAndScale() {
        testing::MainWindowDoubles doubles;
        {
            TMainForm form;
            testing::ShowAndWait(form);
            QCOMPARE(WindowScale, 100);  // the new file's scale word is 1
            QCOMPARE(form.pos(), QPoint(TTomaMainForm::kDesignedLeft, TTomaMainForm::kDesignedTop));
            // The build stamp, then what the empty data directory says.
            QCOMPARE(Message(&form, 1),
                     QString::fromUtf8("oltoma tävlingskansli, 2024-03-02 12.40"));
            QCOMPARE(Message(&form, 0),
                     QString::fromUtf8("Datafiler saknas/ ej i aktuellt bibliotek"));
            const QString home = QString::fromLocal8Bit(std::getenv("HOME"));
            QCOMPARE(testing::PanelText(&form, "datadirstatusbar", 1),
                     home + "/Documents/OltomaW64/data");
            QCOMPARE(testing::PanelText(&form, "PrEnvStatusbar", 1),
                     QString::fromUtf8("arial.stående"));
            QCOMPARE(testing::PanelText(&form, "etikettenvstatusbar", 1), "Laser 3x8");
            QCOMPARE(MessageOwnerDepth(), 1);
            QCOMPARE(doubles.cursors.current, kProgramCursorNumber);
            Child<QLineEdit>(&form, "EditFormScale")->setText("150");
            form.move(70, 80);
        }
        QCOMPARE(MessageOwnerDepth(), 0);
        QCOMPARE(StoredInt(60224) & 0xFFFF, 150);
        QCOMPARE(StoredInt(60228), 70);
        QCOMPARE(StoredInt(60232), 80);

        TMainForm again;
        testing::ShowAndWait(again);
        QCOMPARE(WindowScale, 150);
        QCOMPARE(again.scaleControlPosition(), 150);
        QCOMPARE(again.pos(), QPoint(70, 80));
    }

    void storedScaleOutsideRangeIsIgnored() {
        testing::MainWindowDoubles doubles;
        { TMainForm first; }
        StoreWord(60224, 301);
        TMainForm form;
        QCOMPARE(WindowScale, 100);  // automatic on the test screen
        QCOMPARE(Child<QLineEdit>(&form, "EditFormScale")->text(), "100");
    }

    void controlsStandWhereTheScaleSays_data() {
        QTest::addColumn<int>("scale");
        QTest::newRow("100") << 100;
        QTest::newRow("200") << 200;
    }
    void controlsStandWhereTheScaleSays() {
        QFETCH(int, scale);
        testing::MainWindowDoubles doubles;
        { TMainForm first; }
        StoreWord(60224, static_cast<std::uint16_t>(scale));
        TMainForm form;
        testing::ShowAndWait(form);
        QCOMPARE(WindowScale, scale);
        const BaseWindowLayout layout = LayoutAtScale(scale);
        QCOMPARE(Child<QWidget>(&form, "clientArea")->size(),
                 QSize(layout.clientWidth, layout.clientHeight));
        auto* datadir = Child<QPushButton>(&form, "buttonDataLib");
        auto* konfig = Child<QPushButton>(&form, "buttonKonfig");
        QCOMPARE(datadir->geometry(), QRect(ScaledLength(16, scale), layout.buttonDataLib.top,
                                            ScaledLength(81, scale), ScaledLength(28, scale)));
        QCOMPARE(konfig->x() - (datadir->x() + datadir->width()), ScaledLength(16, scale));
        QCOMPARE(Child<QPushButton>(&form, "quitbutton")->x(), ScaledLength(450, scale));
        QCOMPARE(Child<QWidget>(&form, "datastatusbar")->geometry(),
                 QRect(0, ScaledLength(160, scale), layout.clientWidth, ScaledLength(22, scale)));
        QCOMPARE(Child<PanelStatusBar>(&form, "datastatusbar")->panelWidth(0),
                 ScaledLength(200, scale));
        QCOMPARE(Child<QWidget>(&form, "Label5")->pos(),
                 QPoint(ScaledLength(396, scale), ScaledLength(16, scale)));
        QCOMPARE(Child<QPushButton>(&form, "infobutton")->font().pixelSize(),
                 ScaledLength(16, scale));
    }

    void anchoredControlsFollowTheWindow() {
        testing::MainWindowDoubles doubles;
        TMainForm form;
        testing::ShowAndWait(form);
        form.resize(form.width() + 100, form.height() + 40);
        QTRY_COMPARE(Child<QWidget>(&form, "clientArea")->width(), 645);
        QCOMPARE(Child<QPushButton>(&form, "quitbutton")->pos(), QPoint(550, 296));
        QCOMPARE(Child<QPushButton>(&form, "buttonDataLib")->pos(), QPoint(16, 296));
        QCOMPARE(Child<QWidget>(&form, "datadirstatusbar")->geometry(), QRect(0, 64, 645, 22));
        QCOMPARE(Child<QWidget>(&form, "Label5")->pos(), QPoint(496, 16));
        QCOMPARE(Child<QWidget>(&form, "emainstatusbar1")->geometry(), QRect(0, 333, 645, 19));
    }

    void oneOfTheFirstElevenPicturesShows() {
        for (int i = 0; i < 2000; ++i) {
            const int number = RandomBackgroundNumber();
            QVERIFY(number >= 1 && number <= 11);
        }
        testing::MainWindowDoubles doubles;
        TMainForm form;
        int shown = 0;
        for (int number = 1; number <= 12; ++number) {
            auto* picture =
                Child<QWidget>(&form, qPrintable(QString("bg_mainframe%1").arg(number)));
            if (!picture->isHidden()) {
                QCOMPARE(number, form.backgroundNumber());
                ++shown;
            }
        }
        QCOMPARE(shown, 1);
    }

    void dataDirectoryDropsOneTrailingSlash_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("stored");  // empty: unchanged
        QTest::newRow("folder") << "/srv/ol/data"
                                << "/srv/ol/data";
        QTest::newRow("trailing slash") << "/srv/ol/data/"
                                        << "/srv/ol/data";
        QTest::newRow("root stays the root") << "/"
                                             << "/";
        QTest::newRow("Swedish letters")
            << QString::fromUtf8("/srv/tävling") << QString::fromUtf8("/srv/tävling");
        QTest::newRow("cancelled") << ""
                                   << "";
        QTest::newRow("not Windows-1252") << QString::fromUtf8("/srv/日本") << "";
        QTest::newRow("longer than 1024") << "/" + QString(1100, 'a') << "";
    }
    void dataDirectoryDropsOneTrailingSlash() {
        QFETCH(QString, chosen);
        QFETCH(QString, stored);
        testing::MainWindowDoubles doubles;
        testing::FolderScriptedForm form;
        const QString before = testing::PanelText(&form, "datadirstatusbar", 1);
        form.answer = chosen;
        Child<QPushButton>(&form, "buttonDataLib")->click();
        QCOMPARE(form.askedTitle, QString::fromUtf8("Välj bibliotek"));
        const QString expected = stored.isEmpty() ? before : stored;
        QCOMPARE(testing::PanelText(&form, "datadirstatusbar", 1), expected);
        QCOMPARE(QString::fromLatin1(WorkingGlobalSettings().dataDirectory.str().c_str()),
                 expected);
        const bool refused = stored.isEmpty() && !chosen.isEmpty();
        QCOMPARE(doubles.sound.beeps.size(), refused ? 1u : 0u);
        // None of these folders holds data files.
        QCOMPARE(testing::PanelText(&form, "datastatusbar", 1), "<datafiler saknas>");
    }

    void editorFailureBeepsAndShowsItsText() {
        testing::MainWindowDoubles doubles;
        doubles.launcher.results = {{"edittoma.exe", 2}, {"notepad.exe", 2}};
        TMainForm form;
        Child<QPushButton>(&form, "editbutton")->click();
        QCOMPARE(Message(&form, 0), "winexecfel: Hittar ej filen\"notepad\"");
        QCOMPARE(doubles.sound.beeps, (std::vector<testing::RecordingSound::Tone>{{440, 100}}));
        doubles.launcher.results = {{"edittoma.exe", 2}};
        Child<QPushButton>(&form, "editbutton")->click();
        QCOMPARE(doubles.sound.beeps.size(), 1u);
        QCOMPARE(Message(&form, 0), "winexecfel: Hittar ej filen\"notepad\"");
    }

    // Tab stops only at controls that show their focus, and comes round.
    void tabGoesOnlyToVisibleControls() {
        testing::MainWindowDoubles doubles;
        TMainForm form;
        testing::ShowAndWait(form);
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        auto* first = Child<QPushButton>(&form, "buttonDataLib");
        first->setFocus();
        QStringList visited;
        for (int i = 0; i < 7; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, (QStringList{"buttonKonfig", "editbutton", "infobutton", "EditFormScale",
                                       "quitbutton", "buttonDataLib", "buttonKonfig"}));
    }

    // A hint shows while the pointer is over its control; it goes when the
    // pointer leaves the window, when a dialog takes over and when a menu
    // closes.
    void hintsGoWhenTheirControlIsLeft() {
        testing::MainWindowDoubles doubles;
        TMainForm form;
        testing::ShowAndWait(form);
        auto* bar = Child<PanelStatusBar>(&form, "emainstatusbar1");
        const auto hint = [&form] {
            QStatusTipEvent tip("en knapp");
            QApplication::sendEvent(&form, &tip);
        };
        hint();
        QCOMPARE(bar->hintOverlay(), QString("en knapp"));
        QEvent left(QEvent::Leave);
        QApplication::sendEvent(&form, &left);
        QCOMPARE(bar->hintOverlay(), QString());
        hint();
        QEvent deactivated(QEvent::WindowDeactivate);
        QApplication::sendEvent(&form, &deactivated);
        QCOMPARE(bar->hintOverlay(), QString());
        hint();
        auto* arkiv = form.menuBar()->findChild<QMenu*>("arkiv");
        QVERIFY(arkiv != nullptr);
        emit arkiv->aboutToHide();
        QCOMPARE(bar->hintOverlay(), QString());
    }

    // A configuration file of the right size is loaded whatever it holds;
    // the names the window shows stop where the text stops.
    void namesFromTheConfigurationStopAtTheirFirstNonText() {
        testing::MainWindowDoubles doubles;
        { TMainForm first; }
        // Print setting 1's name (59810) and label setting 1's (59359 + 41).
        testing::StoreBytes(59810, std::string_view("\x0A"
                                                    "Lista\x01\xFF\x9D"
                                                    "abc",
                                                    11));
        testing::StoreBytes(59400, std::string_view("\x06"
                                                    "Ark\x1F"
                                                    "xy",
                                                    7));
        TMainForm form;
        QCOMPARE(testing::PanelText(&form, "PrEnvStatusbar", 1), "Lista");
        QCOMPARE(testing::PanelText(&form, "etikettenvstatusbar", 1), "Ark");
    }

    void aConfigurationOfRandomBytesShowsNoGarbage() {
        testing::MainWindowDoubles doubles;
        doubles.printers.Remove("laser");  // no printer to refuse the file
        { TMainForm first; }
        std::mt19937 random(18);
        std::string bytes(318272, '\0');
        for (char& byte : bytes) {
            byte = static_cast<char>(random());
        }
        testing::StoreBytes(0, bytes);
        TMainForm form;
        for (const char* bar : {"datadirstatusbar", "PrEnvStatusbar", "etikettenvstatusbar"}) {
            for (const QChar c : testing::PanelText(&form, bar, 1)) {
                QVERIFY2(c.isPrint(), bar);
            }
        }
    }

    void linksOpenTheirAddressesAndHighlight() {
        testing::MainWindowDoubles doubles;
        TMainForm form;
        testing::ShowAndWait(form);
        QVERIFY(Child<QWidget>(&form, "Label3")->isHidden());
        QCOMPARE(Child<QLabel>(&form, "Label5")->text(), "manual: oltoma");
        auto* mail = Child<LinkLabel>(&form, "Label2");
        QTest::mouseClick(mail, Qt::LeftButton);
        QTest::mouseClick(Child<LinkLabel>(&form, "Label1"), Qt::LeftButton);
        QTest::mouseClick(Child<LinkLabel>(&form, "Label4"), Qt::LeftButton);
        QCOMPARE(doubles.shell.opened.size(), 3u);
        QCOMPARE(doubles.shell.opened[0],
                 "mailto:" + mail->text().toStdString() +
                     ",support@oltoma.example.org?subject=program: OltomaW64");
        QVERIFY(doubles.shell.opened[1].starts_with("https://www.oltoma.example.org/"));
        QCOMPARE(doubles.shell.opened[2], "https://blogg.oltoma.example.org");
        QVERIFY(doubles.sound.beeps.empty());
        doubles.shell.result = 2;
        QTest::mouseClick(mail, Qt::LeftButton);
        QCOMPARE(doubles.sound.beeps.size(), 1u);

        const QColor navy = mail->color();
        QTest::mouseMove(mail);
        QTRY_COMPARE(mail->color(), QColor(128, 0, 0));
        QCOMPARE(doubles.cursors.current, platform::CursorShape::kHand);
        QTest::mouseMove(Child<QWidget>(&form, "datastatusbar"));
        QTRY_COMPARE(mail->color(), navy);
        QCOMPARE(doubles.cursors.current, kProgramCursorNumber);
    }
};

}  // namespace oltoma

OLTOMA_QTEST_MAIN(oltoma::TomaMainFormTest)
#include "emainform_test.moc"
