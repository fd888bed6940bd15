#include <QButtonGroup>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>

#include "app/about32.h"
#include "app/aboutX32.h"
#include "app/licence_window.h"
#include "app/link_label.h"
#include "app/linked_libraries.h"
#include "base/settings/program_name.h"
#include "base/settings/program_version.h"
#include "base/settings/window_scale.h"
#include "bound_services.h"
#include "qtest_main.h"
#include "scripted_services.h"

namespace oltoma {

class AboutBoxesTest : public QObject {
    Q_OBJECT

    testing::RecordingSound sound;
    testing::RecordingShell shell;
    testing::RecordingCursors cursors;
    testing::BoundServices bound{{.sound = &sound, .cursors = &cursors, .shell = &shell}};

private slots:
    void initTestCase() {
        ProgramName = "OltomaW64";
        WindowScale = 100;
    }

    void theAboutBoxNamesTheBuildsVersionAndTheMemory() {
        TAboutBox box(nullptr);
        box.FormShow();
        QCOMPARE(box.windowTitle(), QString("oltomaw32"));
        QCOMPARE(box.ProductName->text(), QString("OltomaW64"));
        QCOMPARE(box.Version->text(), QString("ver  " OLTOMA_EXPECTED_VERSION));
        QVERIFY(box.MakerLine->text().endsWith(kVersionDate));
        QVERIFY(box.MakerLine->text().size() <= 38);
        QVERIFY(box.Comments->text().startsWith("system "));
        QCOMPARE(box.Comments->text().count('\n'), 4);
        QVERIFY(!box.ProgramIcon->pixmap().isNull());
        QCOMPARE(box.size(), QSize(294, 212));
    }

    void theAboutBoxScalesWithTheWindow() {
        WindowScale = 200;
        TAboutBox box(nullptr);
        WindowScale = 100;
        QCOMPARE(box.size(), QSize(588, 424));
        QCOMPARE(box.OKButton->geometry(), QRect(222, 360, 150, 50));
    }

    void theOtherBoxLinksToTheMaker() {
        TAboutBoxX box(nullptr);
        QCOMPARE(box.windowTitle(), QString("t  o  m  a"));
        QCOMPARE(box.size(), QSize(663, 353));
        QCOMPARE(box.families->checkedId(), 0);
        QCOMPARE(box.families->buttons().size(), 6);

        const std::string mail = TAboutBoxX::MailAddress();
        QVERIFY(mail.starts_with("mailto:"));
        QVERIFY(mail.size() <= 90);
        QTest::mouseClick(box.Label4, Qt::LeftButton);
        QTest::mouseClick(box.Label2, Qt::LeftButton);
        QCOMPARE(shell.opened.size(), 2u);
        QCOMPARE(shell.opened[0], mail);
        QCOMPARE(shell.opened[1], "http://" + box.Label2->text().toStdString());
        QVERIFY(sound.beeps.empty());

        shell.result = 32;  // the desktop could not open it
        QTest::mouseClick(box.Label3, Qt::LeftButton);
        QCOMPARE(sound.beeps.size(), 1u);
        shell.result = 42;
    }

    void aLinkUnderTheMouseIsHighlighted() {
        TAboutBoxX box(nullptr);
        const QColor navy = box.Label1->color();
        cursors.current = 7;
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(box.Label1, &enter);
        QCOMPARE(box.Label1->color(), QColor(128, 0, 0));
        QCOMPARE(cursors.set.back(), platform::CursorShape::kHand);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(box.Label1, &leave);
        QCOMPARE(box.Label1->color(), navy);
        QCOMPARE(cursors.set.back(), 7);
    }

    void aClickOnTheBoxClosesIt() {
        TAboutBoxX box(nullptr);
        box.show();
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(480, 320));
        QCOMPARE(box.result(), int(QDialog::Accepted));
        QVERIFY(!box.isVisible());
    }

    void theLicenceWindowShowsEveryLibraryWithItsTexts() {
        LicenceWindow window(nullptr);
        QCOMPARE(window.libraries->count(), 3);
        QCOMPARE(window.libraries->item(0)->text(), QString("Qt " QT_VERSION_STR));
        QVERIFY(window.licenceText->isReadOnly());
        QVERIFY(window.licenceText->toPlainText().contains("GNU LESSER GENERAL PUBLIC LICENSE"));
        QVERIFY(window.licenceText->toPlainText().contains("GNU GENERAL PUBLIC LICENSE"));
        window.libraries->setCurrentRow(1);
        const QString jpeg = window.licenceText->toPlainText();
        QVERIFY(jpeg.startsWith("libjpeg-turbo " OLTOMA_EXPECTED_TURBOJPEG_VERSION));
        QVERIFY(jpeg.contains("Independent JPEG Group"));
        QVERIFY(jpeg.contains("Neither the name of the libjpeg-turbo Project"));
        QVERIFY(jpeg.contains("This software is provided 'as-is'"));
        window.libraries->setCurrentRow(2);
        const QString xml = window.licenceText->toPlainText();
        QVERIFY(xml.startsWith("libxml2 " OLTOMA_EXPECTED_LIBXML2_VERSION));
        QVERIFY(xml.contains("Permission is hereby granted, free of charge"));
        QVERIFY(xml.contains("Permission to use, copy, modify, and distribute"));
    }

    // The built program needs no library the licence window does not name.
    void everyLibraryTheProgramNeedsIsListed() {
        QProcess readelf;
        readelf.start("readelf", {"-d", OLTOMA_PROGRAM_FILE});
        QVERIFY(readelf.waitForFinished(30000));
        const QStringList lines =
            QString::fromUtf8(readelf.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        int needed = 0;
        for (const QString& line : lines) {
            const qsizetype open = line.indexOf("(NEEDED)");
            if (open < 0) {
                continue;
            }
            const QString name = line.section('[', 1).section(']', 0, 0);
            ++needed;
            QVERIFY2(SharedObjectListed(name.toStdString()), qPrintable(name));
        }
        QVERIFY(needed >= 2);
        QVERIFY(!SharedObjectListed("libsqlite3.so.0"));
    }
};

}  // namespace oltoma

OLTOMA_QTEST_MAIN(oltoma::AboutBoxesTest)
#include "about_boxes_test.moc"
