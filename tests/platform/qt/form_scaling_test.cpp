#include "platform/qt/form_scaling.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "base/settings/window_scale.h"
#include "qtest_main.h"

namespace oltoma::platform {

class FormScalingTest : public QObject {
    Q_OBJECT

private slots:
    void lengthsAreRounded_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("percent");
        QTest::addColumn<int>("scaled");
        QTest::newRow("gap at 133") << 16 << 133 << 21;
        QTest::newRow("gap at 200") << 16 << 200 << 32;
        QTest::newRow("quit at 200") << 450 << 200 << 900;
        QTest::newRow("width at 133") << 545 << 133 << 725;
        QTest::newRow("half up") << 5 << 150 << 8;
        QTest::newRow("negative half") << -5 << 150 << -8;
        QTest::newRow("unchanged") << 545 << 100 << 545;
    }
    void lengthsAreRounded() {
        QFETCH(int, value);
        QFETCH(int, percent);
        QFETCH(int, scaled);
        QCOMPARE(ScaledLength(value, percent), scaled);
    }

    void scalesPositionsSizesFontsAndLimits() {
        QWidget form;
        QFont formFont("Liberation Sans");
        formFont.setPixelSize(11);
        form.setFont(formFont);
        form.resize(545, 312);
        form.setMinimumSize(545, 312);
        auto* link = new QLabel("manual", &form);  // inherits the form's font
        link->setGeometry(396, 16, 80, 15);
        auto* button = new QPushButton("datadir", &form);
        QFont bold = button->font();
        bold.setBold(true);
        bold.setPixelSize(16);
        button->setFont(bold);
        button->setGeometry(16, 256, 81, 28);
        auto* panel = new QWidget(&form);
        auto* layout = new QVBoxLayout(panel);
        layout->setContentsMargins(4, 6, 8, 10);
        layout->setSpacing(5);
        auto* pointLabel = new QLabel("pt", panel);
        QFont points = pointLabel->font();
        points.setPointSizeF(7.5);
        pointLabel->setFont(points);
        layout->addWidget(pointLabel);

        ScaleForm(&form, 200);
        QCOMPARE(form.size(), QSize(1090, 624));
        QCOMPARE(form.minimumSize(), QSize(1090, 624));
        QCOMPARE(form.font().pixelSize(), 22);
        QCOMPARE(link->geometry(), QRect(792, 32, 160, 30));
        QCOMPARE(link->font().pixelSize(), 22);  // scaled once, not twice
        QCOMPARE(button->geometry(), QRect(32, 512, 162, 56));
        QCOMPARE(button->font().pixelSize(), 32);
        QVERIFY(button->font().bold());
        QCOMPARE(layout->contentsMargins(), QMargins(8, 12, 16, 20));
        QCOMPARE(layout->spacing(), 10);
        QCOMPARE(pointLabel->font().pointSizeF(), 15.0);
        QCOMPARE(form.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    }

    // On the full-HD screen this test runs on: a dialog never grows beyond
    // the screen's available area, and never shrinks below its design.
    void formsFitTheirScreen() {
        QWidget dialog;
        dialog.resize(540, 430);
        auto* ok = new QPushButton("OK", &dialog);
        ok->setGeometry(436, 400, 92, 27);
        const QSize room =
            QGuiApplication::primaryScreen()->availableGeometry().size() - kWindowFrameAllowance;
        QCOMPARE(FittingPercent(&dialog, 200), 200);
        QCOMPARE(FittingPercent(&dialog, 300), room.height() * 100 / 430);
        ScaleForm(&dialog, 300);
        QVERIFY(dialog.height() <= room.height());
        QVERIFY(QRect(QPoint(0, 0), dialog.size()).contains(ok->geometry()));

        QWidget huge;
        huge.resize(3000, 2000);
        QCOMPARE(FittingPercent(&huge, 200), 100);
    }

    void hundredPercentChangesNothing() {
        QWidget form;
        form.resize(300, 200);
        auto* child = new QLabel("x", &form);
        child->setGeometry(10, 20, 30, 40);
        const QFont before = child->font();
        ScaleForm(&form, 100);
        ScaleForm(&form, 0);
        QCOMPARE(form.size(), QSize(300, 200));
        QCOMPARE(child->geometry(), QRect(10, 20, 30, 40));
        QCOMPARE(child->font(), before);
    }
};

}  // namespace oltoma::platform

OLTOMA_QTEST_MAIN(oltoma::platform::FormScalingTest)
#include "form_scaling_test.moc"
