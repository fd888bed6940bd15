#include "ol/forms/info_dlg_form.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

#include <functional>

#include "base/messages/messages.h"
#include "base/settings/window_scale.h"
#include "forms_data_fixture.h"
#include "ol/forms/adress_dlg.h"
#include "qtest_main.h"
#include "scripted_message_boxes.h"

namespace oltoma::ol {

class InfoDlgFormTest : public QObject {
    Q_OBJECT

    // Runs `act` on the modal dialog of type Dialog once it shows.
    template <typename Dialog>
    static void WhenShown(std::function<void(Dialog*)> act) {
        QTimer::singleShot(0, [act] {
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            act(dialog);
        });
    }

    oltoma::testing::ScriptedMessageBoxes boxes;
    oltoma::testing::BoundMessageBoxes bound{boxes};

private slots:
    void initTestCase() { WindowScale = 100; }
    void init() { testing::StartDataLayer(QTest::currentTestFunction()); }
    void cleanup() { testing::StopDataLayer(); }

    void captionsAndLimits() {
        QCOMPARE(testing::NewCompetition("Ett"), 1);
        TInfoDlgForm form(nullptr, false);
        QCOMPARE(form.windowTitle(), QString::fromUtf8("tävling/turnering"));
        QCOMPARE(form.edArr->maxLength(), 41);
        QCOMPARE(form.edTvl->maxLength(), 41);
        QCOMPARE(form.edTvlDatum->maxLength(), 21);
        QCOMPARE(form.cbTyp->lineEdit()->maxLength(), 13);
        QCOMPARE(form.edPostgiro->maxLength(), 33);
        QCOMPARE(form.edBankgiro->maxLength(), 33);
        QCOMPARE(form.edBetMottagare->maxLength(), 33);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(form.edKontakt[i]->maxLength(), 23);
        }
        QCOMPARE(form.edOmg->minimum(), 1);
        QCOMPARE(form.edOmg->maximum(), 5);
        QCOMPARE(form.edAktuellEtapp->maximum(), 5);
        QCOMPARE(form.btnKontakt[0]->text(), QString::fromUtf8("tävlingsledare"));
        QCOMPARE(form.btnKontakt[3]->text(), QString::fromUtf8("tävlingskontroll"));
        QCOMPARE(form.rbUsePG->text(), QString::fromUtf8("använd"));
        QCOMPARE(form.edTvl->text(), QString("Ett"));
    }

    void textsAreCutAsStored() {
        QCOMPARE(testing::NewCompetition("Ett"), 1);
        TInfoDlgForm form(nullptr, false);
        form.edArr->setText(QString(41, 'a'));
        form.edTvlDatum->setText(QString(21, '1'));
        form.cbTyp->setEditText(QString(13, 'm'));
        form.edPostgiro->setText(QString(33, '9'));
        form.accept();
        QCOMPARE(Ol().competition.rec.Arr.size(), 40u);
        QCOMPARE(Ol().competition.rec.Date.size(), 20u);
        QCOMPARE(Ol().competition.rec.Typ.size(), 12u);
        QCOMPARE(Ol().clubTable.Text1.size(), 32u);
    }

