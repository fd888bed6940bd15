#include "ol/forms/count_form.h"

#include <QLabel>
#include <QPushButton>
#include <QWindow>

#include "base/messages/progress.h"
#include "base/settings/window_scale.h"
#include "platform/qt/window_handles.h"
#include "qtest_main.h"

namespace oltoma {

class CountFormTest : public QObject {
    Q_OBJECT

    // The progress window opened last, if it is still open.
    static TCountForm* Latest() {
        TCountForm* found = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* form = qobject_cast<TCountForm*>(widget); form != nullptr) {
                found = form;
            }
        }
        return found;
    }

private slots:
    void initTestCase() {
        WindowScale = 100;
        BindQtProgressWindows();
    }

    void layoutFollowsTheVisibleLines_data() {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("height");
        QTest::newRow("backup: one line") << 3 << 300 - 7 * 32;
        QTest::newRow("rebuild: two lines") << 4 << 300 - 6 * 32;
        QTest::newRow("all eight") << 12 << 300;
    }
    void layoutFollowsTheVisibleLines() {
        QFETCH(int, lines);
        QFETCH(int, height);
        OpenProgress(0, lines, "kopiera", false);
        TCountForm* form = Latest();
        QVERIFY(form != nullptr);
        QCOMPARE(form->windowTitle(), QString("kopiera"));
        QCOMPARE(form->size(), QSize(509, height));
        QVERIFY(form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(!form->cancelButton()->isVisible());
        for (int line = 1; line <= 8; ++line) {
            QCOMPARE(form->statusLine(line)->geometry(), QRect(8, 48 + 32 * (line - 1), 497, 23));
            // Nothing shows before the command writes a line.
            QCOMPARE(form->statusLine(line)->text(), QString());
        }
        ProgressLine(10, "Klass H21");
        QCOMPARE(form->statusLine(1)->text(), QString("Klass H21"));
        CloseProgress();
        QVERIFY(Latest() == nullptr);
    }

    void avbrytSetsTheAbortFlagsAndKeepsTheWindow() {
        OpenProgress(0, 4, "importerar", true);
        TCountForm* form = Latest();
        QVERIFY(form->cancelButton()->isVisible());
        QCOMPARE(form->cancelButton()->text(), QString("avbryt"));
        QCOMPARE(form->cancelButton()->geometry(), QRect(64, 8, 89, 25));
        QVERIFY(!AbortedCounter());
        QTest::keyClick(form, Qt::Key_Escape);
        QVERIFY(AbortedCounter());
        QVERIFY(form->isVisible());
        ProgressLine(2, "efter avbryt");
        QCOMPARE(form->statusLine(1)->text(), QString());
        CloseProgress();

        OpenProgress(0, 4, "igen", true);
        QVERIFY(!ProgressAborted());
        QTest::mouseClick(Latest()->cancelButton(), Qt::LeftButton);
        QVERIFY(ProgressAborted());
        CloseProgress();
    }

    void theOutermostWindowDisablesItsOwner() {
        QWidget owner;
        owner.resize(800, 600);
        owner.show();
        OpenProgress(platform::HandleOf(&owner), 3, "yttre", false);
        QVERIFY(!owner.isEnabled());
        const QPoint centred = owner.frameGeometry().center() - QPoint(509 / 2, 76 / 2);
        QVERIFY((Latest()->pos() - centred - QPoint(32, 32)).manhattanLength() <= 2);
        OpenProgress(platform::HandleOf(&owner), 3, "inre", false);
        CloseProgress();
        QVERIFY(!owner.isEnabled());
        CloseProgress();
        QVERIFY(owner.isEnabled());
    }

    void theWindowStaysAboveItsOwnerAndTakesInput() {
        QWidget owner;
        owner.resize(800, 600);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        OpenProgress(platform::HandleOf(&owner), 4, "indexbygg", true);
        TCountForm* form = Latest();
        // A child window of the owner's window: the window manager keeps it
        // above that window.
        QCOMPARE(form->parentWidget(), &owner);
        QVERIFY(form->isWindow());
        QCOMPARE(form->windowHandle()->transientParent(), owner.windowHandle());
        // The owner is disabled, the progress window is not.
        QVERIFY(!owner.isEnabled());
        QVERIFY(form->isEnabled());
        QVERIFY(form->cancelButton()->isEnabled());
        owner.activateWindow();
        ProgressLine(2, "KLUBBAR");
        QVERIFY(QTest::qWaitForWindowActive(form));
        QCOMPARE(form->statusLine(1)->text(), QString("KLUBBAR"));
        CloseProgress();
        QVERIFY(owner.isEnabled());
    }

    void anOwnerThatGoesFirstTakesItsProgressWindowAlong() {
        auto* owner = new QWidget;
        owner->show();
        OpenProgress(platform::HandleOf(owner), 3, "kopiering", false);
        delete owner;
        QVERIFY(Latest() == nullptr);
        ProgressLine(2, "efter");
        CloseProgress();
        QCOMPARE(ProgressDepth(), 0);
    }

    void theWindowIsScaled() {
        WindowScale = 150;
        OpenProgress(0, 12, "stor", false);
        QCOMPARE(Latest()->size(), QSize(764, 450));
        CloseProgress();
        WindowScale = 100;
    }
};

}  // namespace oltoma

OLTOMA_QTEST_MAIN(oltoma::CountFormTest)
#include "count_form_test.moc"
