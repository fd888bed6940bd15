// The course register and its edit dialog, and the use counts of the
// controls it keeps.
#include "ol/forms/ban_reg.h"

#include <QtTest>

#include <map>

#include "base/text/number_format.h"
#include "ol/data/files/control_uses.h"
#include "ol/data/maintenance/index_rebuild.h"
#include "ol/forms/ban_form.h"
#include "platform/qt/up_down.h"
#include "qtest_main.h"
#include "register_fixture.h"
#include "scripted_progress.h"

namespace oltoma::ol {

using namespace testing;

class BanRegTest : public QObject {
    Q_OBJECT

    RegisterDoubles doubles;

    static TrackRec StoredCourse(std::string_view designation) {
        TrackRec course{};
        storage::GetRec(Ol().courseFile, KeyOf(Ol().courseFile, CourseKey(designation)), &course);
        return course;
    }

    static std::vector<std::string> Codes(const TrackRec& course) {
        std::vector<std::string> codes;
        for (int i = 0; i < ControlCount(course); ++i) {
            codes.push_back(course.KodNr[i].str());
        }
        return codes;
    }

    // The use count of every control, by code.
    static std::map<std::string, int> UsesByCode() {
        std::map<std::string, int> uses;
        std::int32_t rc = 0;
        bool notFound = true;
        bool ok = false;
        FindControl(FindMode::kReset, {}, rc, notFound, ok);
        while (FindControl(FindMode::kNext, {}, rc, notFound, ok) || ok) {
            if (!notFound) {
                uses[Ol().control.rec.KodNr.str()] = ControlUseOf(Ol().clubTable, rc);
            }
        }
        return uses;
    }

    // Opens course `designation` in the register and runs `act` on its
    // dialog.
    static void Change(TBanRegForm& form, const QString& designation,
                       std::function<void(TBanForm*)> act) {
        const auto found = form.ERegListBox->findItems(designation, Qt::MatchStartsWith);
        QVERIFY(found.size() == 1);
        form.ERegListBox->clearSelection();
        found[0]->setSelected(true);
        EditThrough<TBanForm>(form.changebtn, std::move(act));
    }

    static void SetCodes(TBanForm* dialog, const QStringList& codes) {
        for (int row = 1; row <= codes.size(); ++row) {
            TypeIntoCell(dialog->banStringGrid, 1, row, codes[row - 1]);
        }
    }

private slots:
    void init() {
        WindowScale = 100;
        doubles.sound.beeps.clear();
        StartWithDefinitionFiles(QTest::currentTestFunction());
        for (const char* code : {"31", "32", "33"}) {
            AddControl(code);
        }
    }
    void cleanup() { StopDataLayer(); }

    void theLineAndTheFieldShowTheLengthOfTheSplitIndex() {
        Ol().competition.rec.MellanTid = 3;
        ClearCourse();
        Ol().course.rec.Bana = "A";
        Ol().course.rec.BanSize[0] = 7000;
        Ol().course.rec.BanSize[3] = 4500;
        std::int32_t rc = 0;
        QVERIFY(SaveCourse(true, rc));
        TBanRegForm form(nullptr);
        QCOMPARE(Lines(form), QStringList({"A............   4500...."}));
        Change(form, "A", [](TBanForm* dialog) {
            QCOMPARE(dialog->windowTitle(), QString("BanForm"));
            QCOMPARE(dialog->edBansize->text(), QString("4500"));
            dialog->edBansize->setText("5000");
            dialog->okButton->click();
        });
        const TrackRec stored = StoredCourse("A");
        QCOMPARE(stored.BanSize[3], 5000);
        QCOMPARE(stored.BanSize[0], 7000);
        QCOMPARE(Lines(form), QStringList({"A............   5000...."}));
    }

    void aSplitIndexOutsideTheTableReadsAndWritesNoLength() {
        Ol().competition.rec.MellanTid = 30;
        TBanRegForm form(nullptr);
        EditThrough<TBanForm>(form.newbtn, [](TBanForm* dialog) {
            QCOMPARE(dialog->edBansize->text(), QString("0"));
            dialog->edBana->setText("A");
            dialog->edBansize->setText("3000");
            dialog->okButton->click();
        });
        const TrackRec stored = StoredCourse("A");
        for (const std::int32_t length : stored.BanSize) {
            QCOMPARE(length, 0);
        }
    }

    void aStoredLengthOutsideTheRangeIsKeptUnlessChanged() {
        ClearCourse();
        Ol().course.rec.Bana = "A";
        Ol().course.rec.BanSize[0] = 123456;
        std::int32_t rc = 0;
        QVERIFY(SaveCourse(true, rc));
        TBanRegForm form(nullptr);
        Change(form, "A", [](TBanForm* dialog) { dialog->okButton->click(); });
        QCOMPARE(StoredCourse("A").BanSize[0], 123456);
        Change(form, "A", [](TBanForm* dialog) {
            dialog->edBansize->setText("2500");
            dialog->okButton->click();
        });
        QCOMPARE(StoredCourse("A").BanSize[0], 2500);
    }

    void emptyRowsCloseUpAndAntalCountsTheCodes() {
        TBanRegForm form(nullptr);
        EditThrough<TBanForm>(form.newbtn, [](TBanForm* dialog) {
            dialog->edBana->setText("lång");
            SetCodes(dialog, {"31", "", "32", " ", "33"});
            dialog->okButton->click();
        });
        const TrackRec stored = StoredCourse(Windows1252FromUtf8("LÅNG"));
        QCOMPARE(Codes(stored), (std::vector<std::string>{"31", "32", "33"}));
        QCOMPARE(stored.Antal, 3);
    }

