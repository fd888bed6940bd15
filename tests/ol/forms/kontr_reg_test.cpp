// The control register and its edit dialog.
#include "ol/forms/kontr_reg.h"

#include <QStyle>
#include <QtTest>

#include "ol/data/files/control_uses.h"
#include "ol/forms/edit_grid.h"
#include "ol/forms/kontr_form.h"
#include "platform/qt/form_fonts.h"
#include "qtest_main.h"
#include "register_fixture.h"

namespace oltoma::ol {

using namespace testing;

class KontrRegTest : public QObject {
    Q_OBJECT

    RegisterDoubles doubles;

    static KontrRec StoredControl(std::string_view code) {
        KontrRec control{};
        storage::GetRec(Ol().controlFile, KeyOf(Ol().controlFile, ControlKey(code)), &control);
        return control;
    }

private slots:
    void init() {
        WindowScale = 100;
        doubles.sound.beeps.clear();
        StartWithDefinitionFiles(QTest::currentTestFunction());
    }
    void cleanup() { StopDataLayer(); }

    void theGridShowsTheDescriptionUnderItsLetters() {
        AddControl("31");
        Ol().control.rec.R[0] = "SENA";
        Ol().control.rec.R[7] = "STEN";
        std::int32_t rc = KeyOf(Ol().controlFile, ControlKey("31"));
        QVERIFY(RewriteControl(rc));
        TKontrRegForm form(nullptr);
        QCOMPARE(Lines(form), QStringList({"31.. "}));
        SelectLine(form, 0);
        EditThrough<TKontrForm>(form.changebtn, [](TKontrForm* dialog) {
            QCOMPARE(dialog->windowTitle(), QString("kontroll"));
            EditGrid* grid = dialog->kontrStringGrid;
            QCOMPARE(grid->columnCount(), 9);
            QCOMPARE(grid->rowCount(), 2);
            QCOMPARE(grid->CellText(0, 0), QString("KodNr"));
            QCOMPARE(grid->CellText(1, 0), QString("A"));
            QCOMPARE(grid->CellText(8, 0), QString("H"));
            QCOMPARE(grid->CellText(1, 1), QString("SENA"));
            QCOMPARE(grid->CellText(8, 1), QString("STEN"));
            QVERIFY(!(grid->item(0, 1)->flags() & Qt::ItemIsEditable));
            QCOMPARE(dialog->edKodNr->text(), QString("31"));
        });
    }

    // The cells as typed: cut to 10, upper case, blanks only as empty;
    // text still in an open editor counts.
    void cellsAreStoredCutAndInUpperCase() {
        TKontrRegForm form(nullptr);
        EditThrough<TKontrForm>(form.newbtn, [](TKontrForm* dialog) {
            dialog->edKodNr->setText("k1");
            TypeIntoCell(dialog->kontrStringGrid, 2, 1, "   ");
            TypeIntoCell(dialog->kontrStringGrid, 3, 1, QString::fromUtf8("höjd"));
            TypeIntoCell(dialog->kontrStringGrid, 1, 1, "sänka i skogen");
            dialog->okButton->click();
        });
        const KontrRec stored = StoredControl("K1");
        QCOMPARE(stored.R[0].str(), Windows1252FromUtf8("SÄNKA I SK"));
        QCOMPARE(stored.R[1].str(), std::string());
        QCOMPARE(stored.R[2].str(), Windows1252FromUtf8("HÖJD"));
        QCOMPARE(Lines(form), QStringList({"K1.. "}));
    }

    void cancelKeepsPositionAndDescription() {
        AddControl("31");
        Ol().control.rec.posX = 120;
        QVERIFY(RewriteControl(KeyOf(Ol().controlFile, ControlKey("31"))));
        TKontrRegForm form(nullptr);
        SelectLine(form, 0);
        EditThrough<TKontrForm>(form.changebtn, [](TKontrForm* dialog) {
            dialog->edKodNr->setText("99");
            dialog->cancelButton->click();
        });
        QCOMPARE(StoredControl("31").posX, 120);
        QCOMPARE(Lines(form), QStringList({"31.. "}));
    }

    void aUsedControlStaysUntilItsCourseIsGone() {
        const std::int32_t rc = AddControl("31");
        AddCourse("A", {"31"});
        CountControlUses(Ol().course.rec, +1);  // as the import or a rebuild counts
        TKontrRegForm form(nullptr);
        SelectLine(form, 0);
        form.deletebtn->click();
        QCOMPARE(Lines(form), QStringList({"31.. "}));
        QVERIFY(form.ERegListBox->selectedItems().isEmpty());
        QCOMPARE(StatusOf(&form),
                 QString("Kan ej radera denna kontroll då den används av någon bana."));
        QCOMPARE(KeyOf(Ol().controlFile, ControlKey("31")), rc);

        QVERIFY(DeleteCourse(FindMode::kByKey, "A", 0, true));
        SelectLine(form, 0);
        form.deletebtn->click();
        QVERIFY(Lines(form).isEmpty());
        QCOMPARE(StatusOf(&form), QString("Kontroll ,kodnr. \"31\", raderad..."));
    }

    void the513thControlIsRefused() {
        CloseDefinitionFiles();
        FillQuickly<KontrRec>(
            CompetitionBaseName(kControlFileBase, 1), kMaxControls,
            [](int i) {
                KontrRec control{};
                control.KodNr = std::to_string(i);
                return control;
            },
            [](const KontrRec& control) { return ControlKey(control.KodNr); });
        QVERIFY(OpenDefinitionFiles());
        TKontrRegForm form(nullptr);
        QCOMPARE(form.ERegListBox->count(), kMaxControls);
        form.newbtn->click();
        QCOMPARE(doubles.sound.beeps.size(), 1u);
        QCOMPARE(StatusOf(&form), QString("maxantalet uppnått kan ej addera registerpost!"));

        SelectLine(form, 0);
        form.deletebtn->click();
        bool opened = false;
        EditThrough<TKontrForm>(form.newbtn, [&](TKontrForm* dialog) {
            opened = true;
            dialog->cancelButton->click();
        });
        QVERIFY(opened);
    }

    void gridColumnsHoldTenXAtEveryScale_data() {
        QTest::addColumn<int>("scale");
        QTest::newRow("100") << 100;
        QTest::newRow("200") << 200;
    }

    void gridColumnsHoldTenXAtEveryScale() {
        QFETCH(int, scale);
        WindowScale = scale;
        AddControl("31");
        TKontrRegForm form(nullptr);
        QCOMPARE(form.ERegListBox->font().pixelSize(), FixedPitchFont().pixelSize() * scale / 100);
        EditThrough<TKontrForm>(form.newbtn, [scale](TKontrForm* dialog) {
            EditGrid* grid = dialog->kontrStringGrid;
            QCOMPARE(grid->font().pixelSize(), WindowFont().pixelSize() * scale / 100);
            const QFontMetrics metrics(grid->font());
            const int margins =
                2 * (grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1);
            QVERIFY(grid->columnWidth(4) - margins > metrics.horizontalAdvance("XXXXXXXXXX"));
            QCOMPARE(grid->rowHeight(1), metrics.height() + metrics.height() / 2);
            // Every column shows whole, within the form.
            QVERIFY(grid->viewport()->width() >= 9 * grid->columnWidth(0));
            QVERIFY(grid->geometry().right() < dialog->width());
        });
    }
};

}  // namespace oltoma::ol

OLTOMA_QTEST_MAIN(oltoma::ol::KontrRegTest)

#include "kontr_reg_test.moc"
