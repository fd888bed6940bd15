// The main window's exchange commands: "&importera" through the file
// chooser, the exports through the save dialog (IOF XML from its second
// filter and from "banorna"), and the symbol library offered after "skapa
// nya".
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "app/olmainform.h"
#include "base/text/windows1252.h"
#include "file_set_fixture.h"
#include "main_window_fixture.h"
#include "ol/data/files/definition_bracket.h"
#include "ol/data/files/ol_state.h"
#include "ol/data/files/registers.h"
#include "ol/exchange/import_command.h"
#include "qtest_main.h"
#include "storage/access_layer.h"

namespace oltoma {

using testing::Child;
using testing::TestCompetition;

namespace {

std::string Slurp(const std::filesystem::path& name) {
    std::ifstream file(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

std::filesystem::path Exchange() {
    return testing::DefaultDataDirectory().parent_path();
}

std::int32_t UsedControls() {
    std::int32_t used = -1;
    ol::RunWithDefinitionFiles([&used] { used = storage::UsedRecs(ol::Ol().controlFile); });
    return used;
}

}  // namespace

class MainFormExchangeTest : public QObject {
    Q_OBJECT

private:
    static QAction* Entry(QWidget* form, const char* name) { return Child<QAction>(form, name); }

private slots:
    void init() { testing::StartAfresh(); }

    void importRunsTheChosenFiles() {
        testing::MainWindowDoubles doubles;
        TMainForm form;
        testing::MakeFileSet(form, {{"Vårträffen", "OK Löparen"}});
        Entry(&form, "arkiv_v00")->trigger();
        std::ofstream(Exchange() / "kontroller.txt", std::ios::binary)
            << "*Kontroller\r\n31\r\n32\r\n";
        int offered = 0;
        std::string startFolder;
        std::string askedTitle;
        ol::BindFileChooser([&](platform::WindowHandle owner, std::string_view title,
                                std::string_view, std::string_view, std::string_view,
                                TLongPathName& folder, const FileAction& action) {
            ++offered;
            startFolder = folder.str();
            askedTitle = std::string(title);
            folder = Exchange().string();
            action(owner, "kontroller.txt", folder.str(), 1, 1);
            return true;
        });
        Entry(&form, "arkiv_importera")->trigger();
        QCOMPARE(offered, 1);
        QCOMPARE(askedTitle, std::string("Import"));
        QCOMPARE(UsedControls(), 2);
        QVERIFY(ol::Ol().ParticipantFilesOpen);

        // The next import starts where the last one chose its files.
        Entry(&form, "arkiv_importera")->trigger();
        QCOMPARE(startFolder, Exchange().string());
    }

    void exportsWriteTheFilesChosenInTheSaveDialog() {
        testing::MainWindowDoubles doubles;
        testing::ScriptedFileDialogs dialogs;
        testing::BoundServices bound{{.fileDialogs = &dialogs}};
        TMainForm form;
        testing::MakeFileSet(form, {{"Vårträffen", "OK Löparen", 2}}, 1);
        Entry(&form, "arkiv_v00")->trigger();

        dialogs.Choose((Exchange() / "deltagare.ol").string());
        Entry(&form, "arkiv_exp_medlemmar")->trigger();
        QVERIFY(Slurp(Exchange() / "deltagare.ol").find("\r\n*Namn\r\n") != std::string::npos);
        dialogs.Choose((Exchange() / "direkt.ol").string());
        Entry(&form, "arkiv_exp_deltagarnaoippnaklasser")->trigger();
        QVERIFY(Slurp(Exchange() / "direkt.ol").find("\r\n*DirektNamn\r\n") != std::string::npos);

        // "klubbarna" runs once its submenu has opened and closed again.
        dialogs.Choose((Exchange() / "klubbar.ol").string());
        auto* clubs = form.menuBar()->findChild<QMenu*>("arkiv_exp_klubbarna");
        QVERIFY(clubs != nullptr);
        emit clubs->aboutToShow();
        QVERIFY(!std::filesystem::exists(Exchange() / "klubbar.ol"));
        QTRY_VERIFY(std::filesystem::exists(Exchange() / "klubbar.ol"));
        QVERIFY(Slurp(Exchange() / "klubbar.ol").find("\r\nKlubb 1,00000,") != std::string::npos);
        QCOMPARE(dialogs.asked.size(), 3u);
        QCOMPARE(dialogs.asked[0].request.kind, platform::FileDialogRequest::Kind::save);
        QVERIFY(doubles.boxes.shown.empty());
    }

    void iofXmlFromTheSecondFilterAndFromBanorna() {
        testing::MainWindowDoubles doubles;
        testing::ScriptedFileDialogs dialogs;
        testing::BoundServices bound{{.fileDialogs = &dialogs}};
        TMainForm form;
        testing::MakeFileSet(form, {{"Vårträffen", "OK Löparen", 2}}, 1);
        Entry(&form, "arkiv_v00")->trigger();
        QVERIFY(!Entry(&form, "arkiv_exp_banorna")->isEnabled());
        std::ofstream(Exchange() / "banor.txt", std::ios::binary)
            << "*Kontroller\r\n31\r\n*Banor\r\nA,2500,40,31\r\n";
        ol::BindFileChooser([&](platform::WindowHandle owner, std::string_view, std::string_view,
                                std::string_view, std::string_view, TLongPathName& folder,
                                const FileAction& action) {
            action(owner, "banor.txt", Exchange().string(), 1, 1);
            return true;
        });
        Entry(&form, "arkiv_importera")->trigger();
        QVERIFY(Entry(&form, "arkiv_exp_banorna")->isEnabled());

        dialogs.answers.push_back({true, (Exchange() / "banor.xml").string(), "IOF XML 3.0|*.xml"});
        Entry(&form, "arkiv_exp_banorna")->trigger();
        const std::string courses = Slurp(Exchange() / "banor.xml");
        QVERIFY(courses.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<CourseData"));
        QVERIFY(courses.find("<Control>31</Control>") != std::string::npos);
        QVERIFY(ol::Ol().ParticipantFilesOpen);  // the definition files gave way again

        dialogs.answers.push_back({true, (Exchange() / "anm.xml").string(), "IOF XML 3.0|*.xml"});
        Entry(&form, "arkiv_exp_medlemmar")->trigger();
        QVERIFY(Slurp(Exchange() / "anm.xml").find("<PersonEntry>") != std::string::npos);
        QCOMPARE(dialogs.asked.size(), 2u);
        QCOMPARE(dialogs.asked[0].request.filter, std::string("IOF XML 3.0|*.xml"));
        QVERIFY(doubles.boxes.shown.empty());
    }

    void newFilesOfferTheSymbolLibraryForAnEmptyRegister() {
        testing::MainWindowDoubles doubles;
        TMainForm form;
        doubles.boxes.answers = {platform::MessageResult::Yes};
        Entry(&form, "arkiv_skapanya1")->trigger();
        QCOMPARE(doubles.boxes.shown.size(), 1u);
        QCOMPARE(QString::fromStdString(Utf8FromWindows1252(doubles.boxes.shown[0].text)),
                 QString::fromUtf8("Rutbeskrivningsregistret är tomt. Importera "
                                   "symbolbiblioteket (IOF 2018)?"));
        QCOMPARE(doubles.boxes.shown[0].caption, std::string("??"));
        QVERIFY(storage::UsedRecs(ol::Ol().route24File) > 150);

        // A register that holds symbols is not offered the library again.
        Entry(&form, "arkiv_skapanya1")->trigger();
        QCOMPARE(doubles.boxes.shown.size(), 1u);
    }
};

}  // namespace oltoma

OLTOMA_QTEST_MAIN(oltoma::MainFormExchangeTest)
#include "olmainform_exchange_test.moc"
