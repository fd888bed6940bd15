#include "app/base_window_layout.h"

#include <QSize>

#include "qtest_main.h"

namespace oltoma {

class BaseWindowLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void scaleFollowsScreenUnlessStored_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("screenWidth");
        QTest::addColumn<int>("screenHeight");
        QTest::addColumn<int>("scale");
        QTest::newRow("new file, 1920 x 1080") << 1 << 1920 << 1080 << 100;
        QTest::newRow("new file, 2560 x 1440") << 1 << 2560 << 1440 << 133;
        QTest::newRow("new file, 3840 x 2160") << 1 << 3840 << 2160 << 200;
        QTest::newRow("small screen") << 0 << 800 << 600 << 100;
        QTest::newRow("tall screen: height decides") << 0 << 5000 << 1300 << 133;
        QTest::newRow("stored 100") << 100 << 3840 << 2160 << 100;
        QTest::newRow("stored 300") << 300 << 1920 << 1080 << 300;
        QTest::newRow("stored 99 ignored") << 99 << 3840 << 2160 << 200;
        QTest::newRow("stored 301 ignored") << 301 << 3840 << 2160 << 200;
        QTest::newRow("stored 65535 ignored") << 65535 << 1920 << 1080 << 100;
    }
    void scaleFollowsScreenUnlessStored() {
        QFETCH(int, stored);
        QFETCH(int, screenWidth);
        QFETCH(int, screenHeight);
        QFETCH(int, scale);
        QCOMPARE(ChooseWindowScale(stored, screenWidth, screenHeight), scale);
    }

    void scaleLimitedToTheScreen_data() {
        QTest::addColumn<int>("scale");
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QSize>("available");
        QTest::addColumn<int>("fits");
        QTest::newRow("fits") << 200 << QSize(1100, 740) << QSize(1600, 1000) << 200;
        QTest::newRow("exactly") << 300 << QSize(1600, 1000) << QSize(1600, 1000) << 300;
        QTest::newRow("too high") << 300 << QSize(1651, 1108) << QSize(1600, 1000) << 270;
        QTest::newRow("too wide") << 300 << QSize(1651, 900) << QSize(1600, 1000) << 290;
        QTest::newRow("not even 100 fits") << 300 << QSize(1651, 1108) << QSize(400, 300) << 100;
    }
    void scaleLimitedToTheScreen() {
        QFETCH(int, scale);
        QFETCH(QSize, window);
        QFETCH(QSize, available);
        QFETCH(int, fits);
        QCOMPARE(ScaleThatFits(scale, window.width(), window.height(), available.width(),
                               available.height()),
                 fits);
    }

    void placementsAtScale100() {
        const BaseWindowLayout layout = LayoutAtScale(100);
        QCOMPARE(layout.clientWidth, 545);
        QCOMPARE(layout.clientHeight, 312);
        // 312 - (19 * 3 div 2 + 28): the row stands above the bottom bar.
        QCOMPARE(layout.buttonDataLib.top, 256);
        const std::array<Placement, 7> row = {
            layout.buttonDataLib, layout.buttonKonfig, layout.editbutton, layout.infobutton,
            layout.editFormScale, layout.upDown,       layout.quitbutton};
        const std::array<int, 7> lefts = {16, 113, 202, 283, 356, 397, 450};
        const std::array<int, 7> widths = {81, 73, 65, 57, 41, 16, 75};
        for (std::size_t i = 0; i < row.size(); ++i) {
            QCOMPARE(row[i].left, lefts[i]);
            QCOMPARE(row[i].width, widths[i]);
            QCOMPARE(row[i].top, 256);
        }
        QCOMPARE(layout.quitbutton.anchors, unsigned{kAnchorRight | kAnchorBottom});
        QCOMPARE(layout.bottomStatusBar,
                 (Placement{0, 293, 545, 19, kAnchorLeft | kAnchorRight | kAnchorBottom}));
        const std::array<int, 4> tops = {64, 96, 128, 160};
        for (std::size_t i = 0; i < tops.size(); ++i) {
            QCOMPARE(layout.statusBars[i],
                     (Placement{0, tops[i], 545, 22, kAnchorLeft | kAnchorTop | kAnchorRight}));
        }
        QCOMPARE(layout.statusPanel0Width, 200);
        QCOMPARE(layout.links[4].left, 396);
        QCOMPARE(layout.links[4].top, 16);
    }

    void placementsAtScale200() {
        const BaseWindowLayout layout = LayoutAtScale(200);
        QCOMPARE(layout.clientHeight, 624);
        QCOMPARE(layout.buttonDataLib.top, 624 - (57 + 56));
        QCOMPARE(layout.buttonDataLib.left, 32);
        QCOMPARE(layout.buttonKonfig.left - layout.buttonDataLib.right(), 32);
        QCOMPARE(layout.editFormScale.left - layout.infobutton.right(), 32);
        QCOMPARE(layout.upDown.left, layout.editFormScale.right());
        QCOMPARE(layout.quitbutton.left, 900);
        QCOMPARE(layout.statusBars[3].top, 320);
        QCOMPARE(layout.statusPanel0Width, 400);
        QCOMPARE(layout.links[0].left, 736);
    }

    void oddScalesRound() {
        const BaseWindowLayout layout = LayoutAtScale(133);
        QCOMPARE(layout.clientWidth, 725);   // 724.85
        QCOMPARE(layout.clientHeight, 415);  // 414.96
        QCOMPARE(layout.buttonDataLib.left, 21);
        QCOMPARE(layout.buttonDataLib.top, 415 - (25 * 3 / 2 + 37));
    }
};

}  // namespace oltoma

OLTOMA_QTEST_MAIN(oltoma::BaseWindowLayoutTest)
#include "base_window_layout_test.moc"