    void aCodeMissingFromTheControlsKeepsTheDialogOpenOnItsRow() {
        TBanRegForm form(nullptr);
        EditThrough<TBanForm>(form.newbtn, [this](TBanForm* dialog) {
            dialog->edBana->setText("A");
            SetCodes(dialog, {"99", "31"});
            dialog->banStringGrid->setCurrentCell(2, 1);
            dialog->okButton->click();
            QVERIFY(dialog->isVisible());
            QCOMPARE(dialog->banStringGrid->currentRow(), 1);
            QCOMPARE(
                StatusOf(dialog),
                QString("Kontrollen finns inte registrerad. \"99\" Registrera kontrollen först."));
            QCOMPARE(doubles.sound.beeps.size(), 1u);
        });
        QCOMPARE(storage::UsedRecs(Ol().courseFile), 0);
    }

    void onlyTheCodesUpToAntalAreLoadedAndTheThirtyFifthIsKept() {
        // "A": Antal 2 with an older third code behind it; "B": 35 codes.
        AddCourse("A", {"31", "32"});
        Ol().course.rec.KodNr[2] = "33";
        QVERIFY(RewriteCourse(KeyOf(Ol().courseFile, CourseKey("A"))));
        ClearCourse();
        Ol().course.rec.Bana = "B";
        for (Strng_3& code : Ol().course.rec.KodNr) {
            code = "31";
        }
        Ol().course.rec.KodNr[34] = "33";
        Ol().course.rec.Antal = 35;
        std::int32_t rc = 0;
        QVERIFY(SaveCourse(true, rc));

        TBanRegForm form(nullptr);
        Change(form, "A", [](TBanForm* dialog) {
            QCOMPARE(dialog->banStringGrid->CellText(1, 2), QString("32"));
            QCOMPARE(dialog->banStringGrid->CellText(1, 3), QString());
            dialog->okButton->click();
        });
        QCOMPARE(Codes(StoredCourse("A")), (std::vector<std::string>{"31", "32"}));
        Change(form, "B", [](TBanForm* dialog) {
            QVERIFY(dialog->banStringGrid->isRowHidden(35));
            QCOMPARE(dialog->banStringGrid->CellText(1, 35), QString("33"));
            dialog->okButton->click();
        });
        const TrackRec b = StoredCourse("B");
        QCOMPARE(b.Antal, 35);
        QCOMPARE(b.KodNr[34].str(), std::string("33"));
    }

    // Uses as an import counts them, then register adds, changes, a
    // Cancel and deletions: the counts equal what a rebuild computes.
    void useCountsMatchTheRebuild() {
        AddCourse("IMP", {"31", "32"});
        CountControlUses(Ol().course.rec, +1);
        {
            TBanRegForm form(nullptr);
            EditThrough<TBanForm>(form.newbtn, [](TBanForm* dialog) {
                dialog->edBana->setText("B");
                SetCodes(dialog, {"31", "33"});
                dialog->okButton->click();
            });
            Change(form, "B", [](TBanForm* dialog) {
                SetCodes(dialog, {"32", "33", "33"});
                dialog->okButton->click();
            });
            Change(form, "IMP", [](TBanForm* dialog) {
                SetCodes(dialog, {"33"});
                dialog->cancelButton->click();
            });
            Change(form, "IMP", [](TBanForm*) {});  // closed without OK
            SelectLine(form, 1);                    // IMP
            form.deletebtn->click();
            EditThrough<TBanForm>(form.newbtn, [](TBanForm* dialog) {
                dialog->edBana->setText("C");
                SetCodes(dialog, {"31"});
                dialog->okButton->click();
            });
            QCOMPARE(Lines(form).size(), 2);
        }
        const std::map<std::string, int> counted = UsesByCode();
        QCOMPARE(counted, (std::map<std::string, int>{{"31", 1}, {"32", 1}, {"33", 2}}));

        oltoma::testing::ScriptedProgressWindows progress;
        oltoma::testing::BoundProgressWindows boundProgress{progress};
        QVERIFY(RebuildFileSet(1) == MaintenanceResult::done);
        QVERIFY(OpenDefinitionFiles());
        QCOMPARE(UsesByCode(), counted);
    }

    void atScale200TheLongestLineShowsWhole() {
        AddCourse(std::string(12, 'W'));
        Ol().course.rec.BanSize[0] = 99999;
        QVERIFY(RewriteCourse(KeyOf(Ol().courseFile, CourseKey(std::string(12, 'W')))));
        WindowScale = 200;
        TBanRegForm form(nullptr);
        QCOMPARE(form.ERegListBox->font().pixelSize(), 26);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QString line = form.ERegListBox->item(0)->text();
        QCOMPARE(line, QString(12, 'W') + ". " + " 99999....");
        QVERIFY(QFontMetrics(form.ERegListBox->font()).horizontalAdvance(line) <=
                form.ERegListBox->viewport()->width());
        EditThrough<TBanForm>(form.newbtn, [](TBanForm* dialog) {
            QCOMPARE(dialog->banStringGrid->font().pixelSize(), 22);
            const QFontMetrics metrics(dialog->banStringGrid->font());
            QVERIFY(dialog->banStringGrid->columnWidth(1) > metrics.horizontalAdvance("XXXXXX"));
            QVERIFY(dialog->banStringGrid->geometry().right() < dialog->width());
        });
    }
};

}  // namespace oltoma::ol

OLTOMA_QTEST_MAIN(oltoma::ol::BanRegTest)

#include "ban_reg_test.moc"
