// The main window's menus and commands over real competition files made
// in its data directory.
#include "app/olmainform.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>
#include <filesystem>

#include "base/messages/messages.h"
#include "base/settings/settings_state.h"
#include "base/text/windows1252.h"
#include "designed_menu_bar.h"
#include "file_set_fixture.h"
#include "main_window_fixture.h"
#include "ol/data/maintenance/backup_copy.h"
#include "ol/forms/ban_reg.h"
#include "ol/forms/banbildform.h"
#include "ol/forms/distr_reg.h"
#include "ol/forms/info_dlg_form.h"
#include "ol/forms/kontr_form.h"
#include "ol/forms/kontr_reg.h"
#include "ol/forms/statistik_dlg.h"
#include "qtest_main.h"
#include "recording_print.h"
#include "scripted_pick_dialog.h"

namespace oltoma {

using testing::Child;
using testing::Message;
using testing::TestCompetition;
using testing::WhenShown;

namespace {

void Dump(const QList<QAction*>& actions, int depth, QString& out) {
    for (QAction* action : actions) {
        QString line = QString(2 * depth, ' ') + (action->isSeparator() ? "-" : action->text());
        if (!action->objectName().isEmpty()) {
            line += " #" + action->objectName();
        }
        if (action->isCheckable()) {
            line += " (o)";
        }
        if (!action->statusTip().isEmpty()) {
            line += " ?" + action->toolTip();
            if (action->statusTip() != action->toolTip()) {
                line += "|" + action->statusTip();
            }
        }
        out += line + "\n";
        if (action->menu() != nullptr) {
            Dump(action->menu()->actions(), depth + 1, out);
        }
    }
}

const char* const kCommonFileEntries[] = {
    "arkiv_change",    "arkiv_delete",     "arkiv_select", "arkiv_new", "importera1",
    "arkiv_exportera", "arkiv_indexbygg1", "register1",    "rapporter", "xregister"};

// The two competitions most tests use.
const TestCompetition kSpring{"Vårträffen", "OK Löparen"};
const TestCompetition kAutumn{"Höstträffen", "IFK"};

}  // namespace

class MainFormTest : public QObject {
    Q_OBJECT

private:
    static QAction* Entry(QWidget* form, const char* name) { return Child<QAction>(form, name); }
    static QAction* ChooseEntry(QWidget* form, int n) {
        return Entry(form, qPrintable(QString("arkiv_v0%1").arg(n - 1)));
    }
    static QAction* DeleteEntry(QWidget* form, int n) {
        return Entry(form, qPrintable(QString("arkiv_r0%1").arg(n - 1)));
    }
    static QString DataStatus(QWidget* form) {
        return testing::PanelText(form, "datastatusbar", 1);
    }
    // Both submenus show `captions` (entry i for competition i + 1); the live
    // ones are enabled, only `checked` (0: none) is checked.
    static void VerifyCompetitionMenus(QWidget* form, const QStringList& captions, int checked) {
        for (int n = 1; n <= 8; ++n) {
            const QString caption = n <= captions.size() ? captions[n - 1] : "vakant";
            const bool live = caption != "vakant" && caption != "raderad";
            for (QAction* entry : {ChooseEntry(form, n), DeleteEntry(form, n)}) {
                QCOMPARE(entry->text(), caption);
                QCOMPARE(entry->isEnabled(), live);
                QCOMPARE(entry->isChecked(), n == checked);
            }
        }
    }

private slots:
    void init() { testing::StartAfresh(); }

    void menuBarAsDesigned() {
        testing::MainWindowDoubles doubles;
        TMainForm form;
        QString dump;
        Dump(form.menuBar()->actions(), 0, dump);
        // The competition entries read "vakant" once the window has started.
        dump.replace(QRegularExpression("vakant (#arkiv_[vr]0(\\d))"), "0\\2 \\1");
        QCOMPARE(dump, QString::fromUtf8(testing::kDesignedMenuBar));
    }

