// The district register and its edit dialog.
#include "ol/forms/distr_reg.h"

#include <QtTest>

#include "base/messages/messages.h"
#include "base/text/number_format.h"
#include "ol/forms/distr_form.h"
#include "platform/qt/program_cursor.h"
#include "platform/qt/up_down.h"
#include "qtest_main.h"
#include "register_fixture.h"

namespace oltoma::ol {

using namespace testing;

class DistrRegTest : public QObject {
    Q_OBJECT

    RegisterDoubles doubles;

private slots:
    void init() {
        WindowScale = 100;
        doubles.sound.beeps.clear();
        StartWithDefinitionFiles(QTest::currentTestFunction());
    }
    void cleanup() { StopDataLayer(); }

    void aLineHoldsNumberNameAndNationInColumns() {
        AddDistrict("07", std::string(19, 'N'), "NOR");
        AddDistrict("03", "Mitt");
        TDistrRegForm form(nullptr);
        QCOMPARE(Lines(form), QStringList({"03. Mitt................ ....",
                                           "07. " + QString(19, 'N') + ". NOR."}));
    }

    void aNewDistrictProposesTheSlotCountAndStoresTheFields() {
        TDistrRegForm form(nullptr);
        EditThrough<TDistrForm>(form.newbtn, [&](TDistrForm* dialog) {
            QCOMPARE(dialog->windowTitle(), QString("distrikt"));
            QCOMPARE(dialog->edNummer->text(), QString("01"));  // an empty file has 1 slot
            QCOMPARE(dialog->udNummer->position(), 1);
            QCOMPARE(dialog->edNummer->maxLength(), 2);
            QCOMPARE(dialog->edDistrikt->maxLength(), 19);
            QCOMPARE(dialog->edNation->maxLength(), 3);
            QCOMPARE(doubles.cursors.current, kProgramCursorNumber);
            dialog->edDistrikt->setText("Östergötland");
            dialog->edNation->setText("SWE");
            dialog->okButton->click();
        });
        QCOMPARE(Lines(form), QStringList({"01. Östergötland........ SWE."}));
        const std::int32_t rc = KeyOf(Ol().districtFile, DistrictKey("01"));
        QVERIFY(rc != 0);
        DistrRec stored;
        storage::GetRec(Ol().districtFile, rc, &stored);
        QCOMPARE(stored.Dname.str(), Windows1252FromUtf8("Östergötland"));
        QCOMPARE(stored.Dkort.str(), std::string("SWE"));
    }

    void escapeLeavesRecordLineAndKeyAsTheyWere() {
        const std::int32_t rc = AddDistrict("04", "Väst");
        TDistrRegForm form(nullptr);
        SelectLine(form, 0);
        EditThrough<TDistrForm>(form.changebtn, [&](TDistrForm* dialog) {
            dialog->edNummer->setText("09");
            dialog->edDistrikt->setText("Annat");
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QCOMPARE(Lines(form), QStringList({"04. Väst................ ...."}));
        QCOMPARE(KeyOf(Ol().districtFile, DistrictKey("04")), rc);
        DistrRec stored;
        storage::GetRec(Ol().districtFile, rc, &stored);
        QCOMPARE(stored.Dname.str(), Windows1252FromUtf8("Väst"));
    }

    void ninetyNineDistrictsAreTheMost() {
        CloseCommonFiles();
        FillQuickly<DistrRec>(
            kDistrictRegisterBase, kDistrictRegisterLimit,
            [](int i) {
                DistrRec district{};
                district.Dnr = IntZeroPadded(i, 2);
                return district;
            },
            [](const DistrRec& district) { return DistrictKey(district.Dnr); });
        QVERIFY(OpenCommonFiles());
        TDistrRegForm form(nullptr);
        form.newbtn->click();
        QCOMPARE(doubles.sound.beeps.size(), 1u);
        QCOMPARE(StatusOf(&form), QString("maxantalet uppnått kan ej addera registerpost!"));
        QCOMPARE(form.ERegListBox->count(), kDistrictRegisterLimit);
    }

    void deletingShowsTheNotice() {
        AddDistrict("04", "Väst");
        TDistrRegForm form(nullptr);
        SelectLine(form, 0);
        form.deletebtn->click();
        QCOMPARE(form.ERegListBox->count(), 0);
        QCOMPARE(StatusOf(&form), QString("Distriktet 04 \"Väst\", raderad...."));
        QCOMPARE(storage::UsedRecs(Ol().districtFile), 0);
    }

    void theRegisterNeedsACompetition() {
        CloseDefinitionFiles();
        bool shown = false;
        oltoma::testing::WhenShown<TDistrRegForm>([&](TDistrRegForm* form) {
            shown = true;
            form->closebtn->click();
        });
        RunDistrictRegister(nullptr);
        QVERIFY(!shown);
        QVERIFY(OpenParticipantFiles());
        RunDistrictRegister(nullptr);
        QVERIFY(shown);
    }

    void atScale200ListAndFieldsDouble() {
        AddDistrict("07", std::string(19, 'W'), "WWW");
        WindowScale = 200;
        TDistrRegForm form(nullptr);
        QCOMPARE(form.ERegListBox->font().pixelSize(), 26);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QString line = form.ERegListBox->item(0)->text();
        QVERIFY(QFontMetrics(form.ERegListBox->font()).horizontalAdvance(line) <=
                form.ERegListBox->viewport()->width());
        EditThrough<TDistrForm>(form.newbtn, [](TDistrForm* dialog) {
            QCOMPARE(dialog->width(), 840);
            QCOMPARE(dialog->edDistrikt->width(), 340);
        });
    }
};

}  // namespace oltoma::ol

OLTOMA_QTEST_MAIN(oltoma::ol::DistrRegTest)

#include "distr_reg_test.moc"
