// The pick dialog: what it shows and what it answers.
#include "registers/forms/epick_form.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QtTest>

#include "base/settings/window_scale.h"
#include "qtest_main.h"
#include "when_shown.h"

namespace oltoma::registers {

class EPickFormTest : public QObject {
    Q_OBJECT

    static PickDialogRequest Request(bool multi) {
        PickDialogRequest request;
        request.title = "klasser";
        request.multi = multi;
        request.lines = {"H21", "D21", "H16"};
        return request;
    }

    static QString Status(const TEPickForm& form) { return form.StatusBar1->currentMessage(); }

private slots:
    void init() { WindowScale = 100; }

    void showsTheLinesInTheirOrderWithTheCounts() {
        TEPickForm form(nullptr, Request(true));
        QCOMPARE(form.windowTitle(), QString("klasser"));
        QCOMPARE(form.EPickListBox->count(), 3);
        QCOMPARE(form.EPickListBox->item(0)->text(), QString("H21"));
        QCOMPARE(form.EPickListBox->selectionMode(), QAbstractItemView::ExtendedSelection);
        QVERIFY(form.allbtn->isEnabled());
        QCOMPARE(Status(form), QString(" [  3]"));
        form.EPickListBox->item(2)->setSelected(true);
        QCOMPARE(Status(form), QString("  1 [  3]"));
        QCOMPARE(form.SelectedLines(), std::vector<int>{2});
    }

    void allSelectsAllThenNone() {
        TEPickForm form(nullptr, Request(true));
        form.allbtn->click();
        QCOMPARE(form.SelectedLines(), (std::vector<int>{0, 1, 2}));
        QCOMPARE(form.allbtn->text(), QString("&Ingen"));
        QCOMPARE(Status(form), QString("  3 [  3]"));
        form.allbtn->click();
        QVERIFY(form.SelectedLines().empty());
        QCOMPARE(form.allbtn->text(), QString("&Alla"));
    }

    void aSortedListKeepsEachLinesIndexAndPreselects() {
        PickDialogRequest request = Request(true);
        request.sort = true;
        request.preselected = {0};
        TEPickForm form(nullptr, request);
        QCOMPARE(form.EPickListBox->item(0)->text(), QString("D21"));
        QCOMPARE(form.EPickListBox->item(2)->text(), QString("H21"));
        QVERIFY(form.EPickListBox->item(2)->isSelected());
        QCOMPARE(form.SelectedLines(), std::vector<int>{0});
    }

    void aDoubleClickInASingleSelectionListChoosesThatLine() {
        QtPickDialog dialog;
        oltoma::testing::WhenShown<TEPickForm>([](TEPickForm* form) {
            QVERIFY(!form->allbtn->isEnabled());
            QListWidgetItem* line = form->EPickListBox->item(1);
            const QRect area = form->EPickListBox->visualItemRect(line);
            QTest::mouseClick(form->EPickListBox->viewport(), Qt::LeftButton, {}, area.center());
            QTest::mouseDClick(form->EPickListBox->viewport(), Qt::LeftButton, {}, area.center());
        });
        const PickDialogAnswer answer = dialog.Run(Request(false));
        QVERIFY(answer.ok);
        QCOMPARE(answer.selected, std::vector<int>{1});
    }

    void cancelAnswersNotConfirmed() {
        QtPickDialog dialog;
        oltoma::testing::WhenShown<TEPickForm>([](TEPickForm* form) {
            form->allbtn->click();
            form->cancelBtn->click();
        });
        QVERIFY(!dialog.Run(Request(true)).ok);
    }

    void thePdfBoxShowsWhenOfferedAndKeepsItsState() {
        TEPickForm plain(nullptr, Request(true));
        QVERIFY(plain.cbPdf == nullptr);
        QCOMPARE(plain.EPickListBox->height(), 304);

        QtPickDialog dialog;
        PickDialogRequest request = Request(true);
        request.offerPdf = true;
        oltoma::testing::WhenShown<TEPickForm>([](TEPickForm* form) {
            QVERIFY(form->cbPdf != nullptr);
            QCOMPARE(form->cbPdf->text(), QString("till PDF-fil"));
            QVERIFY(!form->cbPdf->isChecked());
            QCOMPARE(form->cbPdf->geometry().top(), form->EPickListBox->geometry().bottom() + 11);
            form->cbPdf->setChecked(true);
            form->allbtn->click();
            form->okBtn->click();
        });
        PickDialogAnswer answer = dialog.Run(request);
        QVERIFY(answer.ok);
        QVERIFY(answer.pdf);
        // The next pick that offers it starts ticked; Cancel keeps it so.
        oltoma::testing::WhenShown<TEPickForm>([](TEPickForm* form) {
            QVERIFY(form->cbPdf->isChecked());
            form->cancelBtn->click();
        });
        QVERIFY(!dialog.Run(request).ok);
        request.offerPdf = false;
        oltoma::testing::WhenShown<TEPickForm>([](TEPickForm* form) { form->okBtn->click(); });
        QVERIFY2(!dialog.Run(request).pdf, "not offered, not asked for");
    }

    void atScale200TheFontDoubles() {
        WindowScale = 200;
        TEPickForm form(nullptr, Request(true));
        QCOMPARE(form.EPickListBox->font().pixelSize(), 26);
        QCOMPARE(form.width(), 640);
    }
};

}  // namespace oltoma::registers

OLTOMA_QTEST_MAIN(oltoma::registers::EPickFormTest)

#include "epick_form_test.moc"
