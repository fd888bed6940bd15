#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <functional>

#include "platform/qt/qt_services.h"
#include "platform/qt/window_handles.h"
#include "qtest_main.h"

using oltoma::platform::MessageButtons;
using oltoma::platform::MessageIcon;
using oltoma::platform::MessageResult;

Q_DECLARE_METATYPE(MessageButtons)
Q_DECLARE_METATYPE(MessageIcon)
Q_DECLARE_METATYPE(MessageResult)

namespace oltoma::platform {

class QtMessageBoxesTest : public QObject {
    Q_OBJECT

    // Runs `act` on the box once it shows (from inside its event loop).
    static void WhenShown(std::function<void(QMessageBox*)> act) {
        QTimer::singleShot(0, [act] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            act(box);
        });
    }

private slots:
    void showsCaptionButtonsAndAnswer_data() {
        QTest::addColumn<MessageButtons>("buttons");
        QTest::addColumn<MessageIcon>("icon");
        QTest::addColumn<int>("click");
        QTest::addColumn<int>("expectedButtons");
        QTest::addColumn<int>("expectedIcon");
        QTest::addColumn<MessageResult>("result");
        QTest::newRow("info ok") << MessageButtons::Ok << MessageIcon::Exclamation
                                 << int(QMessageBox::Ok) << int(QMessageBox::Ok)
                                 << int(QMessageBox::Warning) << MessageResult::Ok;
        QTest::newRow("question yes")
            << MessageButtons::YesNo << MessageIcon::Question << int(QMessageBox::Yes)
            << int(QMessageBox::Yes | QMessageBox::No) << int(QMessageBox::Question)
            << MessageResult::Yes;
        QTest::newRow("question no")
            << MessageButtons::YesNo << MessageIcon::Question << int(QMessageBox::No)
            << int(QMessageBox::Yes | QMessageBox::No) << int(QMessageBox::Question)
            << MessageResult::No;
        QTest::newRow("error retry")
            << MessageButtons::AbortRetryIgnore << MessageIcon::Error << int(QMessageBox::Retry)
            << int(QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore)
            << int(QMessageBox::Critical) << MessageResult::Retry;
        QTest::newRow("error ignore")
            << MessageButtons::AbortRetryIgnore << MessageIcon::None << int(QMessageBox::Ignore)
            << int(QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore)
            << int(QMessageBox::NoIcon) << MessageResult::Ignore;
    }
    void showsCaptionButtonsAndAnswer() {
        QFETCH(MessageButtons, buttons);
        QFETCH(MessageIcon, icon);
        QFETCH(int, click);
        QFETCH(int, expectedButtons);
        QFETCH(int, expectedIcon);
        QFETCH(MessageResult, result);
        QString title, text;
        int shownButtons = 0, shownIcon = -1;
        bool topMost = false, applicationModal = false;
        WhenShown([&](QMessageBox* box) {
            title = box->windowTitle();
            text = box->text();
            shownButtons = int(box->standardButtons());
            shownIcon = int(box->icon());
            topMost = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            applicationModal = box->windowModality() == Qt::ApplicationModal;
            box->button(QMessageBox::StandardButton(click))->click();
        });
        QtMessageBoxes boxes;
        // Windows-1252 text, shown as plain text (no markup).
        QCOMPARE(boxes.Show(0, "info", "<datafiler saknas> \xE5\xE4\xF6", buttons, icon), result);
        QCOMPARE(title, QString("info"));
        QCOMPARE(text, QString::fromUtf8("<datafiler saknas> åäö"));
        QCOMPARE(shownButtons, expectedButtons);
        QCOMPARE(shownIcon, expectedIcon);
        QVERIFY(topMost);
        QVERIFY(applicationModal);
    }

