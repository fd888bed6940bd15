#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

#include "label_forms_fixture.h"
#include "labels/forms/EEtikettForm.h"
#include "labels/forms/limited_memo.h"
#include "platform/print/picture_loader.h"
#include "platform/print/printer.h"
#include "platform/print/recording_printer.h"
#include "platform/qt/print/qt_picture_reader.h"
#include "platform/qt/up_down.h"
#include "qtest_main.h"

namespace oltoma::labels::forms {

// The label dialog with its picture-open dialog answered by the test.
class ScriptedEtikettDlg final : public TEtikettDlg {
public:
    using TEtikettDlg::TEtikettDlg;
    QString answer;
    QString asked;

protected:
    QString ChoosePicture(const QString& start) override {
        asked = start;
        return answer;
    }
};

class EtikettDialogTest : public QObject {
    Q_OBJECT

    testing::LabelFormsDoubles doubles;
    platform::QtPictureReader reader;
    std::filesystem::path folder;

    static void Store(std::string_view text) {
        EtikettRec() = TEtikettRec{};
        EtikettRec().Etk = text;
        std::int32_t rc = 0;
        QVERIFY(LabelFile().Add(true, rc));
    }

    std::string Picture(const char* name) const {
        QImage image(40, 20, QImage::Format_RGB32);
        image.fill(Qt::red);
        const std::string path = (folder / name).string();
        image.save(QString::fromStdString(path));
        return path;
    }

private slots:
    void initTestCase() { platform::BindPictureFileReader(&reader); }
    void init() {
        folder = testing::StartLabelData(QTest::currentTestFunction());
        QVERIFY(OpenLabelFile());
        doubles.sound.beeps.clear();
    }
    void cleanup() { testing::StopLabelData(); }

    void okRefusesTheKeyOfAnotherLabel() {
        Store("Klubben\r\nStorgatan 1");
        Store("");
        struct Case {
            QString typed;
            const char* key;  // refused with this key; null: accepted
        };
        const Case cases[] = {
            {"Klubben\nLillgatan 2", "Klubben"}, {"", "XXX"}, {"Klubben2\nett", nullptr}};
        for (const Case& c : cases) {
            EtikettRec() = TEtikettRec{};
            TEtikettDlg dialog(nullptr);
            dialog.etikettMemo->setPlainText(c.typed);
            dialog.BitBtn1->click();
            if (c.key != nullptr) {
                QCOMPARE(dialog.result(), 0);
                QCOMPARE(
                    dialog.StatusBar1->currentMessage(),
                    QString::fromUtf8("Etiketten finns redan registrerad. \"%1\" Måste vara unik.")
                        .arg(c.key));
                QVERIFY(EtikettRec().Etk.empty());
                QVERIFY(!doubles.sound.beeps.empty());
            } else {
                QCOMPARE(dialog.result(), int(QDialog::Accepted));
                QCOMPARE(EtikettRec().Etk.view(), std::string_view("Klubben2\r\nett"));
            }
        }
    }

    void cancelPutsTheLabelBack() {
        EtikettRec() = TEtikettRec{};
        EtikettRec().Etk = Windows1252FromUtf8("Före");
        TEtikettDlg dialog(nullptr);
        QCOMPARE(dialog.etikettMemo->toPlainText(), QString::fromUtf8("Före"));
        dialog.etikettMemo->setPlainText("Efter");
        dialog.printbtn->click();  // stores the memo (no printer: nothing printed)
        QCOMPARE(EtikettRec().Etk.view(), std::string_view("Efter"));
        dialog.BitBtn2->click();
        QCOMPARE(EtikettRec().Etk.str(), Windows1252FromUtf8("Före"));
    }

    void aChosenPictureMakesAPictureLabel() {
        const std::string path = Picture("logga.png");
        EtikettRec() = TEtikettRec{};
        EtikettRec().Etk = "Klubben\r\nrad två";
        ScriptedEtikettDlg dialog(nullptr);
        dialog.answer = QString::fromStdString(path);
        dialog.Image1Click();
        QCOMPARE(dialog.asked, QString("Klubben"));
        QCOMPARE(EtikettRec().Etk.str(), "BITMAP" + path);
        QCOMPARE(dialog.etikettMemo->toPlainText(), QString::fromStdString("BITMAP" + path));
        QVERIFY(!dialog.Image1->pixmap().isNull());

        ScriptedEtikettDlg again(nullptr);  // opens showing the picture
        QVERIFY(!again.Image1->pixmap().isNull());
        again.answer.clear();  // cancelled: nothing changes
        again.Image1Click();
        QCOMPARE(again.asked, QString::fromStdString(path));
        QCOMPARE(EtikettRec().Etk.str(), "BITMAP" + path);
    }

