#include "app/olmainform.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

#include "app/competition_files.h"
#include "app/generated_pictures.h"
#include "app/program_version.h"
#include "base/configuration_file.h"
#include "base/desktop_services.h"
#include "base/messages.h"
#include "base/number_format.h"
#include "base/program_name.h"
#include "base/settings_state.h"
#include "ol/data/club_rec.h"
#include "ol/data/distr_rec.h"
#include "ol/data/info_rec.h"
#include "ol/data/klass_rec.h"
#include "platform/qt/qt_text.h"

namespace oltoma {
namespace {

constexpr std::size_t kDataStatusLength = 81;

std::vector<QIcon> ToolButtonList() {
    std::vector<QIcon> images;
    for (int i = 0; i < kToolButtonImages; ++i) {
        images.push_back(ToolButtonImage(i));
    }
    return images;
}

// A competition name as a menu caption: "&" is shown, not an access key.
QString MenuCaption(const std::string& windows1252) {
    return platform::ToQString(windows1252).replace('&', "&&");
}

QString CompetitionCaption(const CompetitionEntry& entry) {
    switch (entry.state) {
        case CompetitionState::Live:
            return MenuCaption(entry.name);
        case CompetitionState::Deleted:
            return "raderad";
        case CompetitionState::Vacant:
            break;
    }
    return "vakant";
}

const char* const kChooseEntries[kCompetitionMenuEntries] = {"arkiv_v00", "arkiv_v01", "arkiv_v02",
                                                             "arkiv_v03", "arkiv_v04", "arkiv_v05",
                                                             "arkiv_v06", "arkiv_v07"};
const char* const kDeleteEntries[kCompetitionMenuEntries] = {"arkiv_r00", "arkiv_r01", "arkiv_r02",
                                                             "arkiv_r03", "arkiv_r04", "arkiv_r05",
                                                             "arkiv_r06", "arkiv_r07"};

}  // namespace

TMainForm::TMainForm(CompetitionFiles& files, QWidget* parent)
    : TTomaMainForm(parent), files_(files) {
    setObjectName("TMainForm");
    BuildMenus(menuBar(), MenuTable(), ToolButtonList());
    MergeBaseMenu();
    CreateToolBar();
    ConnectCommands();
    FormCreate();
}

TMainForm::~TMainForm() {
    FormDestroy();
}

void TMainForm::FormCreate() {
    ProgramName = kMainProgramName;
    setWindowTitle(QString::fromStdString(MainWindowCaption()));
    if (!ProgramInit(kOltomaApplicationKind)) {
        return;
    }
    started_ = true;
    files_.OlStartup();
    files_.OpenCommonFiles();
    files_.ReopenCompetition();
    const std::vector<QIcon> images = ToolButtonList();
    tbDistrikt_->setIcon(images[6]);
    tbDistrikt_->setText("distr");
    tbKlubbar_->setIcon(images[8]);
    tbKlubbar_->setText("klubbar");
    tbDeltagare_->setIcon(images[10]);
    tbDeltagare_->setText("i vanliga klasser");
    tbKopiera_->setIcon(images[11]);
    tbKopiera_->setText("kopi");
    UpdateMenus(0);
    TomaFormCreate();
}

void TMainForm::FormDestroy() {
    if (!started_) {
        return;
    }
    files_.CloseParticipantFiles();
    files_.CloseCommonFiles();
    files_.OlShutdown();
    ProgramExit();
    TomaFormDestroy();
}

QAction* TMainForm::Action(const char* name) const {
    return findChild<QAction*>(name);
}

void TMainForm::Enable(const char* name, bool enabled) {
    if (QAction* action = Action(name)) {
        action->setEnabled(enabled);
    }
}

// What the enabled entries depend on, read from the file set in this order.
struct TMainForm::FileConditions {
    bool common = false;  // B
    bool noClubs = true;
    bool noRoutes = true;
    bool participants = false;  // P
    bool noParticipants = true;
    bool noCourses = true;
    bool noControls = true;
};

TMainForm::FileConditions TMainForm::ReadFileConditions() {
    FileConditions c;
    c.common = files_.CommonFilesOpen();
    c.noClubs = !c.common || files_.LiveRecords(CountedFile::Clubs) == 0;
    c.noRoutes = !c.common || files_.LiveRecords(CountedFile::RouteDescriptions) == 0;
    c.participants = files_.ParticipantFilesOpen();
    c.noParticipants = !c.participants || files_.LiveRecords(CountedFile::Participants) == 0;
    // Courses and controls are counted in the definition files.
    files_.CloseParticipantFiles();
    files_.OpenDefinitionFiles();
    const bool definitions = files_.DefinitionFilesOpen();
    c.noCourses = !definitions || files_.LiveRecords(CountedFile::Courses) == 0;
    c.noControls = !definitions || files_.LiveRecords(CountedFile::Controls) == 0;
    files_.CloseDefinitionFiles();
    files_.OpenParticipantFiles();
    return c;
}

void TMainForm::EnableEntries(const FileConditions& c) {
    for (const char* name :
         {"arkiv_change", "arkiv_delete", "arkiv_select", "arkiv_new", "importera1",
          "arkiv_exportera", "arkiv_indexbygg1", "register1", "rapporter", "xregister"}) {
        Enable(name, c.common);
    }
    tbDistrikt_->setEnabled(c.common);
    tbKlubbar_->setEnabled(c.common);
    tbKopiera_->setEnabled(c.common);
    Enable("arkiv_exp_klubbarna", !c.noClubs);
    Enable("arkiv_exp_medlemmar", !c.noParticipants);
    Enable("arkiv_kopiera1", c.participants);
    Enable("arranger", c.participants);
    tbDeltagare_->setEnabled(c.participants);
    Enable("arkiv_exp_rutbeskrivnignarna", !c.noRoutes);
    Enable("arkiv_exp_kontrollerna", !c.noControls);
    Enable("arkiv_exp_banorna", !c.noCourses);
}

void TMainForm::UpdateMenus(int n) {
    RefreshCompetitionMenus(n);
    const FileConditions conditions = ReadFileConditions();
    EnableEntries(conditions);
    SetDataStatus(conditions.common, conditions.participants, conditions.noParticipants);
    RefreshStatusLine();
}

void TMainForm::SetDataStatus(bool common, bool participants, bool noParticipants) {
    QString text;
    if (participants) {
        std::string title =
            files_.CurrentCompetitionName() + " " + files_.CurrentCompetitionOrganiser();
        if (title.size() > kDataStatusLength) {
            title.resize(kDataStatusLength);
        }
        text = platform::ToQString(title);
        if (noParticipants) {
            text += QString::fromUtf8(" <inga tävlande inmatade>");
        }
    } else if (common) {
        text = QString::fromUtf8("<tävling ej vald/inmatad>");
    } else {
        text = QString::fromUtf8("<datafiler saknas>");
    }
    ShowDataStatus(text);
}

void TMainForm::RefreshCompetitionMenus(int) {
    if (!files_.CommonFilesOpen()) {
        for (const auto* names : {kChooseEntries, kDeleteEntries}) {
            for (int i = 0; i < kCompetitionMenuEntries; ++i) {
                QAction* entry = Action(names[i]);
                entry->setText("vakant");
                entry->setEnabled(false);
            }
        }
        return;
    }
    const CompetitionEntries entries = files_.ReadCompetitionEntries();
    const int current = files_.CurrentCompetition();
    for (int i = 0; i < kCompetitionMenuEntries; ++i) {
        const CompetitionEntry& competition = entries[i];
        for (const char* name : {kChooseEntries[i], kDeleteEntries[i]}) {
            QAction* entry = Action(name);
            entry->setText(CompetitionCaption(competition));
            entry->setEnabled(competition.state == CompetitionState::Live);
            entry->setChecked(i + 1 == current);
        }
    }
}

void TMainForm::RefreshStatusLine() {
    xMyMsgUpdate();
    MergeBaseMenu();
}

void TMainForm::ChooseCompetition(int n) {
    files_.CloseParticipantFiles();
    WorkingGlobalSettings().currentNumber = n;
    files_.ReopenCompetition();
    UpdateMenus(n);
}

void TMainForm::RemoveCompetition(int n) {
    if (n <= files_.CompetitionSlots() - 1) {
        const int current = files_.CurrentCompetition();
        files_.CloseParticipantFiles();
        files_.DeleteCompetition(n);
        if (current != 0 && current != n) {
            files_.MakeCompetitionCurrent(current);
            files_.OpenParticipantFiles();
        } else {
            files_.MakeCompetitionCurrent(0);
        }
    }
    WorkingGlobalSettings().currentNumber = files_.CurrentCompetition();
    UpdateMenus(n);
}

void TMainForm::InputInfo(bool add) {
    if (!files_.CommonFilesOpen()) {
        files_.MakeCompetitionCurrent(0);
        return;
    }
    if (add && files_.CompetitionsUsed() >= kMaxCompetitions) {
        doStatusBar(QString::fromUtf8("Max antal tävlingar uppnått!"));
        ShortBeep();
        return;
    }
    files_.EditCompetitionInformation(add);
    UpdateMenus(0);
}

void TMainForm::buttonDataLibClick() {
    files_.CloseParticipantFiles();
    files_.CloseCommonFiles();
    RefreshStatusLine();
    TTomaMainForm::buttonDataLibClick();
    files_.OpenCommonFiles();
    UpdateMenus(0);
}

void TMainForm::infobuttonClick() {
    TTomaMainForm::infobuttonClick();
    SetMessageLine("1=" + IntSpacePadded(sizeof(ol::InfoRec), 3) +
                   " 2=" + IntSpacePadded(sizeof(ol::DistrRec), 3) +
                   " 3=" + IntSpacePadded(sizeof(ol::ClubRec), 3) +
                   " 4=" + IntSpacePadded(sizeof(ol::KlassRec), 3));
    RefreshStatusLine();
}

}  // namespace oltoma
