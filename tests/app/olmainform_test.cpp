// The main window's menus and commands over a competition file set the test
// describes.
#include "app/olmainform.h"

#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>

#include "app/competition_files.h"
#include "base/settings_state.h"
#include "designed_menu_bar.h"
#include "fake_competition_files.h"
#include "main_window_fixture.h"
#include "qtest_main.h"

namespace oltoma {

using testing::Child;
using testing::FakeCompetitionFiles;
using testing::Message;

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

}  // namespace

class MainFormTest : public QObject {
    Q_OBJECT

private:
    static QAction* Entry(QWidget* form, const char* name) { return Child<QAction>(form, name); }
    static QString DataStatus(QWidget* form) {
        return testing::PanelText(form, "datastatusbar", 1);
    }
    // A register with competitions 1 "Vårträffen" (organiser "OK Löparen")
    // and 2 "Höstträffen".
    static void TwoCompetitions(FakeCompetitionFiles& files) {
        files.registerPresent = true;
        files.AddCompetition(1,
                             "V\xE5rtr\xE4"
                             "ffen",
                             "OK L\xF6paren");
        files.AddCompetition(2,
                             "H\xF6sttr\xE4"
                             "ffen",
                             "IFK");
    }

private slots:
    void init() { testing::StartAfresh(); }

    void menuBarAsDesigned() {
        testing::MainWindowDoubles doubles;
        NoCompetitionFiles files;
        TMainForm form(files);
        QString dump;
        Dump(form.menuBar()->actions(), 0, dump);
        // The competition entries read "vakant" once the window has started.
        dump.replace(QRegularExpression("vakant (#arkiv_[vr]0(\\d))"), "0\\2 \\1");
        QCOMPARE(dump, QString::fromUtf8(testing::kDesignedMenuBar));
    }

    void noDataFilesDisableEverythingThatNeedsThem() {
        testing::MainWindowDoubles doubles;
        NoCompetitionFiles files;
        TMainForm form(files);
        for (const char* prefix : {"arkiv_v0", "arkiv_r0"}) {
            for (int i = 0; i < 8; ++i) {
                QAction* entry = Entry(&form, qPrintable(prefix + QString::number(i)));
                QCOMPARE(entry->text(), "vakant");
                QVERIFY(!entry->isEnabled());
            }
        }
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
        QCOMPARE(form.menuBar()->actions().back()->objectName(), "xregister");
    }

    void enabledEntriesFollowTheFiles_data() {
        QTest::addColumn<int>("competition");  // chosen in "välj"
        QTest::addColumn<int>("records");      // live records of every file
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("participantsOpen");
        QTest::addColumn<bool>("recordsPresent");
        QTest::newRow("register, no competition chosen")
            << 0 << 5 << QString::fromUtf8("<tävling ej vald/inmatad>") << false << false;
        QTest::newRow("competition without records")
            << 1 << 0 << QString::fromUtf8("Vårträffen OK Löparen <inga tävlande inmatade>") << true
            << false;
        QTest::newRow("competition with records")
            << 2 << 3 << QString::fromUtf8("Höstträffen IFK") << true << true;
    }
    void enabledEntriesFollowTheFiles() {
        QFETCH(int, competition);
        QFETCH(int, records);
        QFETCH(QString, status);
        QFETCH(bool, participantsOpen);
        QFETCH(bool, recordsPresent);
        testing::MainWindowDoubles doubles;
        FakeCompetitionFiles files;
        TwoCompetitions(files);
        for (CountedFile file :
             {CountedFile::Clubs, CountedFile::RouteDescriptions, CountedFile::Participants,
              CountedFile::Courses, CountedFile::Controls}) {
            files.live[file] = records;
        }
        TMainForm form(files);
        if (competition > 0) {
            Entry(&form, qPrintable(QString("arkiv_v0%1").arg(competition - 1)))->trigger();
        }
        QCOMPARE(DataStatus(&form), status);
        for (const char* name : kCommonFileEntries) {
            QVERIFY2(Entry(&form, name)->isEnabled(), name);
        }
        QVERIFY(Child<QToolButton>(&form, "tbKopiera")->isEnabled());
        QCOMPARE(Entry(&form, "arkiv_kopiera1")->isEnabled(), participantsOpen);
        QCOMPARE(Entry(&form, "arranger")->isEnabled(), participantsOpen);
        QCOMPARE(Child<QToolButton>(&form, "tbDeltagare")->isEnabled(), participantsOpen);
        // Clubs and route descriptions count without a competition.
        QCOMPARE(Entry(&form, "arkiv_exp_klubbarna")->isEnabled(), records > 0);
        QCOMPARE(Entry(&form, "arkiv_exp_rutbeskrivnignarna")->isEnabled(), records > 0);
        for (const char* name :
             {"arkiv_exp_medlemmar", "arkiv_exp_kontrollerna", "arkiv_exp_banorna"}) {
            QCOMPARE(Entry(&form, name)->isEnabled(), recordsPresent);
        }
    }

