#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>

#include "label_forms_fixture.h"
#include "labels/forms/EEtikettForm.h"
#include "labels/forms/eetikettreg32.h"
#include "labels/forms/egirol32.h"
#include "labels/forms/egirop32.h"
#include "labels/forms/egiroreg32.h"
#include "labels/forms/limited_memo.h"
#include "qtest_main.h"
#include "when_shown.h"

namespace oltoma::labels::forms {

using oltoma::testing::WhenShown;

class RegistersTest : public QObject {
    Q_OBJECT

    testing::LabelFormsDoubles doubles;

    static QStringList Lines(const QListWidget* list) {
        QStringList lines;
        for (int row = 0; row < list->count(); ++row) {
            lines << list->item(row)->text();
        }
        return lines;
    }

    // Adds a label through "&Ny" and the label dialog.
    static void AddLabel(TEEtikettRegForm& form, const QString& text) {
        WhenShown<TEtikettDlg>([text](TEtikettDlg* dialog) {
            dialog->etikettMemo->setPlainText(text);
            dialog->BitBtn1->click();
        });
        form.newbtn->click();
    }

private slots:
    void init() { testing::StartLabelData(QTest::currentTestFunction()); }
    void cleanup() { testing::StopLabelData(); }

    void labelsAreAddedChangedAndDeleted() {
        QVERIFY(OpenLabelFile());
        TEEtikettRegForm form(nullptr);
        QCOMPARE(form.windowTitle(), QString("etikettregister"));
        AddLabel(form, "Klubben\nStorgatan 1");
        AddLabel(form, "");
        AddLabel(form, "Alfa");
        QCOMPARE(Lines(form.ERegListBox), (QStringList{"Alfa", "Klubben", "XXX"}));

        // A change cancelled keeps the label and its key.
        form.ERegListBox->setCurrentRow(1);
        WhenShown<TEtikettDlg>([](TEtikettDlg* dialog) {
            dialog->etikettMemo->setPlainText("Annat");
            dialog->BitBtn2->click();
        });
        form.changebtn->click();
        QCOMPARE(Lines(form.ERegListBox), (QStringList{"Alfa", "Klubben", "XXX"}));
        QVERIFY(LabelKeyTaken("Klubben"));

        // A change to the key it had already is accepted.
        form.ERegListBox->setCurrentRow(1);
        WhenShown<TEtikettDlg>([](TEtikettDlg* dialog) {
            dialog->etikettMemo->setPlainText("Klubben\nLillgatan 2");
            dialog->BitBtn1->click();
        });
        form.changebtn->click();
        QCOMPARE(Lines(form.ERegListBox), (QStringList{"Alfa", "Klubben", "XXX"}));

        form.ERegListBox->clearSelection();
        form.ERegListBox->item(2)->setSelected(true);
        form.deletebtn->click();
        QCOMPARE(Lines(form.ERegListBox), (QStringList{"Alfa", "Klubben"}));
        QCOMPARE(form.StatusBar1->currentMessage(), QString("Etikett \"XXX\", raderad..."));
        QCOMPARE(LabelFile().UsedRecords(), 2);
    }

    void aDuplicateIsRefusedAtOkAndLeavesNoRecord() {
        QVERIFY(OpenLabelFile());
        TEEtikettRegForm form(nullptr);
        AddLabel(form, "Klubben\nett");
        QString refusal;
        WhenShown<TEtikettDlg>([&refusal](TEtikettDlg* dialog) {
            dialog->etikettMemo->setPlainText("Klubben\ntvå");
            dialog->BitBtn1->click();
            refusal = dialog->StatusBar1->currentMessage();
            QVERIFY(dialog->isVisible());
            dialog->BitBtn2->click();
        });
        form.newbtn->click();
        QCOMPARE(refusal, QString::fromUtf8(
                              "Etiketten finns redan registrerad. \"Klubben\" Måste vara unik."));
        QCOMPARE(LabelFile().UsedRecords(), 1);
        QCOMPARE(Lines(form.ERegListBox), QStringList{"Klubben"});
    }

    void giroSlipsAreListedByAccountAndPayee() {
        QVERIFY(OpenGiroFile(Tgirotyp::postgiro));
        {
            TEGiroRegForm form(nullptr, Tgirotyp::postgiro);
            WhenShown<TpostgiroDlg>([](TpostgiroDlg* dialog) {
                dialog->payee->setText("Klubben");
                dialog->littera->setText("A");
                dialog->tillG->setText("1230");
                dialog->okButton->click();
            });
            form.newbtn->click();
            QCOMPARE(Lines(form.ERegListBox), QStringList{"1230............ Klubben_A"});
        }
        CloseGiroFile();

        // The plusgiro register shares the file: the same key is refused.
        QVERIFY(OpenGiroFile(Tgirotyp::plusgiro));
        TEGiroRegForm form(nullptr, Tgirotyp::plusgiro);
        QCOMPARE(Lines(form.ERegListBox), QStringList{"1230............ Klubben_A"});
        QString refusal;
        WhenShown<TplusgiroDlg>([&refusal](TplusgiroDlg* dialog) {
            dialog->payee->setText("Klubben");
            dialog->littera->setText("A");
            dialog->okButton->click();
            refusal = dialog->statusBar->currentMessage();
            dialog->cancelButton->click();
        });
        form.newbtn->click();
        QVERIFY(refusal.startsWith("Mottagare och littera finns redan registrerad."));
        QCOMPARE(GiroFile().UsedRecords(), 1);

        form.ERegListBox->setCurrentRow(0);
        form.deletebtn->click();
        QCOMPARE(form.StatusBar1->currentMessage(), QString("Girot \"Klubben_A\", raderad..."));
        QCOMPARE(form.ERegListBox->count(), 0);
    }
};

}  // namespace oltoma::labels::forms

OLTOMA_QTEST_MAIN(oltoma::labels::forms::RegistersTest)
#include "registers_test.moc"