    void noDataFilesDisableEverythingThatNeedsThem() {
        testing::MainWindowDoubles doubles;
        TMainForm form;
        VerifyCompetitionMenus(&form, {}, 0);
        for (const char* name : kCommonFileEntries) {
            QVERIFY2(!Entry(&form, name)->isEnabled(), name);
        }
        for (const char* name :
             {"arkiv_exp_klubbarna", "arkiv_exp_medlemmar", "arkiv_kopiera1", "arranger",
              "arkiv_exp_rutbeskrivnignarna", "arkiv_exp_kontrollerna", "arkiv_exp_banorna"}) {
            QVERIFY2(!Entry(&form, name)->isEnabled(), name);
        }
        for (const char* name : {"tbDistrikt", "tbKlubbar", "tbDeltagare", "tbKopiera"}) {
            QVERIFY2(!Child<QToolButton>(&form, name)->isEnabled(), name);
        }
        QVERIFY(Entry(&form, "arkiv_skapanya1")->isEnabled());
        QCOMPARE(DataStatus(&form), "<datafiler saknas>");
        QCOMPARE(Message(&form, 0), QString::fromUtf8("Datafiler saknas/ ej i aktuellt bibliotek"));
        QCOMPARE(form.menuBar()->actions().back()->objectName(), "xregister");
    }

    void enabledEntriesFollowTheFiles_data() {
        QTest::addColumn<int>("competition");  // chosen in "välj", 0 none
        QTest::addColumn<int>("records");      // live records of every file
        QTest::addColumn<QString>("status");
        QTest::newRow("register, no competition chosen")
            << 0 << 2 << QString::fromUtf8("<tävling ej vald/inmatad>");
        QTest::newRow("competition without records")
            << 1 << 0 << QString::fromUtf8("Vårträffen OK Löparen <inga tävlande inmatade>");
        QTest::newRow("competition with records") << 2 << 2 << QString::fromUtf8("Höstträffen IFK");
    }
    void enabledEntriesFollowTheFiles() {
        QFETCH(int, competition);
        QFETCH(int, records);
        QFETCH(QString, status);
        testing::MainWindowDoubles doubles;
        TMainForm form;
        TestCompetition autumn = kAutumn;
        autumn.participants = autumn.controls = autumn.courses = records;
        testing::MakeFileSet(form, {kSpring, autumn}, records);
        if (competition > 0) {
            ChooseEntry(&form, competition)->trigger();
        }
        QCOMPARE(DataStatus(&form), status);
        VerifyCompetitionMenus(&form, {QString::fromUtf8("Vårträffen"), "Höstträffen"},
                               competition);
        for (const char* name : kCommonFileEntries) {
            QVERIFY2(Entry(&form, name)->isEnabled(), name);
        }
        QVERIFY(Child<QToolButton>(&form, "tbKopiera")->isEnabled());
        const bool chosen = competition > 0;
        QCOMPARE(Entry(&form, "arkiv_kopiera1")->isEnabled(), chosen);
        QCOMPARE(Entry(&form, "arranger")->isEnabled(), chosen);
        QCOMPARE(Child<QToolButton>(&form, "tbDeltagare")->isEnabled(), chosen);
        // Clubs and route descriptions count without a competition.
        QCOMPARE(Entry(&form, "arkiv_exp_klubbarna")->isEnabled(), records > 0);
        QCOMPARE(Entry(&form, "arkiv_exp_rutbeskrivnignarna")->isEnabled(), records > 0);
        for (const char* name :
             {"arkiv_exp_medlemmar", "arkiv_exp_kontrollerna", "arkiv_exp_banorna"}) {
            QCOMPARE(Entry(&form, name)->isEnabled(), chosen && records > 0);
        }
        QVERIFY(ol::Ol().ParticipantFilesOpen == chosen);
        QVERIFY(!ol::Ol().DefinitionFilesOpen);
    }