    void competitionMenusShowTheRegister() {
        testing::MainWindowDoubles doubles;
        FakeCompetitionFiles files;
        TwoCompetitions(files);
        files.entries[1].state = CompetitionState::Deleted;
        files.AddCompetition(3, "Natt & dag");
        TMainForm form(files);
        Entry(&form, "arkiv_v02")->trigger();
        QCOMPARE(WorkingGlobalSettings().currentNumber, 3);
        QCOMPARE(DataStatus(&form), "Natt & dag  <inga tävlande inmatade>");
        const QStringList captions = {QString::fromUtf8("Vårträffen"),
                                      "raderad",
                                      "Natt && dag",
                                      "vakant",
                                      "vakant",
                                      "vakant",
                                      "vakant",
                                      "vakant"};
        for (int i = 0; i < 8; ++i) {
            for (const char* prefix : {"arkiv_v0", "arkiv_r0"}) {
                QAction* entry = Entry(&form, qPrintable(prefix + QString::number(i)));
                QCOMPARE(entry->text(), captions[i]);
                QCOMPARE(entry->isEnabled(), i == 0 || i == 2);
                QCOMPARE(entry->isChecked(), i == 2);
            }
        }
    }

    void removingAnotherCompetitionKeepsTheCurrentOne() {
        testing::MainWindowDoubles doubles;
        FakeCompetitionFiles files;
        TwoCompetitions(files);
        TMainForm form(files);
        Entry(&form, "arkiv_v01")->trigger();
        files.calls.clear();
        Entry(&form, "arkiv_r00")->trigger();
        QCOMPARE(files.calls[0], "CloseParticipantFiles");
        QCOMPARE(files.calls[1], "DeleteCompetition 1");
        QCOMPARE(files.calls[2], "OpenParticipantFiles");
        QCOMPARE(WorkingGlobalSettings().currentNumber, 2);
        QCOMPARE(Entry(&form, "arkiv_v00")->text(), "raderad");
        QVERIFY(!Entry(&form, "arkiv_r00")->isEnabled());
        QVERIFY(Entry(&form, "arkiv_v01")->isChecked());

        Entry(&form, "arkiv_r01")->trigger();  // the current one
        QCOMPARE(WorkingGlobalSettings().currentNumber, 0);
        QCOMPARE(DataStatus(&form), QString::fromUtf8("<tävling ej vald/inmatad>"));
    }

    void newCompetitionStopsAtEight() {
        testing::MainWindowDoubles doubles;
        FakeCompetitionFiles files;
        files.registerPresent = true;
        for (int n = 1; n <= 8; ++n) {
            files.AddCompetition(n, "T" + std::to_string(n));
        }
        TMainForm form(files);
        files.calls.clear();
        Entry(&form, "arkiv_new")->trigger();
        QCOMPARE(Message(&form, 0), QString::fromUtf8("Max antal tävlingar uppnått!"));
        QCOMPARE(doubles.sound.beeps, (std::vector<testing::RecordingSound::Tone>{{440, 100}}));
        QVERIFY(!files.calls.empty());
        QVERIFY(std::find(files.calls.begin(), files.calls.end(),
                          "EditCompetitionInformation new") == files.calls.end());
        Entry(&form, "arkiv_change")->trigger();
        QVERIFY(std::find(files.calls.begin(), files.calls.end(),
                          "EditCompetitionInformation current") != files.calls.end());
        QCOMPARE(doubles.sound.beeps.size(), 1u);
    }

