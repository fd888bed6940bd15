// The base main window's scale and place on a small screen (1024 x 600, the
// offscreen screen this test runs on): a window never larger than the
// screen, never partly off it, never smaller than designed.
#include <QScreen>

#include "app/olmainform.h"
#include "base/settings/window_scale.h"
#include "main_window_fixture.h"
#include "qtest_main.h"

namespace oltoma {

using testing::Message;

class ScaleOnASmallScreenTest : public QObject {
    Q_OBJECT

    static QRect Available() { return QGuiApplication::primaryScreen()->availableGeometry(); }

private slots:
    void init() { testing::StartAfresh(); }

    void aScaleThatDoesNotFitIsLimitedButStaysStored() {
        QCOMPARE(Available().size(), QSize(1024, 600));
        testing::MainWindowDoubles doubles;
        { TMainForm first; }
        testing::StoreWord(60224, 300);
        {
            TMainForm form;
            testing::ShowAndWait(form);
            QVERIFY(WindowScale < 300);
            QVERIFY(WindowScale >= 100);
            QVERIFY(Available().contains(form.frameGeometry()));
            QCOMPARE(Message(&form, 0),
                     QString::fromUtf8("Skalan begränsad till %1 för skärmen").arg(WindowScale));
            // Limited no further than needed (less a window manager's frame).
            QVERIFY(form.frameGeometry().height() > Available().height() * 85 / 100);
            QCOMPARE(form.scaleControlPosition(), 300);
        }
        QCOMPARE(testing::StoredInt(60224) & 0xFFFF, 300);
    }

    void aWindowStoredPartlyOffTheScreenIsMovedOntoIt() {
        testing::MainWindowDoubles doubles;
        { TMainForm first; }
        testing::StoreInt(60228, 900);
        testing::StoreInt(60232, 500);
        TMainForm form;
        testing::ShowAndWait(form);
        QCOMPARE(WindowScale, 100);
        QVERIFY(Available().contains(form.frameGeometry()));
    }

    void theWindowCannotShrinkBelowItsDesignedSize() {
        testing::MainWindowDoubles doubles;
        TMainForm form;
        testing::ShowAndWait(form);
        const QSize designed = form.size();
        QCOMPARE(form.minimumSize(), designed);
        form.resize(designed - QSize(100, 100));
        QCOMPARE(form.size(), designed);
    }
};

}  // namespace oltoma

OLTOMA_QTEST_MAIN(oltoma::ScaleOnASmallScreenTest)
#include "emainform_scale_test.moc"
