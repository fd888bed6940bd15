// The base main window's commands that open the subsystems' dialogs: the
// settings dialog, the about boxes and the label and giro registers of the
// "xregister" menu.
#include <QAction>
#include <QLabel>
#include <QPushButton>

#include <filesystem>
#include <fstream>

#include "app/about32.h"
#include "app/aboutX32.h"
#include "app/olmainform.h"
#include "base/settings/settings_state.h"
#include "labels/forms/eetikettreg32.h"
#include "labels/forms/egiroreg32.h"
#include "main_window_fixture.h"
#include "print/forms/ekonfig32.h"
#include "print/forms/setting_tabs.h"
#include "qtest_main.h"
#include "when_shown.h"

namespace oltoma {

using testing::Child;
using testing::Message;
using testing::PanelText;
using testing::WhenShown;

// A main window whose "info" shows the about box the test chooses.
class ChosenAboutForm final : public TMainForm {
public:
    int choice = 0;

protected:
    int AboutBoxChoice() override { return choice; }
};

class BaseCommandsTest : public QObject {
    Q_OBJECT

    static QAction* Entry(QWidget* form, const char* name) { return Child<QAction>(form, name); }

private slots:
    void init() { testing::StartAfresh(); }

    void konfigRunsTheSettingsDialogThenShowsTheSettings() {
        testing::MainWindowDoubles doubles;
        TMainForm form;
        WhenShown<forms::TEKonfigDlg>([](forms::TEKonfigDlg* dialog) {
            dialog->KonfigPageControl->button(1)->click();
            dialog->EtikettTabControl->button(9)->click();
            dialog->accept();
        });
        Child<QPushButton>(&form, "buttonKonfig")->click();
        QCOMPARE(CurrentLabelNumber(), 10);
        QCOMPARE(PanelText(&form, "etikettenvstatusbar", 1), QString("Giro/Startkort"));
    }

    void infoShowsTheChosenAboutBox() {
        testing::MainWindowDoubles doubles;
        ChosenAboutForm form;
        bool plain = false;
        WhenShown<TAboutBox>([&plain](TAboutBox* box) {
            plain = box->Version->text().startsWith("ver  ");
            box->OKButton->click();
        });
        Child<QPushButton>(&form, "infobutton")->click();
        QVERIFY(plain);

        form.choice = 1;
        bool pictures = false;
        WhenShown<TAboutBoxX>([&pictures](TAboutBoxX* box) {
            pictures = box->windowTitle() == "t  o  m  a";
            box->accept();
        });
        Child<QPushButton>(&form, "infobutton")->click();
        QVERIFY(pictures);
    }

    void theGiroEntriesOpenTheirRegisters() {
        testing::MainWindowDoubles doubles;
        TMainForm form;
        struct Case {
            const char* entry;
            labels::Tgirotyp kind;
            const char* file;
        };
        for (const Case& c : {Case{"plusgiroMenu", labels::Tgirotyp::plusgiro, "giroP.DAT"},
                              Case{"postgiroMenu", labels::Tgirotyp::postgiro, "giroP.DAT"},
                              Case{"bankgiroMenu", labels::Tgirotyp::bankgiro, "giroB.DAT"}}) {
            labels::Tgirotyp shown = labels::Tgirotyp::bankgiro1;
            WhenShown<labels::forms::TEGiroRegForm>([&shown](labels::forms::TEGiroRegForm* form) {
                shown = form->girokd;
                QCOMPARE(form->windowTitle(), QString("giroregister"));
                form->closebtn->click();
            });
            Entry(&form, c.entry)->trigger();
            QCOMPARE(shown, c.kind);
            QVERIFY(std::filesystem::exists(testing::DefaultDataDirectory() / c.file));
        }
    }

    void aDamagedLabelFileOpensNoRegister() {
        testing::MainWindowDoubles doubles;
        TMainForm form;
        std::ofstream(testing::DefaultDataDirectory() / "Etikett.DAT") << "skadad";
        bool shown = true;
        shown = testing::OpensADialog([&form] { Entry(&form, "etikettMenu")->trigger(); });
        QVERIFY(!shown);
        QVERIFY(Message(&form, 0).startsWith("fel med Etikettfilerna: Btree: "));
        std::ifstream file(testing::DefaultDataDirectory() / "Etikett.DAT");
        QCOMPARE(std::string(std::istreambuf_iterator<char>(file), {}), std::string("skadad"));
    }

    void theLabelEntryOpensTheLabelRegister() {
        testing::MainWindowDoubles doubles;
        TMainForm form;
        bool shown = false;
        WhenShown<labels::forms::TEEtikettRegForm>([&shown](labels::forms::TEEtikettRegForm* form) {
            shown = form->windowTitle() == "etikettregister";
            form->closebtn->click();
        });
        Entry(&form, "etikettMenu")->trigger();
        QVERIFY(shown);
    }
};

}  // namespace oltoma

OLTOMA_QTEST_MAIN(oltoma::BaseCommandsTest)
#include "base_commands_test.moc"
