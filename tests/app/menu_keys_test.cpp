#include "app/menu_keys.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QWindow>

#include "qtest_main.h"

namespace oltoma {

class MenuKeysTest : public QObject {
    Q_OBJECT

    // A window with a disabled menu, then "arkiv", and a button with focus.
    struct Window {
        QMainWindow window;
        QMenu* arkiv = nullptr;
        QPushButton* button = nullptr;

        Window() {
            window.menuBar()->addMenu("register")->setEnabled(false);
            arkiv = window.menuBar()->addMenu("arkiv");
            arkiv->addAction("avsluta");
            button = new QPushButton("datadir", &window);
            window.setCentralWidget(button);
            new MenuBarKeys(&window);
            window.show();
            window.activateWindow();
            button->setFocus();
        }
    };

    static void Close(QMenu* menu) {
        menu->hide();
        QTRY_VERIFY(!menu->isVisible());
    }

private slots:
    void f10OpensTheFirstMenu() {
        Window w;
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        QTest::keyClick(w.window.windowHandle(), Qt::Key_F10);
        QTRY_VERIFY(w.arkiv->isVisible());
        QCOMPARE(w.window.menuBar()->activeAction(), w.arkiv->menuAction());
        Close(w.arkiv);
    }

    void aLoneAltOpensTheFirstMenu() {
        Window w;
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        // Through the platform window, as the keyboard delivers keys.
        QWindow* window = w.window.windowHandle();
        QTest::keyPress(window, Qt::Key_Alt, Qt::AltModifier);
        QTest::keyRelease(window, Qt::Key_Alt, Qt::NoModifier);
        QTRY_VERIFY(w.arkiv->isVisible());
        Close(w.arkiv);
    }

    void altWithAnotherKeyOpensNothing() {
        Window w;
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        QWindow* window = w.window.windowHandle();
        QTest::keyPress(window, Qt::Key_Alt, Qt::AltModifier);
        QTest::keyClick(window, Qt::Key_D, Qt::AltModifier);
        QTest::keyRelease(window, Qt::Key_Alt, Qt::NoModifier);
        QTest::qWait(50);
        QVERIFY(!w.arkiv->isVisible());
        QCOMPARE(w.window.menuBar()->activeAction(), nullptr);
    }
};

}  // namespace oltoma

OLTOMA_QTEST_MAIN(oltoma::MenuKeysTest)
#include "menu_keys_test.moc"
