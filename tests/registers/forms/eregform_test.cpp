// The register dialog framework through a district register whose record
// operations and edit dialog are scripted.
#include "registers/forms/eregform.h"

#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QtTest>

#include "base/messages/desktop_services.h"
#include "base/settings/program_name.h"
#include "base/settings/window_scale.h"
#include "base/text/windows1252.h"
#include "bound_services.h"
#include "forms_data_fixture.h"
#include "qtest_main.h"
#include "recording_print.h"
#include "scripted_register.h"
#include "scripted_services.h"

namespace oltoma::registers {

using testing::ScriptedRegister;

class ERegFormTest : public QObject {
    Q_OBJECT

    static std::int32_t AddDistrict(std::string_view number, std::string_view name) {
        ol::ClearDistrict();
        ol::Ol().district.rec.Dnr = number;
        ol::Ol().district.rec.Dname = Windows1252FromUtf8(name);
        std::int32_t rc = 0;
        return ol::SaveDistrict(true, rc) ? rc : 0;
    }

    static QStringList Lines(const TERegFormDlg& form) {
        QStringList lines;
        for (int i = 0; i < form.ERegListBox->count(); ++i) {
            lines << form.ERegListBox->item(i)->text();
        }
        return lines;
    }

    static QStringList SelectedLines(const TERegFormDlg& form) {
        QStringList lines;
        for (int i = 0; i < form.ERegListBox->count(); ++i) {
            if (form.ERegListBox->item(i)->isSelected()) {
                lines << form.ERegListBox->item(i)->text();
            }
        }
        return lines;
    }

    static void Select(TERegFormDlg& form, const QStringList& lines) {
        form.ERegListBox->clearSelection();
        for (const QString& line : lines) {
            const auto found = form.ERegListBox->findItems(line, Qt::MatchExactly);
            QVERIFY(found.size() == 1);
            found[0]->setSelected(true);
        }
    }

    // The record number the district key leads to; 0 when none.
    static std::int32_t KeyOf(std::string_view number) {
        const std::int32_t rc = storage::FindKey(ol::Ol().districtFile, 1, ol::DistrictKey(number));
        return storage::IsamSucceeded() ? rc : 0;
    }

    static QString Status(const TERegFormDlg& form) { return form.StatusBar1->currentMessage(); }

    oltoma::testing::RecordingSound sound;
    oltoma::testing::RecordingCursors cursors;
    std::unique_ptr<oltoma::testing::BoundServices> bound;

private slots:
    void init() {
        WindowScale = 100;
        sound.beeps.clear();
        bound = std::make_unique<oltoma::testing::BoundServices>(
            platform::Services{.sound = &sound, .cursors = &cursors});
        ol::testing::StartDataLayer(QTest::currentTestFunction());
    }
    void cleanup() {
        ol::testing::StopDataLayer();
        bound.reset();
    }

    void listsTheRegisterInTheOrderOfItsUpperCasedLines() {
        AddDistrict("01", "B");
        AddDistrict("02", "a");
        AddDistrict("03", "Ä");
        AddDistrict("04", "b");
        ScriptedRegister form(nullptr);
        // Upper-cased and compared as keys: A, B, B, Ä; equal ones by their
        // bytes ("B" before "b"). The desktop's language order plays no part.
        QCOMPARE(Lines(form), QStringList({"a 02", "B 01", "b 04", "Ä 03"}));
        QCOMPARE(form.LineRec(0), KeyOf("02"));
        QCOMPARE(form.windowTitle(), QString("register"));
        QCOMPARE(form.ERegListBox->selectionMode(), QAbstractItemView::ExtendedSelection);
        QCOMPARE(CursorDepth(), 0);
    }

    void addingStoresTheRecordAndSelectsOnlyItsLine() {
        AddDistrict("01", "Mitt");
        AddDistrict("02", "Syd");
        ScriptedRegister form(nullptr);
        form.dialog = [](bool add) {
            if (!add) {
                return 2;
            }
            ol::Ol().district.rec.Dnr = "03";
            ol::Ol().district.rec.Dname = "Norr";
            return 1;
        };
        Select(form, {"Mitt 01", "Syd 02"});
        form.newbtn->click();
        QCOMPARE(Lines(form), QStringList({"Mitt 01", "Norr 03", "Syd 02"}));
        QCOMPARE(SelectedLines(form), QStringList({"Norr 03"}));
        QCOMPARE(form.ERegListBox->currentRow(), 1);
        QVERIFY(KeyOf("03") != 0);
        QCOMPARE(form.LineRec(1), KeyOf("03"));
    }