    // The buttons read Swedish whatever translation is installed; only a
    // question before destroying data has No as its default button.
    void swedishButtonsAndTheirDefault_data() {
        QTest::addColumn<MessageButtons>("buttons");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("defaultText");
        QTest::newRow("question") << MessageButtons::YesNo << QStringList{"Ja", "Nej"} << "Ja";
        QTest::newRow("destructive question")
            << MessageButtons::YesNoDefaultNo << QStringList{"Ja", "Nej"} << "Nej";
        QTest::newRow("error") << MessageButtons::AbortRetryIgnore
                               << QStringList{"Avbryt", QString::fromUtf8("Försök igen"),
                                              "Ignorera"}
                               << "Avbryt";
        QTest::newRow("information") << MessageButtons::Ok << QStringList{"OK"} << "OK";
    }
    void swedishButtonsAndTheirDefault() {
        QFETCH(MessageButtons, buttons);
        QFETCH(QStringList, texts);
        QFETCH(QString, defaultText);
        QStringList shown;
        QString shownDefault;
        Qt::WindowFlags flags;
        WhenShown([&](QMessageBox* box) {
            for (QAbstractButton* button : box->buttons()) {
                shown << button->text().remove('&');
            }
            shownDefault = box->defaultButton()->text().remove('&');
            flags = box->windowFlags();
            // Enter presses the default button.
            QTest::keyClick(box, Qt::Key_Return);
        });
        QtMessageBoxes boxes;
        const MessageResult answer = boxes.Show(0, "??", "x", buttons, MessageIcon::None);
        shown.sort();
        texts.sort();
        QCOMPARE(shown, texts);
        QCOMPARE(shownDefault, defaultText);
        QCOMPARE(answer == MessageResult::No, buttons == MessageButtons::YesNoDefaultNo);
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    }

    void escapeAnswersNoAbortOrOk_data() {
        QTest::addColumn<MessageButtons>("buttons");
        QTest::addColumn<MessageResult>("result");
        QTest::newRow("yes/no") << MessageButtons::YesNo << MessageResult::No;
        QTest::newRow("yes/no, default no") << MessageButtons::YesNoDefaultNo << MessageResult::No;
        QTest::newRow("abort/retry/ignore")
            << MessageButtons::AbortRetryIgnore << MessageResult::Abort;
        QTest::newRow("ok") << MessageButtons::Ok << MessageResult::Ok;
    }
    void escapeAnswersNoAbortOrOk() {
        QFETCH(MessageButtons, buttons);
        QFETCH(MessageResult, result);
        WhenShown([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
        QtMessageBoxes boxes;
        QCOMPARE(boxes.Show(0, "??", "fråga", buttons, MessageIcon::None), result);
    }

    void ownerAndOtherTopMostWindows() {
        QWidget owner;
        owner.show();
        QWidget floating(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint);
        floating.show();
        QWidget* parent = nullptr;
        bool floatingLowered = false;
        WhenShown([&](QMessageBox* box) {
            parent = box->parentWidget();
            floatingLowered = !floating.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            box->button(QMessageBox::Ok)->click();
        });
        QtMessageBoxes boxes;
        boxes.Show(HandleOf(&owner), "info", "x", MessageButtons::Ok, MessageIcon::None);
        QCOMPARE(parent, &owner);
        QVERIFY(floatingLowered);
        QVERIFY(floating.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(floating.isVisible());
    }

    void handlesFindOnlyLivingWindows() {
        auto* window = new QWidget;
        auto* child = new QWidget(window);
        const WindowHandle handle = HandleOf(child);
        QVERIFY(handle != 0);
        QCOMPARE(WidgetOf(handle), window);
        delete window;
        QCOMPARE(WidgetOf(handle), nullptr);
        QCOMPARE(WidgetOf(0), nullptr);
        QCOMPARE(HandleOf(nullptr), WindowHandle(0));
    }
};

}  // namespace oltoma::platform

OLTOMA_QTEST_MAIN(oltoma::platform::QtMessageBoxesTest)
#include "qt_message_boxes_test.moc"
