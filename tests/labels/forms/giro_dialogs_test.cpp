#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>

#include <memory>
#include <utility>

#include "label_forms_fixture.h"
#include "labels/forms/egirob32.h"
#include "labels/forms/egirol32.h"
#include "labels/forms/egirop32.h"
#include "labels/forms/giro_form_picture.h"
#include "labels/forms/limited_memo.h"
#include "platform/qt/field_limits.h"
#include "qtest_main.h"

namespace oltoma::labels::forms {

class GiroDialogsTest : public QObject {
    Q_OBJECT

    testing::LabelFormsDoubles doubles;

    // A slip stored in the open file, as the register adds it.
    static void Store(std::string_view payee, std::string_view littera) {
        GiroRec() = TGiroRec{};
        GiroRec().Mottagare = payee;
        GiroRec().Lnr = littera;
        std::int32_t rc = 0;
        QVERIFY(GiroFile().Add(true, rc));
        GiroRec() = TGiroRec{};
    }

    static std::unique_ptr<TGiroDlg> Dialog(Tgirotyp kind) {
        switch (kind) {
            case Tgirotyp::plusgiro:
                return std::make_unique<TplusgiroDlg>(nullptr);
            case Tgirotyp::postgiro:
                return std::make_unique<TpostgiroDlg>(nullptr);
            default:
                return std::make_unique<TbankgiroDlg>(nullptr);
        }
    }

private slots:
    void init() {
        testing::StartLabelData(QTest::currentTestFunction());
        doubles.sound.beeps.clear();
        doubles.sound.warnings = 0;
    }
    void cleanup() { testing::StopLabelData(); }

    // Each line of a slip takes what its field of the giro record stores.
    void linesTakeWhatTheRecordStores() {
        QVERIFY(OpenGiroFile(Tgirotyp::postgiro));
        const auto dialog = Dialog(Tgirotyp::postgiro);
        const std::pair<QLineEdit*, std::size_t> lines[] = {
            {dialog->payee, decltype(TGiroRec::Mottagare)::kCapacity},
            {dialog->tillG, decltype(TGiroRec::TillG)::kCapacity},
            {dialog->egetKonto, decltype(TGiroRec::EgetKonto)::kCapacity},
            {dialog->referens, decltype(TGiroRec::Referens)::kCapacity},
            {dialog->littera, decltype(TGiroRec::Lnr)::kCapacity},
        };
        for (const auto& [edit, stored] : lines) {
            QVERIFY(edit != nullptr);
            QCOMPARE(platform::StoredFieldLimit(edit), int(stored));
        }
    }

    void controlsLieOverTheFormsFields() {
        struct Case {
            Tgirotyp kind;
            const char* caption;
            const char* payee;
            const char* account;
            GiroField accountField;
        };
        for (const Case& c :
             {Case{Tgirotyp::plusgiro, "plusgiroblankett", "Edit3", "Edit2", GiroField::TillG},
              Case{Tgirotyp::postgiro, "postgiroblankett", "Edit3", "Edit2", GiroField::TillG},
              Case{Tgirotyp::bankgiro, "bankgiro", "tillnamn1", "tillgiro", GiroField::TillG}}) {
            QVERIFY(OpenGiroFile(c.kind));
            const auto dialog = Dialog(c.kind);
            QCOMPARE(dialog->windowTitle(), QString(c.caption));
            QCOMPARE(dialog->payee->objectName(), QString(c.payee));
            QCOMPARE(dialog->tillG->objectName(), QString(c.account));
            const QSize picture = dialog->formPicture->size();
            const QRect expected =
                FieldRectIn(ExtentOf(*FindGiroField(c.kind, c.accountField)), picture)
                    .translated(dialog->formPicture->pos());
            QCOMPARE(dialog->tillG->geometry(), expected);
            QCOMPARE(dialog->referens != nullptr, c.kind == Tgirotyp::postgiro);
            QCOMPARE(dialog->amount->maximum(), c.kind == Tgirotyp::postgiro ? 9999 : 999999);
            QCOMPARE(dialog->amount->singleStep(), 5);
            QCOMPARE(dialog->payee->maxLength(), 30);
            QCOMPARE(dialog->littera->maxLength(), 2);
            QCOMPARE(dialog->copies->value(), 1);
            CloseGiroFile();
        }
    }