    void aFullRegisterBeepsAndSaysSo() {
        ScriptedRegister form(nullptr, true);
        form.newbtn->click();
        QCOMPARE(form.dialogsRun, 0);
        QCOMPARE(sound.beeps, (std::vector<oltoma::testing::RecordingSound::Tone>{{440, 100}}));
        QCOMPARE(Status(form), QString("maxantalet uppnått kan ej addera registerpost!"));
    }

    void changingMovesTheLineAndKeepsTheOtherSelections() {
        const std::int32_t mitt = AddDistrict("01", "Mitt");
        AddDistrict("02", "Syd");
        AddDistrict("03", "Väst");
        ScriptedRegister form(nullptr);
        form.dialog = [](bool) {
            ol::Ol().district.rec.Dname = Windows1252FromUtf8("Öst");
            return 1;
        };
        Select(form, {"Mitt 01", "Väst 03"});
        form.changebtn->click();
        QVERIFY(!form.keyFoundDuringDialog);
        QCOMPARE(Lines(form), QStringList({"Syd 02", "Väst 03", "Öst 01"}));
        QCOMPARE(SelectedLines(form), QStringList({"Väst 03", "Öst 01"}));
        QCOMPARE(form.ERegListBox->currentRow(), 2);
        QCOMPARE(KeyOf("01"), mitt);
        QCOMPARE(form.LineRec(2), mitt);
    }

    void cancelKeepsRecordLineAndKey() {
        const std::int32_t mitt = AddDistrict("01", "Mitt");
        ScriptedRegister form(nullptr);
        form.dialog = [](bool) {
            ol::Ol().district.rec.Dname = "Annat";
            return 2;
        };
        Select(form, {"Mitt 01"});
        form.changebtn->click();
        QCOMPARE(form.dialogsRun, 1);
        QVERIFY(!form.keyFoundDuringDialog);
        QCOMPARE(KeyOf("01"), mitt);
        QCOMPARE(Lines(form), QStringList({"Mitt 01"}));
        ol::DistrRec stored;
        storage::GetRec(ol::Ol().districtFile, mitt, &stored);
        QCOMPARE(stored.Dname.str(), std::string("Mitt"));
    }

    void changeWithoutASelectedLineEditsNothing() {
        AddDistrict("01", "Mitt");
        ScriptedRegister form(nullptr);
        form.ERegListBox->setCurrentRow(0, QItemSelectionModel::NoUpdate);
        form.changebtn->click();
        QCOMPARE(form.dialogsRun, 0);
    }

    void deletingSeveralKeepsTheRefusedLineDeselected() {
        AddDistrict("01", "Mitt");
        const std::int32_t syd = AddDistrict("02", "Syd");
        AddDistrict("03", "Väst");
        AddDistrict("04", "Norr");
        ScriptedRegister form(nullptr);
        form.refused = {syd};
        // Deleted in list order: the refusal of Syd is the last message.
        Select(form, {"Mitt 01", "Norr 04", "Syd 02"});
        QCOMPARE(form.EraseEntry(), 0);
        QCOMPARE(Lines(form), QStringList({"Syd 02", "Väst 03"}));
        QVERIFY(SelectedLines(form).isEmpty());
        QCOMPARE(KeyOf("01"), 0);
        QCOMPARE(KeyOf("02"), syd);
        QCOMPARE(storage::UsedRecs(ol::Ol().districtFile), 2);
        QCOMPARE(Status(form), QString("nekad"));

        Select(form, {"Väst 03"});
        QCOMPARE(form.EraseEntry(), 1);
        QCOMPARE(Status(form), QString("Distriktet 03 \"Väst\", raderad...."));
        QCOMPARE(form.EraseEntry(), 2);  // nothing selected
    }

    void aFailedAddShowsNoLine() {
        AddDistrict("01", "Mitt");
        ScriptedRegister form(nullptr);
        form.failStores = 1;
        form.dialog = [](bool) {
            ol::Ol().district.rec.Dnr = "02";
            return 1;
        };
        form.newbtn->click();
        QCOMPARE(Lines(form), QStringList({"Mitt 01"}));
        QCOMPARE(storage::UsedRecs(ol::Ol().districtFile), 1);
        QCOMPARE(Status(form), QString("lagringsfel"));
    }

    void aFailedChangeStoresTheRecordAgainWithItsKey() {
        const std::int32_t mitt = AddDistrict("01", "Mitt");
        ScriptedRegister form(nullptr);
        for (const int ret : {1, 2}) {  // after OK and after Cancel
            form.failStores = 1;
            form.dialog = [ret](bool) {
                ol::Ol().district.rec.Dnr = "07";
                ol::Ol().district.rec.Dname = "Nytt";
                return ret;
            };
            Select(form, {"Mitt 01"});
            form.changebtn->click();
            QCOMPARE(KeyOf("01"), mitt);
            QCOMPARE(KeyOf("07"), 0);
            QCOMPARE(Lines(form), QStringList({"Mitt 01"}));
            QCOMPARE(Status(form), QString("lagringsfel"));
            SetMessageLine("");
            form.ShowRegMessage();
        }
        // The list and the index agree: a fresh register shows the same.
        ScriptedRegister again(nullptr);
        QCOMPARE(Lines(again), QStringList({"Mitt 01"}));
    }