    void aPathTheLabelCannotKeepIsRefused() {
        EtikettRec() = TEtikettRec{};
        EtikettRec().Etk = "Klubben";
        for (const QString& path : {QString::fromUtf8("/bilder/日本.png"),
                                    QString("/bilder/") + QString(240, 'a') + ".png"}) {
            ScriptedEtikettDlg dialog(nullptr);
            dialog.answer = path;
            dialog.Image1Click();
            QCOMPARE(dialog.StatusBar1->currentMessage(),
                     "kan ej lagra filnamnet \"" + path + "\"");
            QCOMPARE(EtikettRec().Etk.view(), std::string_view("Klubben"));
            QCOMPARE(dialog.etikettMemo->toPlainText(), QString("Klubben"));
        }
    }

    void aMissingPictureBeepsAndSaysSo() {
        EtikettRec() = TEtikettRec{};
        EtikettRec().Etk = "BITMAP/finns/inte.png";
        TEtikettDlg dialog(nullptr);
        QCOMPARE(dialog.StatusBar1->currentMessage(),
                 QString("kan ej ladda filen \"/finns/inte.png\""));
        QCOMPARE(doubles.sound.beeps.size(), 1u);
        QVERIFY(dialog.Image1->pixmap().isNull());
    }

    void theMemoCountsLineBreaksAsTwoBytes() {
        EtikettRec() = TEtikettRec{};
        TEtikettDlg dialog(nullptr);
        dialog.etikettMemo->setPlainText(QString(238, 'x'));
        dialog.etikettMemo->moveCursor(QTextCursor::End);
        QTest::keyClick(dialog.etikettMemo, Qt::Key_Return);  // 240 bytes
        QTest::keyClick(dialog.etikettMemo, Qt::Key_Y);       // 241: refused
        QCOMPARE(dialog.etikettMemo->toPlainText(), QString(238, 'x') + "\n");
    }

    // Tab leaves the memo for the next control instead of typing a tab.
    void tabLeavesTheMemo() {
        EtikettRec() = TEtikettRec{};
        TEtikettDlg dialog(nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.etikettMemo->setFocus();
        QTest::keyClick(dialog.etikettMemo, Qt::Key_Tab);
        QVERIFY(!dialog.etikettMemo->hasFocus());
        QCOMPARE(dialog.etikettMemo->toPlainText(), QString());
    }

    void printPrintsTheLabelEdit1Times() {
        platform::RecordingPrinter printer({.pageWidth = 2100, .pageHeight = 2970, .dpi = 254});
        platform::Printer* previous = platform::BindPrinter(&printer);
        WorkingLabelSetting().copies = 2;
        WorkingLabelSetting().across = 3;
        WorkingLabelSetting().rows = 8;
        WorkingLabelSetting().labelWidth = WorkingLabelSetting().columnPitch = 600;
        WorkingLabelSetting().labelHeight = WorkingLabelSetting().rowPitch = 300;
        EtikettRec() = TEtikettRec{};
        TEtikettDlg dialog(nullptr);
        dialog.etikettMemo->setPlainText("Klubben");
        dialog.UpDown1->setPosition(3);
        dialog.printbtn->click();
        platform::BindPrinter(previous);
        int labels = 0;
        for (const platform::CanvasCall& call : printer.calls()) {
            labels += call.kind == platform::CanvasCall::Kind::DrawText && call.text == "Klubben";
        }
        QCOMPARE(labels, 6);
        QCOMPARE(printer.jobTitles().size(), 1u);
    }
};

}  // namespace oltoma::labels::forms

OLTOMA_QTEST_MAIN(oltoma::labels::forms::EtikettDialogTest)
#include "etikett_dialog_test.moc"