    void okRefusesATakenKeyAndBadAccountNumbers() {
        QVERIFY(OpenGiroFile(Tgirotyp::postgiro));
        Store("Klubben", "A");
        struct Case {
            const char* payee;
            const char* littera;
            const char* tillG;
            const char* egetKonto;
            const char* status;  // empty: accepted
        };
        const Case cases[] = {
            {"Klubben", "A", "", "",
             "Mottagare och littera finns redan registrerad. \"Klubben_A\" Måste vara unik."},
            {"Klubben", "", "1234", "", "fel på gironummer"},
            {"Klubben", "", "", "abc", "fel på gironummer"},
            {"Klubben", "", "12-30", "", ""},
        };
        for (const Case& c : cases) {
            doubles.sound.warnings = 0;
            GiroRec() = TGiroRec{};
            TpostgiroDlg dialog(nullptr);
            dialog.payee->setText(QString::fromUtf8(c.payee));
            dialog.littera->setText(c.littera);
            dialog.tillG->setText(c.tillG);
            dialog.egetKonto->setText(c.egetKonto);
            dialog.okButton->click();
            const bool accepted = QString(c.status).isEmpty();
            QCOMPARE(dialog.result(), accepted ? int(QDialog::Accepted) : 0);
            QCOMPARE(dialog.statusBar->currentMessage(), QString::fromUtf8(c.status));
            QCOMPARE(doubles.sound.warnings, accepted ? 0 : 1);
            if (accepted) {
                QCOMPARE(GiroRec().TillG.view(), std::string_view("12-30"));
            }
        }
    }

    void amountsTheBoxCannotShowSurviveOk() {
        QVERIFY(OpenGiroFile(Tgirotyp::postgiro));
        for (const char* stored : {"50000", "150.50"}) {
            GiroRec() = TGiroRec{};
            GiroRec().AttBetala = stored;
            TpostgiroDlg dialog(nullptr);
            dialog.payee->setText("Ny");
            dialog.okButton->click();
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QCOMPARE(GiroRec().AttBetala.view(), std::string_view(stored));
        }
        GiroRec() = TGiroRec{};
        GiroRec().AttBetala = "50";
        TpostgiroDlg dialog(nullptr);
        QCOMPARE(dialog.amount->value(), 50);
        dialog.amount->setValue(0);
        dialog.okButton->click();
        QCOMPARE(GiroRec().AttBetala.view(), std::string_view(""));
    }

    void cancelPutsTheRecordBack() {
        QVERIFY(OpenGiroFile(Tgirotyp::bankgiro));
        GiroRec() = TGiroRec{};
        GiroRec().Mottagare = Windows1252FromUtf8("Före");
        TbankgiroDlg dialog(nullptr);
        QCOMPARE(dialog.girokd, Tgirotyp::bankgiro);
        dialog.payee->setText("Efter");
        dialog.copies->setValue(0);  // the box keeps 1..99
        dialog.PrintClick();         // stores the controls, prints (no printer)
        QCOMPARE(GiroRec().Mottagare.view(), std::string_view("Efter"));
        dialog.cancelButton->click();
        QCOMPARE(GiroRec().Mottagare.str(), Windows1252FromUtf8("Före"));
    }

    void printingRefusesBadAccountNumbers() {
        QVERIFY(OpenGiroFile(Tgirotyp::plusgiro));
        GiroRec() = TGiroRec{};
        TplusgiroDlg dialog(nullptr);
        dialog.tillG->setText("1234");
        dialog.payee->setText(QString::fromUtf8("Ändrad"));
        dialog.printButton->click();
        QCOMPARE(dialog.statusBar->currentMessage(), QString::fromUtf8("fel på gironummer"));
        QCOMPARE(GiroRec().Mottagare.view(), std::string_view(""));
    }

    void textsAreLimitedAsTheyAreStored() {
        QVERIFY(OpenGiroFile(Tgirotyp::plusgiro));
        GiroRec() = TGiroRec{};
        TplusgiroDlg dialog(nullptr);
        dialog.message->setPlainText(QString(1199, 'm'));
        dialog.message->moveCursor(QTextCursor::End);
        QTest::keyClick(dialog.message, Qt::Key_Return);  // a line break is 2 bytes: 1201
        QCOMPARE(dialog.message->toPlainText().size(), 1200);
        QTest::keyClick(dialog.message, Qt::Key_X);  // 1202: refused
        QCOMPARE(dialog.message->toPlainText().size(), 1200);
        dialog.payee->setText("Klubben");
        dialog.okButton->click();
        QCOMPARE(GiroRec().gtxt.size(), 1185u);
    }
};

}  // namespace oltoma::labels::forms

OLTOMA_QTEST_MAIN(oltoma::labels::forms::GiroDialogsTest)
#include "giro_dialogs_test.moc"