    void choosingAndRemovingThroughTheMenus() {
        testing::MainWindowDoubles doubles;
        TMainForm form;
        testing::MakeFileSet(form, {kSpring, kAutumn, {"Natt & dag", ""}});
        ChooseEntry(&form, 3)->trigger();
        QCOMPARE(WorkingGlobalSettings().currentNumber, 3);
        QCOMPARE(DataStatus(&form), QString::fromUtf8("Natt & dag  <inga tävlande inmatade>"));
        const QString spring = QString::fromUtf8("Vårträffen");
        VerifyCompetitionMenus(&form, {spring, "Höstträffen", "Natt && dag"}, 3);

        // Another competition goes; the chosen one stays.
        DeleteEntry(&form, 2)->trigger();
        QCOMPARE(doubles.boxes.shown.size(), 1u);
        QCOMPARE(doubles.boxes.shown[0].caption, std::string("??"));
        QCOMPARE(doubles.boxes.shown[0].text, std::string("OlDataBas: H\xF6sttr\xE4"
                                                          "ffen raderas "));
        VerifyCompetitionMenus(&form, {spring, "raderad", "Natt && dag"}, 3);
        QCOMPARE(WorkingGlobalSettings().currentNumber, 3);
        QVERIFY(!std::filesystem::exists(testing::DefaultDataDirectory() / "KLASS02.DAT"));
        QVERIFY(!std::filesystem::exists(testing::DefaultDataDirectory() / "CLUBS02.Dat"));
        QVERIFY(std::filesystem::exists(testing::DefaultDataDirectory() / "KLASS03.DAT"));
        QCOMPARE(Message(&form, 0), "\"KLASS02\" \"CLUBS02\" \"OL02\" \"TRACK02\" \"KONTR02\" ");

        // Declining keeps the chosen one, even when it is the one offered.
        doubles.boxes.answers = {platform::MessageResult::No};
        DeleteEntry(&form, 3)->trigger();
        VerifyCompetitionMenus(&form, {spring, "raderad", "Natt && dag"}, 3);
        QCOMPARE(DataStatus(&form), QString::fromUtf8("Natt & dag  <inga tävlande inmatade>"));

        DeleteEntry(&form, 3)->trigger();
        VerifyCompetitionMenus(&form, {spring, "raderad", "raderad"}, 0);
        QCOMPARE(WorkingGlobalSettings().currentNumber, 0);
        QCOMPARE(DataStatus(&form), QString::fromUtf8("<tävling ej vald/inmatad>"));
        QVERIFY(!Entry(&form, "arranger")->isEnabled());

        // With none chosen there is nothing to change.
        QVERIFY(!testing::OpensADialog([&form] { Entry(&form, "arkiv_change")->trigger(); }));
        QCOMPARE(Message(&form, 0), QString::fromUtf8("<tävling ej vald/inmatad>"));
        QCOMPARE(doubles.sound.beeps.size(), 1u);

        // A deleted slot is reused by the next competition.
        QCOMPARE(testing::AddCompetition({"Ny", "OK Ny"}), 3);
        form.UpdateMenus(0);
        VerifyCompetitionMenus(&form, {spring, "raderad", "Ny"}, 3);
        QCOMPARE(DataStatus(&form), QString::fromUtf8("Ny OK Ny <inga tävlande inmatade>"));
    }

    void newAndChangeRunTheCompetitionDialog() {
        testing::MainWindowDoubles doubles;
        TMainForm form;
        testing::MakeFileSet(form, {});
        WhenShown<ol::TInfoDlgForm>([](ol::TInfoDlgForm* dialog) {
            QVERIFY(dialog->adding());
            dialog->edTvl->setText(QString::fromUtf8("Vårträffen"));
            dialog->edArr->setText(QString::fromUtf8("OK Löparen"));
            dialog->edPostgiro->setText("12 34 56-7");
            dialog->okButton->click();
        });
        Entry(&form, "arkiv_new")->trigger();
        VerifyCompetitionMenus(&form, {QString::fromUtf8("Vårträffen")}, 1);
        QCOMPARE(DataStatus(&form),
                 QString::fromUtf8("Vårträffen OK Löparen <inga tävlande inmatade>"));
        QVERIFY(Entry(&form, "arranger")->isEnabled());

        WhenShown<ol::TInfoDlgForm>([](ol::TInfoDlgForm* dialog) {
            QVERIFY(!dialog->adding());
            QCOMPARE(dialog->edTvl->text(), QString::fromUtf8("Vårträffen"));
            dialog->edTvl->setText(QString::fromUtf8("Vårträffen & Co"));
            dialog->okButton->click();
        });
        Entry(&form, "arkiv_change")->trigger();
        VerifyCompetitionMenus(&form, {QString::fromUtf8("Vårträffen && Co")}, 1);

        // A new one starts without the chosen one's giro; cancelling it
        // brings back the chosen one.
        WhenShown<ol::TInfoDlgForm>([](ol::TInfoDlgForm* dialog) {
            QCOMPARE(dialog->edPostgiro->text(), QString());
            dialog->cancelButton->click();
        });
        Entry(&form, "arkiv_new")->trigger();
        VerifyCompetitionMenus(&form, {QString::fromUtf8("Vårträffen && Co")}, 1);
        QCOMPARE(DataStatus(&form),
                 QString::fromUtf8("Vårträffen & Co OK Löparen <inga tävlande inmatade>"));
        QCOMPARE(ol::Ol().clubTable.Text1, "12 34 56-7");
    }