    void giroChoice_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("plusgiro");
        QTest::addColumn<bool>("bankgiro");
        QTest::addColumn<int>("stored");
        QTest::newRow("plusgiro") << 0 << true << false << 0;
        QTest::newRow("postgiro") << 1 << true << false << 0;
        QTest::newRow("postgiro1") << 2 << true << false << 0;
        QTest::newRow("bankgiro") << 3 << false << true << 3;
        QTest::newRow("bankgiro1") << 4 << false << true << 3;
    }
    void giroChoice() {
        QFETCH(int, mode);
        QFETCH(bool, plusgiro);
        QFETCH(bool, bankgiro);
        QFETCH(int, stored);
        QCOMPARE(testing::NewCompetition("Ett"), 1);
        Ol().competition.rec.postgiromode = static_cast<std::uint8_t>(mode);
        TInfoDlgForm form(nullptr, false);
        QCOMPARE(form.rbUsePG->isChecked(), plusgiro);
        QCOMPARE(form.rbUseBG->isChecked(), bankgiro);
        form.accept();
        QCOMPARE(int(Ol().competition.rec.postgiromode), stored);

        (bankgiro ? form.rbUsePG : form.rbUseBG)->click();  // the two exclude each other
        QCOMPARE(form.rbUsePG->isChecked(), bankgiro);
        QCOMPARE(form.rbUseBG->isChecked(), !bankgiro);
    }

    void aNewCompetitionIsMadeWithItsFiles() {
        WhenShown<TInfoDlgForm>([](TInfoDlgForm* form) {
            QVERIFY(form->adding());
            QCOMPARE(form->edTvl->text(), QString());
            QCOMPARE(form->edOmg->value(), 1);
            form->edTvl->setText(QString::fromUtf8("Vårtävlingen"));
            form->edArr->setText("OK Linné");
            form->edPostgiro->setText("12 34 56-7");
            form->okButton->click();
        });
        QVERIFY(EditCompetitionInfo(nullptr, true));
        QCOMPARE(Ol().CurrentCompetition, 1);
        QVERIFY(Ol().ParticipantFilesOpen);
        QCOMPARE(Ol().competition.rec.Tvl, "V\xE5rt\xE4vlingen");
        QCOMPARE(Ol().clubTable.Text1, "12 34 56-7");
        QCOMPARE(ReadCompetitionMenuEntries()[0].name, "V\xE5rt\xE4vlingen");
    }

    void contactsGoThroughTheAddressDialogAndCancelRestoresThem() {
        QCOMPARE(testing::NewCompetition("Ett"), 1);
        TInfoDlgForm form(nullptr, false);
        WhenShown<TadressDlg>([](TadressDlg* dialog) {
            dialog->memo()->setPlainText("Anna Ledare\nStorgatan 1");
            dialog->findChild<QPushButton*>("OKBtn")->click();
        });
        form.btnKontakt[0]->click();
        QCOMPARE(form.edKontakt[0]->text(), QString("Anna Ledare"));
        QCOMPARE(Ol().competition.rec.adress[0].line[1], "Storgatan 1");

        form.cancelButton->click();
        QVERIFY(Ol().competition.rec.adress[0].line[0].empty());
        QVERIFY(Ol().ParticipantFilesOpen);
        QCOMPARE(Ol().CurrentCompetition, 1);
    }

    void typingIntoAContactBoxChangesNothing() {
        QCOMPARE(testing::NewCompetition("Ett"), 1);
        Ol().competition.rec.adress[1].line[0] = "Bo Banl\xE4ggare";
        TInfoDlgForm form(nullptr, false);
        QCOMPARE(form.edKontakt[1]->text(), QString::fromUtf8("Bo Banläggare"));
        form.edKontakt[1]->setText("Ingen alls");
        form.okButton->click();
        QCOMPARE(Ol().competition.rec.adress[1].line[0], "Bo Banl\xE4ggare");
    }

    void aNinthCompetitionOpensNoDialog() {
        for (int n = 1; n <= kMaxCompetitions; ++n) {
            QCOMPARE(testing::NewCompetition("T"), n);
        }
        QVERIFY(!EditCompetitionInfo(nullptr, true));
        QCOMPARE(MessageLine.str(),
                 std::string("Max antal t\xE4vlingar uppn\xE5tt kan ej addera flera!"));
        QVERIFY(Ol().ParticipantFilesOpen);

        WhenShown<TInfoDlgForm>([](TInfoDlgForm* form) { form->okButton->click(); });
        QVERIFY(EditCompetitionInfo(nullptr, false));  // editing is not limited
    }

    void cancellingANewCompetitionBringsBackTheChosenOne() {
        QCOMPARE(testing::NewCompetition("Ett"), 1);
        WhenShown<TInfoDlgForm>([](TInfoDlgForm* form) {
            QVERIFY(!Ol().ParticipantFilesOpen);
            form->edTvl->setText("Aldrig");
            form->cancelButton->click();
        });
        QVERIFY(!EditCompetitionInfo(nullptr, true));
        QCOMPARE(Ol().CurrentCompetition, 1);
        QVERIFY(Ol().ParticipantFilesOpen);
        QCOMPARE(Ol().competition.rec.Tvl, "Ett");
        QCOMPARE(Ol().CompetitionsUsed, 1);
    }
};

}  // namespace oltoma::ol

OLTOMA_QTEST_MAIN(oltoma::ol::InfoDlgFormTest)
#include "info_dlg_form_test.moc"
