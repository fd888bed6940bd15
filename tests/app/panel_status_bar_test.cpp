#include "app/panel_status_bar.h"

#include "qtest_main.h"

namespace oltoma {

class PanelStatusBarTest : public QObject {
    Q_OBJECT

private slots:
    // A text cut with "…" can still be read whole, as the panel's tool tip.
    void aCutPanelOffersItsWholeText() {
        PanelStatusBar bar("datastatusbar", {{200, true, "aktuella data"}, {345, false, {}}},
                           nullptr);
        bar.resize(545, 22);
        const QPoint inPanel1(300, 10);
        bar.setPanelText(1, "Kort");
        QCOMPARE(bar.cutTextAt(inPanel1), QString());
        const QString whole = QString::fromUtf8(
            "Vårträffen i Norrskogen med omnejd, etapp ett OK Löparen Sandviken "
            "<inga tävlande inmatade>");
        bar.setPanelText(1, whole);
        QCOMPARE(bar.cutTextAt(inPanel1), whole);
        QCOMPARE(bar.cutTextAt(QPoint(10, 10)), QString());  // panel 0 fits
        bar.setHintOverlay(whole);                           // a hint in panel 0 is cut too
        QCOMPARE(bar.cutTextAt(QPoint(10, 10)), whole);
    }
};

}  // namespace oltoma

OLTOMA_QTEST_MAIN(oltoma::PanelStatusBarTest)
#include "panel_status_bar_test.moc"