    void newCompetitionStopsAtEight() {
        testing::MainWindowDoubles doubles;
        TMainForm form;
        testing::MakeFileSet(form, {{"T1", ""},
                                    {"T2", ""},
                                    {"T3", ""},
                                    {"T4", ""},
                                    {"T5", ""},
                                    {"T6", ""},
                                    {"T7", ""},
                                    {"T8", ""}});
        QVERIFY(!testing::OpensADialog([&form] { Entry(&form, "arkiv_new")->trigger(); }));
        QCOMPARE(Message(&form, 0), QString::fromUtf8("Max antal tävlingar uppnått!"));
        QCOMPARE(doubles.sound.beeps, (std::vector<testing::RecordingSound::Tone>{{440, 100}}));

        // Changing one is not limited.
        ChooseEntry(&form, 8)->trigger();
        bool changed = false;
        WhenShown<ol::TInfoDlgForm>([&changed](ol::TInfoDlgForm* dialog) {
            changed = !dialog->adding();
            dialog->okButton->click();
        });
        Entry(&form, "arkiv_change")->trigger();
        QVERIFY(changed);
        QCOMPARE(doubles.sound.beeps.size(), 1u);
    }

    void definitionCommandsLendTheDefinitionFiles() {
        testing::MainWindowDoubles doubles;
        TMainForm form;
        TestCompetition spring = kSpring;
        spring.controls = 2;
        spring.courses = 1;
        testing::MakeFileSet(form, {spring});
        ChooseEntry(&form, 1)->trigger();
        SetMessageLine("");
        form.RefreshStatusLine();

        QString shown;
        WhenShown<ol::TOlStatistikDlg>([&shown](ol::TOlStatistikDlg* dialog) {
            shown = dialog->meStatistik->toPlainText();
            dialog->accept();
        });
        Entry(&form, "hjalp_statistik")->trigger();
        QVERIFY2(shown.contains("kontroller:     2") && shown.contains("banor:     1"),
                 qPrintable(shown));
        for (const char* entry : {"register_kontroller", "register_banor",
                                  "definitioner_kontroller", "definitioner_banor"}) {
            testing::OpensADialog([&] { Entry(&form, entry)->trigger(); });
            QVERIFY2(ol::Ol().ParticipantFilesOpen && !ol::Ol().DefinitionFilesOpen, entry);
        }
        form.RefreshStatusLine();
        QVERIFY(Message(&form, 0) != QString::fromUtf8("Filerna inte öppna"));

        std::filesystem::remove(testing::DefaultDataDirectory() / "KONTR01.DAT");
        Entry(&form, "register_kontroller")->trigger();
        QCOMPARE(Message(&form, 0), QString::fromUtf8("Filerna inte öppna"));
        QVERIFY(ol::Ol().ParticipantFilesOpen);

        WhenShown<ol::TOlStatistikDlg>([&shown](ol::TOlStatistikDlg* dialog) {
            shown = dialog->meStatistik->toPlainText();
            dialog->accept();
        });
        Entry(&form, "hjalp_statistik")->trigger();
        QCOMPARE(shown, QString());
        QVERIFY(ol::Ol().ParticipantFilesOpen);
    }