    void keysThatCannotBeRemovedOpenNoDialog() {
        const std::int32_t mitt = AddDistrict("01", "Mitt");
        ScriptedRegister form(nullptr);
        form.failKeyRemoval = true;
        Select(form, {"Mitt 01"});
        form.changebtn->click();
        QCOMPARE(form.dialogsRun, 0);
        QCOMPARE(KeyOf("01"), mitt);
        QCOMPARE(Status(form), QString("nyckelfel"));
    }

    void anEmptyRegisterDoesNothingButRefreshTheStatusBar() {
        ScriptedRegister form(nullptr);
        oltoma::testing::RecordingPrint print;
        QCOMPARE(form.ERegListBox->count(), 0);
        SetMessageLine("meddelande");
        form.changebtn->click();
        QCOMPARE(Status(form), QString("meddelande"));
        SetMessageLine("igen");
        form.deletebtn->click();
        QCOMPARE(Status(form), QString("igen"));
        SetMessageLine("tredje");
        form.printbtn->click();
        QCOMPARE(Status(form), QString("tredje"));
        QCOMPARE(form.dialogsRun, 0);
        QVERIFY(print.printer.jobTitles().empty());
    }

    void aClickShowsTheCounts() {
        for (int i = 1; i <= 25; ++i) {
            AddDistrict(std::to_string(i), "D" + std::to_string(100 + i));
        }
        ScriptedRegister form(nullptr);
        for (const int row : {3, 7, 9}) {
            form.ERegListBox->item(row)->setSelected(true);
        }
        form.ERegListBoxClick();
        QCOMPARE(Status(form), QString("  25 [   3]"));
    }

    void printsTheSelectedLines() {
        AddDistrict("01", "Mitt");
        AddDistrict("02", "Syd");
        AddDistrict("03", "Väst");
        QWidget main;
        main.setWindowTitle("Huvud");
        oltoma::testing::RecordingPrint print;
        ScriptedRegister form(&main);
        Select(form, {"Mitt 01", "Väst 03"});
        form.printbtn->click();
        QCOMPARE(form.stopPrints, 1);
        QCOMPARE(print.printer.jobTitles(),
                 std::vector<std::string>{ProgramName.str() + ":Huvud: register"});
        QCOMPARE(print.printer.jobsEnded(), 1);
        std::vector<std::string> lines;
        for (const auto& [x, text] : print.Texts()) {
            if (text == "Mitt 01" || text == Windows1252FromUtf8("Väst 03")) {
                QCOMPARE(x, 120 + 5 * 20);  // left margin, 5 characters of 20
                lines.push_back(text);
            }
            QVERIFY(text != "Syd 02");
        }
        QCOMPARE(lines.size(), 2u);
        QCOMPARE(print.dialog.statuses.front(), std::make_pair(1, std::string("Huvud: register")));
    }

    void withoutAPrinterTheReportIsStillEnded() {
        AddDistrict("01", "Mitt");
        oltoma::testing::RecordingPrint print({{}, "", 2000, 2800, 240});
        ScriptedRegister form(nullptr);
        Select(form, {"Mitt 01"});
        form.printbtn->click();
        QCOMPARE(form.stopPrints, 1);
        QVERIFY(print.printer.calls().empty());
    }

    void atScale200TheListDoublesAndLinesAreNeverCut() {
        AddDistrict("01", "Mitt");
        WindowScale = 200;
        ScriptedRegister form(nullptr, false, 80);
        QCOMPARE(form.ERegListBox->font().pixelSize(), 26);
        QCOMPARE(form.ERegListBox->width(), 688);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QFontMetrics metrics(form.ERegListBox->font());
        QVERIFY(form.ERegListBox->viewport()->width() >= 40 * metrics.horizontalAdvance('X'));
        QCOMPARE(form.ERegListBox->textElideMode(), Qt::ElideNone);
        QVERIFY(!form.ERegListBox->wordWrap());
        QVERIFY(form.ERegListBox->horizontalScrollBar()->maximum() > 0);
    }
};

}  // namespace oltoma::registers

OLTOMA_QTEST_MAIN(oltoma::registers::ERegFormTest)

#include "eregform_test.moc"