    void definitionCommandsSwapTheFileGroups() {
        testing::MainWindowDoubles doubles;
        FakeCompetitionFiles files;
        TwoCompetitions(files);
        TMainForm form(files);
        Entry(&form, "arkiv_v00")->trigger();
        files.calls.clear();
        Entry(&form, "register_kontroller")->trigger();
        const std::vector<std::string> bracket = {"CloseParticipantFiles", "OpenDefinitionFiles",
                                                  "CloseDefinitionFiles", "OpenParticipantFiles"};
        QCOMPARE(files.calls, bracket);
        QVERIFY(Message(&form, 0) != QString::fromUtf8("Filerna inte öppna"));

        files.definitionFilesPresent = false;
        files.calls.clear();
        Entry(&form, "definitioner_banor")->trigger();
        form.RefreshStatusLine();
        QCOMPARE(files.calls,
                 (std::vector<std::string>{"CloseParticipantFiles", "OpenDefinitionFiles",
                                           "OpenParticipantFiles"}));
        QCOMPARE(Message(&form, 0), QString::fromUtf8("Filerna inte öppna"));
    }

    void infoLeavesTheRecordLengths() {
        testing::MainWindowDoubles doubles;
        NoCompetitionFiles files;
        TMainForm form(files);
        Child<QPushButton>(&form, "infobutton")->click();
        QCOMPARE(Message(&form, 0), "1=2364 2= 32 3=548 4=2348");
    }

    void everyEntryRunsWithoutHarm() {
        testing::MainWindowDoubles doubles;
        FakeCompetitionFiles files;
        TwoCompetitions(files);
        files.live[CountedFile::Participants] = 4;
        TMainForm form(files);
        testing::ShowAndWait(form);
        Entry(&form, "arkiv_v00")->trigger();
        const QString status = DataStatus(&form);
        const QString newest = Message(&form, 0);
        QStringList withoutCommand;
        for (QAction* action : form.findChildren<QAction*>()) {
            if (action->menu() != nullptr || action->isSeparator() ||
                action->objectName().startsWith("arkiv_r") || action->objectName() == "arkiv_new" ||
                action->objectName().startsWith("arkiv_v")) {
                continue;
            }
            files.calls.clear();
            action->trigger();
            if (action->objectName().isEmpty()) {
                withoutCommand << action->text();
                QVERIFY2(files.calls.empty(), qPrintable(action->text()));
            }
        }
        QVERIFY(withoutCommand.contains("avsluta"));
        QVERIFY(withoutCommand.contains(QString::fromUtf8("inställningar")));
        QVERIFY(form.isVisible());
        QCOMPARE(DataStatus(&form), status);
        QCOMPARE(Message(&form, 0), newest);
        QCOMPARE(doubles.shell.opened.size(), 1u);  // "kom igång"
        QVERIFY(doubles.shell.opened[0].ends_with("oltoma.pdf"));
        QVERIFY(doubles.boxes.shown.empty());
    }

    void theChosenCompetitionOpensAtTheNextStart() {
        testing::MainWindowDoubles doubles;
        FakeCompetitionFiles files;
        TwoCompetitions(files);
        {
            TMainForm form(files);
            QCOMPARE(files.calls.front(), "OlStartup");
            Entry(&form, "arkiv_v01")->trigger();
            files.calls.clear();
        }
        const std::vector<std::string> end = {"CloseParticipantFiles", "CloseCommonFiles",
                                              "OlShutdown"};
        QCOMPARE(files.calls, end);
        TMainForm again(files);
        QCOMPARE(DataStatus(&again), QString::fromUtf8("Höstträffen IFK <inga tävlande inmatade>"));
        QVERIFY(Entry(&again, "arkiv_v01")->isChecked());
    }

    void captionNamesVersionAndBuild() {
        testing::MainWindowDoubles doubles;
        NoCompetitionFiles files;
        TMainForm form(files);
        QVERIFY(form.windowTitle().startsWith("OltomaW64 240302 10.00 "));
        QVERIFY(form.windowTitle().size() <= 74);
    }
};

}  // namespace oltoma

OLTOMA_QTEST_MAIN(oltoma::MainFormTest)
#include "olmainform_test.moc"