    void reportEntriesPrintThroughTheirPicks() {
        testing::MainWindowDoubles doubles;
        testing::RecordingPrint print;
        testing::ScriptedPickDialog picks;
        testing::PickDialogBinding boundPicks(&picks);
        picks.answer = [](const registers::PickDialogRequest& request) {
            registers::PickDialogAnswer answer{.ok = true};
            for (std::size_t i = 0; i < request.lines.size(); ++i) {
                answer.selected.push_back(static_cast<int>(i));
            }
            return answer;
        };
        TMainForm form;
        TestCompetition spring = kSpring;
        spring.controls = 2;
        spring.courses = 1;
        testing::MakeFileSet(form, {spring}, 1);
        ChooseEntry(&form, 1)->trigger();
        ol::ClearClass();
        ol::Ol().klass.rec.Bet = "H21";
        ol::Ol().klass.rec.Bana[0] = "A";
        std::int32_t rc = 0;
        QVERIFY(ol::SaveClass(true, rc));

        struct Case {
            const char* entry;
            const char* jobTitle;
        };
        for (const Case c : {Case{"definitioner_kontroller", "OltomaW64:kontroller"},
                             Case{"definitioner_banorklass", "OltomaW64:banor"},
                             Case{"definitioner_kodbanaklass", "OltomaW64:kodbanaklass"},
                             Case{"definitioner_banor", "OltomaW64:banor"},
                             Case{"arranger_klasslista", "OltomaW64:klasser"},
                             Case{"rutbeskrivning_sammanstallning", "OltomaW64:rutbeskr"},
                             Case{"rutbeskrivning_data", "OltomaW64:rutbeskr"},
                             Case{"rutbeskrivning_blankett", "OltomaW64:rutbeskr"}}) {
            const std::size_t jobs = print.printer.jobTitles().size();
            Entry(&form, c.entry)->trigger();
            QVERIFY2(print.printer.jobTitles().size() == jobs + 1, c.entry);
            QCOMPARE(print.printer.jobTitles().back(), std::string(c.jobTitle));
            QVERIFY2(ol::Ol().ParticipantFilesOpen && !ol::Ol().DefinitionFilesOpen, c.entry);
        }

        // The course view runs inside the definition files and opens the
        // picture of the chosen course; closing it asks where to save.
        bool definitionFilesOpen = false;
        WhenShown<ol::TbanImgForm>([&definitionFilesOpen](ol::TbanImgForm* picture) {
            definitionFilesOpen = ol::Ol().DefinitionFilesOpen;
            QVERIFY(picture->windowTitle().startsWith("A "));
            WhenShown<QFileDialog>([](QFileDialog* save) {
                QCOMPARE(save->windowTitle(), QString("spara bana"));
                QCOMPARE(save->defaultSuffix(), QString("jpg"));
                save->reject();
            });
            picture->reject();
        });
        Entry(&form, "visningar_banor")->trigger();
        QVERIFY(definitionFilesOpen);
        QCOMPARE(picks.requests.back().title, std::string("V\xe4lj bana"));
        QVERIFY(!picks.requests.back().multi && !picks.requests.back().offerPdf);
        QCOMPARE(Message(&form, 0), QString("Bana:A"));
        QVERIFY(ol::Ol().ParticipantFilesOpen);
    }

    void registerEntriesOpenTheirRegisters() {
        testing::MainWindowDoubles doubles;
        TMainForm form;
        testing::MakeFileSet(form, {kSpring});
        // The districts need a competition.
        QVERIFY(!testing::OpensADialog([&] { Entry(&form, "register_distrikt")->trigger(); }));
        ChooseEntry(&form, 1)->trigger();
        for (const char* entry : {"register_distrikt", "tbDistrikt"}) {
            bool shown = false;
            WhenShown<ol::TDistrRegForm>([&shown](ol::TDistrRegForm* dialog) {
                shown = true;
                dialog->closebtn->click();
            });
            if (QString(entry).startsWith("tb")) {
                Child<QToolButton>(&form, entry)->click();
            } else {
                Entry(&form, entry)->trigger();
            }
            QVERIFY2(shown, entry);
        }

        // A control added in its register enables the control export.
        QVERIFY(!Entry(&form, "arkiv_exp_kontrollerna")->isEnabled());
        bool definitionFilesOpen = false;
        WhenShown<ol::TKontrRegForm>([&](ol::TKontrRegForm* dialog) {
            definitionFilesOpen = ol::Ol().DefinitionFilesOpen;
            WhenShown<ol::TKontrForm>([](ol::TKontrForm* edit) {
                edit->edKodNr->setText("31");
                edit->okButton->click();
            });
            dialog->newbtn->click();
            dialog->closebtn->click();
        });
        Entry(&form, "register_kontroller")->trigger();
        QVERIFY(definitionFilesOpen);
        QVERIFY(Entry(&form, "arkiv_exp_kontrollerna")->isEnabled());

        bool shown = false;
        WhenShown<ol::TBanRegForm>([&](ol::TBanRegForm* dialog) {
            shown = ol::Ol().DefinitionFilesOpen;
            dialog->closebtn->click();
        });
        Entry(&form, "register_banor")->trigger();
        QVERIFY(shown);
        QVERIFY(ol::Ol().ParticipantFilesOpen && !ol::Ol().DefinitionFilesOpen);
    }

