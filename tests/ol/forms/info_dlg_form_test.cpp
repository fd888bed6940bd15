#include "ol/forms/info_dlg_form.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

#include <functional>
#include <map>

#include "base/messages/messages.h"
#include "base/settings/window_scale.h"
#include "forms_data_fixture.h"
#include "ol/data/records/cmp_club_rec.h"
#include "ol/data/records/info_rec.h"
#include "ol/forms/adress_dlg.h"
#include "platform/qt/qt_text.h"
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

    void captions() {
        QCOMPARE(testing::NewCompetition("Ett"), 1);
        TInfoDlgForm form(nullptr, false);
        QCOMPARE(form.windowTitle(), QString::fromUtf8("tävling/turnering"));
        QCOMPARE(form.edOmg->minimum(), 1);
        QCOMPARE(form.edOmg->maximum(), 5);
        QCOMPARE(form.edAktuellEtapp->maximum(), 5);
        QCOMPARE(form.btnKontakt[0]->text(), QString::fromUtf8("tävlingsledare"));
        QCOMPARE(form.btnKontakt[3]->text(), QString::fromUtf8("tävlingskontroll"));
        QCOMPARE(form.rbUsePG->text(), QString::fromUtf8("använd"));
        QCOMPARE(form.cancelButton->text(), QString("Avbryt"));
        QCOMPARE(form.edTvl->text(), QString("Ett"));
        QVERIFY(!form.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    }

    // Each box takes as many characters as its field stores, and OK stores
    // all of them: one more is refused as it is typed, not dropped on OK.
    void whatIsTypedIsWhatIsStored_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("stored");
        QTest::newRow("arrangör") << "edArr" << int(decltype(InfoRec::Arr)::kCapacity);
        QTest::newRow("tävling") << "edTvl" << int(decltype(InfoRec::Tvl)::kCapacity);
        QTest::newRow("datum") << "edTvlDatum" << TInfoDlgForm::kDateLength;
        QTest::newRow("typ") << "cbTyp" << int(decltype(InfoRec::Typ)::kCapacity);
        QTest::newRow("plusgironummer")
            << "edPostgiro" << int(decltype(CmpClubRec::Text1)::kCapacity);
        QTest::newRow("bankgironummer")
            << "edBankgiro" << int(decltype(CmpClubRec::Text2)::kCapacity);
        QTest::newRow("betalningsmottagare")
            << "edBetMottagare" << int(decltype(CmpClubRec::Arr)::kCapacity);
    }
    void whatIsTypedIsWhatIsStored() {
        QFETCH(QString, box);
        QFETCH(int, stored);
        static_assert(TInfoDlgForm::kDateLength <= decltype(InfoRec::Date)::kCapacity);
        QCOMPARE(testing::NewCompetition("Ett"), 1);
        TInfoDlgForm form(nullptr, false);
        QWidget* widget = form.findChild<QWidget*>(box);
        QVERIFY(widget != nullptr);
        auto* combo = qobject_cast<QComboBox*>(widget);
        QLineEdit* edit = combo != nullptr ? combo->lineEdit() : qobject_cast<QLineEdit*>(widget);
        const QString typed = QString::fromUtf8("Åre") + QString(stored, 'x');
        edit->clear();
        edit->insert(typed.left(stored - 1));
        QTest::keyClicks(edit, "xy");  // the y is one too many
        QCOMPARE(edit->text(), typed.left(stored));
        form.accept();
        const std::map<QString, std::string> storedText = {
            {"edArr", Ol().competition.rec.Arr.str()},
            {"edTvl", Ol().competition.rec.Tvl.str()},
            {"edTvlDatum", Ol().competition.rec.Date.str()},
            {"cbTyp", Ol().competition.rec.Typ.str()},
            {"edPostgiro", Ol().clubTable.Text1.str()},
            {"edBankgiro", Ol().clubTable.Text2.str()},
            {"edBetMottagare", Ol().clubTable.Arr.str()},
        };
        QCOMPARE(platform::ToQString(storedText.at(box)), typed.left(stored));
    }

    void theContactBoxesAreReadOnly() {
        QCOMPARE(testing::NewCompetition("Ett"), 1);
        TInfoDlgForm form(nullptr, false);
        for (QLineEdit* contact : form.edKontakt) {
            QVERIFY(contact->isReadOnly());
            QCOMPARE(contact->focusPolicy(), Qt::NoFocus);
        }
    }

    // Tab goes through the fields as they stand, each "använd" before its
    // number field.
    void tabOrder() {
        QCOMPARE(testing::NewCompetition("Ett"), 1);
        TInfoDlgForm form(nullptr, false);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.edArr->setFocus();
        const QList<QWidget*> expected = {
            form.edArr,         form.edTvl,          form.edTvlDatum,     form.cbTyp,
            form.edOmg,         form.edAktuellEtapp, form.btnKontakt[0],  form.btnKontakt[1],
            form.btnKontakt[2], form.btnKontakt[3],  form.rbUsePG,        form.edPostgiro,
            form.rbUseBG,       form.edBankgiro,     form.edBetMottagare, form.okButton,
            form.cancelButton,  form.edArr};
        QList<QWidget*> visited = {QApplication::focusWidget()};
        for (int i = 1; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget();
        }
        // The combo box gives its focus to its edit field.
        for (QWidget*& widget : visited) {
            if (widget == form.cbTyp->lineEdit()) {
                widget = form.cbTyp;
            }
            if (qobject_cast<QSpinBox*>(widget->parentWidget()) != nullptr) {
                widget = widget->parentWidget();
            }
        }
        QCOMPARE(visited, expected);
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
        (bankgiro ? form.rbUsePG : form.rbUseBG)->click();  // a checked one stays checked
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
        QTest::keyClicks(form.edKontakt[1], "Ingen alls");
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
