#include "platform/qt/number_prompt_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <functional>

#include "base/settings/window_scale.h"
#include "platform/qt/qt_services.h"
#include "qtest_main.h"

namespace oltoma::platform {

class NumberPromptDialogTest : public QObject {
    Q_OBJECT

    // Types into the dialog's edit field once it shows, then presses `key`.
    static void TypeWhenShown(QString keys, Qt::Key key) {
        QTimer::singleShot(0, [keys, key] {
            auto* dialog = qobject_cast<NumberPromptDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            QLineEdit* edit = dialog->numberEdit();
            if (!keys.isEmpty()) {
                edit->selectAll();
                QTest::keyClicks(edit, keys);
            }
            QTest::keyClick(edit, key);
        });
    }

private slots:
    void enterReadsTheNumberEscapeKeepsTheInitial_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("expected");
        QTest::newRow("12 enter") << "12" << int(Qt::Key_Return) << 12;
        QTest::newRow("keypad enter") << "-7" << int(Qt::Key_Enter) << -7;
        QTest::newRow("escape") << "99" << int(Qt::Key_Escape) << 1;
        QTest::newRow("initial kept") << "" << int(Qt::Key_Return) << 1;
        QTest::newRow("five characters") << "1234567" << int(Qt::Key_Return) << 12345;
        QTest::newRow("no digits") << "abc" << int(Qt::Key_Return) << 0;
        QTest::newRow("digits then text") << "  42x" << int(Qt::Key_Return) << 42;
    }
    void enterReadsTheNumberEscapeKeepsTheInitial() {
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(int, expected);
        TypeWhenShown(typed, Qt::Key(key));
        QtNumberPrompt prompt;
        QCOMPARE(prompt.AskNumber(0, 1, "Antal kopior: "), expected);
    }

    void promptReplacesTheStaticText() {
        NumberPromptDialog asked(nullptr, 7, "Antal kopior: ");
        QCOMPARE(asked.promptLabel()->text(), QString("Antal kopior: "));
        QCOMPARE(asked.numberEdit()->text(), QString("7"));
        QCOMPARE(asked.numberEdit()->maxLength(), 5);
        QVERIFY(asked.windowFlags().testFlag(Qt::FramelessWindowHint));
        NumberPromptDialog plain(nullptr, 7, "");
        QCOMPARE(plain.promptLabel()->text(), QString("Ange ett tal:"));
    }

    void layoutFollowsDialogUnits() {
        NumberPromptDialog dialog(nullptr, 1, "");
        const QRect label = dialog.promptLabel()->geometry();
        const QRect edit = dialog.numberEdit()->geometry();
        // 190 x 21 units frame; the edit field starts at 138 of 190 units across.
        QVERIFY(dialog.width() > dialog.height() * 5);
        QCOMPARE(qRound(edit.x() * 190.0 / dialog.width()), 138);
        QVERIFY(label.right() < edit.left());
        QVERIFY(edit.bottom() < dialog.height());
    }

    void followsTheWindowScale() {
        const NumberPromptDialog normal(nullptr, 1, "");
        WindowScale = 200;
        const NumberPromptDialog doubled(nullptr, 1, "");
        WindowScale = 100;
        QCOMPARE(doubled.width(), normal.width() * 2);
        QCOMPARE(doubled.numberEdit()->x(), normal.numberEdit()->x() * 2);
    }

    void readsLeadingIntegers_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("plain") << "123" << 123;
        QTest::newRow("blanks and sign") << "  -45" << -45;
        QTest::newRow("plus") << "+8" << 8;
        QTest::newRow("stops at text") << "12a3" << 12;
        QTest::newRow("sign only") << "-" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("too large") << "99999999999" << INT_MAX;
        QTest::newRow("too small") << "-99999999999" << INT_MIN;
    }
    void readsLeadingIntegers() {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(ReadLeadingInteger(text.toStdString()), value);
    }
};

}  // namespace oltoma::platform

OLTOMA_QTEST_MAIN(oltoma::platform::NumberPromptDialogTest)
#include "number_prompt_dialog_test.moc"