    void deletingAllParticipantsEmptiesTheCompetition() {
        testing::MainWindowDoubles doubles;
        TMainForm form;
        TestCompetition spring = kSpring;
        spring.participants = 3;
        testing::MakeFileSet(form, {spring});
        ChooseEntry(&form, 1)->trigger();
        QCOMPARE(DataStatus(&form), QString::fromUtf8("Vårträffen OK Löparen"));
        QVERIFY(Entry(&form, "arkiv_exp_medlemmar")->isEnabled());

        doubles.boxes.answers = {platform::MessageResult::No};
        Entry(&form, "arkiv_raderaallamedl")->trigger();
        QCOMPARE(DataStatus(&form), QString::fromUtf8("Vårträffen OK Löparen"));

        Entry(&form, "arkiv_raderaallamedl")->trigger();
        QCOMPARE(doubles.boxes.shown.size(), 2u);
        QCOMPARE(doubles.boxes.shown[1].text,
                 std::string("Alla Persondata kommer att raderas Ok!"));
        QCOMPARE(DataStatus(&form),
                 QString::fromUtf8("Vårträffen OK Löparen <inga tävlande inmatade>"));
        QVERIFY(!Entry(&form, "arkiv_exp_medlemmar")->isEnabled());
        QCOMPARE(doubles.progress.windows.size(), 1u);
    }

    void dataDirectoryClosesAndOpensTheFileSet() {
        testing::MainWindowDoubles doubles;
        testing::FolderScriptedForm form;
        testing::MakeFileSet(form, {kSpring});
        ChooseEntry(&form, 1)->trigger();
        const std::filesystem::path empty = testing::DefaultDataDirectory().parent_path() / "tom";
        std::filesystem::create_directories(empty);

        form.answer = QString::fromStdString(empty.string());
        Child<QPushButton>(&form, "buttonDataLib")->click();
        QCOMPARE(DataStatus(&form), "<datafiler saknas>");
        VerifyCompetitionMenus(&form, {}, 0);
        QVERIFY(!ol::Ol().CommonFilesOpen);

        form.answer = QString::fromStdString(testing::DefaultDataDirectory().string());
        Child<QPushButton>(&form, "buttonDataLib")->click();
        QCOMPARE(DataStatus(&form), QString::fromUtf8("<tävling ej vald/inmatad>"));
        VerifyCompetitionMenus(&form, {QString::fromUtf8("Vårträffen")}, 0);
        QCOMPARE(Message(&form, 0), QString::fromUtf8("Filerna öppna...."));
    }

    // "datadir" then Cancel, or the same folder again, changes nothing.
    void sameDataDirectoryKeepsTheChosenCompetition_data() {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("cancel") << true;
        QTest::newRow("the same folder") << false;
    }
    void sameDataDirectoryKeepsTheChosenCompetition() {
        QFETCH(bool, cancel);
        testing::MainWindowDoubles doubles;
        testing::FolderScriptedForm form;
        testing::MakeFileSet(form, {kSpring});
        ChooseEntry(&form, 1)->trigger();
        form.answer =
            cancel ? QString() : QString::fromStdString(testing::DefaultDataDirectory().string());
        Child<QPushButton>(&form, "buttonDataLib")->click();
        QVERIFY(ol::Ol().ParticipantFilesOpen);
        VerifyCompetitionMenus(&form, {QString::fromUtf8("Vårträffen")}, 1);
        QCOMPARE(DataStatus(&form),
                 QString::fromUtf8("Vårträffen OK Löparen <inga tävlande inmatade>"));
        QVERIFY(Child<QToolButton>(&form, "tbDeltagare")->isEnabled());
    }

    // A command that closes and reopens the files shows afterwards whether
    // they reopened: with the data folder gone, nothing stays enabled.
    void aFailedReopenDisablesWhatNeedsTheFiles_data() {
        QTest::addColumn<QString>("entry");
        QTest::newRow("indexbygg") << "arkiv_indexbygg1";
        QTest::newRow("säkerhetskopiera") << "arkiv_kopiera1";
    }
    void aFailedReopenDisablesWhatNeedsTheFiles() {
        QFETCH(QString, entry);
        testing::MainWindowDoubles doubles;
        TMainForm form;
        testing::MakeFileSet(form, {kSpring});
        ChooseEntry(&form, 1)->trigger();
        const std::filesystem::path target =
            testing::DefaultDataDirectory().parent_path() / "kopia";
        std::filesystem::create_directories(target);
        ol::BindBackupFolderPrompt(
            [&](std::string_view, std::string_view) { return target.string(); });
        const std::filesystem::path moved = testing::DefaultDataDirectory().parent_path() / "bort";
        std::filesystem::rename(testing::DefaultDataDirectory(), moved);

        Entry(&form, qPrintable(entry))->trigger();
        QVERIFY(!ol::Ol().CommonFilesOpen);
        QCOMPARE(DataStatus(&form), "<datafiler saknas>");
        for (const char* name : {"register1", "arkiv_change", "arkiv_indexbygg1", "rapporter"}) {
            QVERIFY2(!Entry(&form, name)->isEnabled(), name);
        }
        QVERIFY(!Child<QToolButton>(&form, "tbKopiera")->isEnabled());
        QVERIFY(!Child<QToolButton>(&form, "tbDeltagare")->isEnabled());
        std::filesystem::rename(moved, testing::DefaultDataDirectory());
    }

    // "&ändra" with the data folder gone: the info box says the competition
    // was not stored and why, not an older status text.
    void aCompetitionThatCannotBeStoredSaysWhy() {
        testing::MainWindowDoubles doubles;
        TMainForm form;
        testing::MakeFileSet(form, {kSpring});
        ChooseEntry(&form, 1)->trigger();
        const std::filesystem::path moved = testing::DefaultDataDirectory().parent_path() / "bort";
        std::filesystem::rename(testing::DefaultDataDirectory(), moved);
        SetMessageLine("Filerna \xF6ppna....");
        WhenShown<ol::TInfoDlgForm>([](ol::TInfoDlgForm* dialog) {
            dialog->okButton->click();
            QVERIFY(dialog->isVisible());  // the user may still cancel
            dialog->cancelButton->click();
        });
        Entry(&form, "arkiv_change")->trigger();
        QVERIFY(!doubles.boxes.shown.empty());
        const std::string shown = Utf8FromWindows1252(doubles.boxes.shown.front().text);
        QCOMPARE(doubles.boxes.shown.front().caption, std::string("info"));
        QVERIFY2(shown.starts_with("Tävlingen sparades inte: OLTOMA: Btree: "), shown.c_str());
        std::filesystem::rename(moved, testing::DefaultDataDirectory());
    }

    void fileMaintenanceRunsFromTheMenus() {
        testing::MainWindowDoubles doubles;
        TMainForm form;
        QCOMPARE(DataStatus(&form), "<datafiler saknas>");

        // "skapa nya" on an empty register creates the files without asking;
        // only the shipped symbol library is offered (declined here).
        doubles.boxes.answers = {platform::MessageResult::No};
        Entry(&form, "arkiv_skapanya1")->trigger();
        QCOMPARE(doubles.boxes.shown.size(), 1u);
        QVERIFY(doubles.boxes.shown[0].text.starts_with("Rutbeskrivningsregistret"));
        doubles.boxes.shown.clear();
        QCOMPARE(DataStatus(&form), QString::fromUtf8("<tävling ej vald/inmatad>"));

        TestCompetition spring = kSpring;
        spring.participants = 2;
        testing::MakeFileSet(form, {spring});
        ChooseEntry(&form, 1)->trigger();

        // The backup copies into the folder the dialog answers; "kopi" too.
        const std::filesystem::path target =
            testing::DefaultDataDirectory().parent_path() / "kopia";
        std::filesystem::create_directories(target);
        ol::BindBackupFolderPrompt(
            [&](std::string_view, std::string_view) { return target.string(); });
        Child<QToolButton>(&form, "tbKopiera")->click();
        QVERIFY(std::filesystem::exists(target / "OLTOMA.DAT"));
        QVERIFY(std::filesystem::exists(target / "KLASS01.IX"));
        QVERIFY(std::filesystem::exists(target / "CLUBS01.Dat"));
        QVERIFY(doubles.boxes.shown.back().text.ends_with(" ..lyckad kopiering!!"));

        Entry(&form, "arkiv_indexbygg1")->trigger();
        QCOMPARE(DataStatus(&form), QString::fromUtf8("Vårträffen OK Löparen"));

        // With a competition in the register "skapa nya" asks first.
        const std::size_t shown = doubles.boxes.shown.size();
        doubles.boxes.answers = {platform::MessageResult::No};
        Entry(&form, "arkiv_skapanya1")->trigger();
        QCOMPARE(doubles.boxes.shown.size(), shown + 1);
        QCOMPARE(doubles.boxes.shown.back().caption, std::string("??"));
        QCOMPARE(DataStatus(&form), QString::fromUtf8("Vårträffen OK Löparen"));
    }

    // A competition whose participant files are missing can still be backed
    // up from the menu: the files it has are copied.
    void backupOfACompetitionWithMissingFiles() {
        testing::MainWindowDoubles doubles;
        TMainForm form;
        testing::MakeFileSet(form, {kSpring});
        const std::filesystem::path data = testing::DefaultDataDirectory();
        for (const char* name : {"OL01.DAT", "OL01.IX"}) {
            std::filesystem::remove(data / name);
        }
        ChooseEntry(&form, 1)->trigger();
        QVERIFY(Entry(&form, "arkiv_kopiera1")->isEnabled());
        const std::filesystem::path target = data.parent_path() / "kopia-utan-deltagare";
        std::filesystem::create_directories(target);
        ol::BindBackupFolderPrompt(
            [&](std::string_view, std::string_view) { return target.string(); });
        Entry(&form, "arkiv_kopiera1")->trigger();
        ol::BindBackupFolderPrompt(nullptr);
        QVERIFY(doubles.boxes.shown.back().text.ends_with(" ..lyckad kopiering!!"));
        QVERIFY(std::filesystem::exists(target / "KLASS01.DAT"));
        QVERIFY(!std::filesystem::exists(target / "OL01.DAT"));
    }

    void infoLeavesTheRecordLengths() {
        testing::MainWindowDoubles doubles;
        TMainForm form;
        QVERIFY(
            testing::OpensADialog([&form] { Child<QPushButton>(&form, "infobutton")->click(); }));
        QCOMPARE(Message(&form, 0), "1=2364 2= 32 3=548 4=2348");
    }

    void everyEntryRunsWithoutHarm() {
        testing::MainWindowDoubles doubles;
        TMainForm form;
        testing::ShowAndWait(form);
        TestCompetition spring = kSpring;
        spring.participants = 4;
        testing::MakeFileSet(form, {spring});
        ChooseEntry(&form, 1)->trigger();
        const QString status = DataStatus(&form);
        const QString newest = Message(&form, 0);
        // Entries that ask or open a dialog have tests of their own.
        const QStringList asking = {"arkiv_new",       "arkiv_change",      "arkiv_raderaallamedl",
                                    "hjalp_statistik", "arkiv_kopiera1",    "arkiv_indexbygg1",
                                    "arkiv_skapanya1", "register_distrikt", "register_kontroller",
                                    "register_banor",  "plusgiroMenu",      "postgiroMenu",
                                    "bankgiroMenu",    "etikettMenu",       "arkiv_importera"};
        QStringList withoutCommand;
        for (QAction* action : form.findChildren<QAction*>()) {
            const QString name = action->objectName();
            if (action->menu() != nullptr || action->isSeparator() || asking.contains(name) ||
                name.startsWith("arkiv_r") || name.startsWith("arkiv_v")) {
                continue;
            }
            action->trigger();
            if (name.isEmpty()) {
                withoutCommand << action->text();
            }
        }
        QVERIFY(withoutCommand.contains("avsluta"));
        QVERIFY(withoutCommand.contains(QString::fromUtf8("inställningar")));
        QVERIFY(form.isVisible());
        QCOMPARE(DataStatus(&form), status);
        QCOMPARE(Message(&form, 0), newest);
        QVERIFY(ol::Ol().ParticipantFilesOpen);
        QCOMPARE(doubles.shell.opened.size(), 1u);  // "kom igång"
        QVERIFY(doubles.shell.opened[0].ends_with("oltoma.pdf"));
        QVERIFY(doubles.boxes.shown.empty());
    }

    void theChosenCompetitionOpensAtTheNextStart() {
        testing::MainWindowDoubles doubles;
        {
            TMainForm form;
            testing::MakeFileSet(form, {kSpring, kAutumn});
            ChooseEntry(&form, 2)->trigger();
        }
        QVERIFY(!ol::Ol().started);
        QVERIFY(!ol::Ol().CommonFilesOpen && !ol::Ol().ParticipantFilesOpen);
        TMainForm again;
        QCOMPARE(DataStatus(&again), QString::fromUtf8("Höstträffen IFK <inga tävlande inmatade>"));
        VerifyCompetitionMenus(&again, {QString::fromUtf8("Vårträffen"), "Höstträffen"}, 2);
    }

    void captionNamesVersionAndBuild() {
        testing::MainWindowDoubles doubles;
        TMainForm form;
        QVERIFY(form.windowTitle().startsWith("OltomaW64 240302 10.00 "));
        QVERIFY(form.windowTitle().size() <= 74);
    }
};

}  // namespace oltoma

OLTOMA_QTEST_MAIN(oltoma::MainFormTest)
#include "olmainform_test.moc"
