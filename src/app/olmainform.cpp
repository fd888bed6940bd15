#include "app/olmainform.h"

#include "ol/data/maintenance/backup_copy.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

#include "app/generated_pictures.h"
#include "base/messages/desktop_services.h"
#include "base/messages/messages.h"
#include "base/settings/configuration_file.h"
#include "base/settings/program_name.h"
#include "base/settings/program_version.h"
#include "base/settings/settings_state.h"
#include "base/text/number_format.h"
#include "ol/data/files/competition_info.h"
#include "ol/data/files/competitions.h"
#include "ol/data/files/file_groups.h"
#include "ol/data/files/main_window_support.h"
#include "ol/data/files/ol_startup.h"
#include "ol/data/files/ol_state.h"
#include "ol/data/maintenance/backup_copy.h"
#include "ol/data/maintenance/index_rebuild.h"
#include "ol/data/records/club_rec.h"
#include "ol/data/records/distr_rec.h"
#include "ol/data/records/info_rec.h"
#include "ol/data/records/klass_rec.h"
#include "ol/forms/info_dlg_form.h"
#include "platform/qt/qt_text.h"

namespace oltoma {
namespace {

// The "välj" and "radera" menus each have one entry per competition.
constexpr int kCompetitionMenuEntries = ol::kMaxCompetitions;

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

QString CompetitionCaption(const ol::CompetitionMenuEntry& entry) {
    using State = ol::CompetitionMenuEntry::State;
    switch (entry.state) {
        case State::live:
            return MenuCaption(entry.name);
        case State::deleted:
            return "raderad";
        case State::vacant:
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

TMainForm::TMainForm(std::span<const std::string> parameters, QWidget* parent)
    : TTomaMainForm(parent) {
    setObjectName("TMainForm");
    BuildMenus(menuBar(), MenuTable(), ToolButtonList());
    MergeBaseMenu();
    CreateToolBar();
    ConnectCommands();
    FormCreate(parameters);
}

TMainForm::~TMainForm() {
    FormDestroy();
    ol::BindBackupFolderPrompt(nullptr);
}

void TMainForm::FormCreate(std::span<const std::string> parameters) {
    ProgramName = kMainProgramName;
    setWindowTitle(QString::fromStdString(MainWindowCaption()));
    if (!ProgramInit(kOltomaApplicationKind)) {
        return;
    }
    started_ = true;
    ol::OlStartup(parameters);
    const std::string recovered = ol::RecoverIndexRebuildAtStart();
    ol::OpenCommonFiles();
    ol::ReopenCompetition();
    if (!recovered.empty()) {
        SetMessageLine(recovered);
    }
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
    ol::CloseParticipantFiles();
    ol::CloseCommonFiles();
    ol::OlShutdown();
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

void TMainForm::EnableEntries(const ol::FileSetConditions& c) {
    const bool common = c.commonFilesOpen;
    for (const char* name :
         {"arkiv_change", "arkiv_delete", "arkiv_select", "arkiv_new", "importera1",
          "arkiv_exportera", "arkiv_indexbygg1", "register1", "rapporter", "xregister"}) {
        Enable(name, common);
    }
    tbDistrikt_->setEnabled(common);
    tbKlubbar_->setEnabled(common);
    tbKopiera_->setEnabled(common);
    Enable("arkiv_exp_klubbarna", !c.noClubs);
    Enable("arkiv_exp_medlemmar", !c.noParticipants);
    // A chosen competition whose own files are missing is still backed up.
    Enable("arkiv_kopiera1", common && ol::Ol().CurrentCompetition != 0);
    Enable("arranger", c.participantFilesOpen);
    tbDeltagare_->setEnabled(c.participantFilesOpen);
    Enable("arkiv_exp_rutbeskrivnignarna", !c.noRoutes);
    Enable("arkiv_exp_kontrollerna", !c.noControls);
    Enable("arkiv_exp_banorna", !c.noCourses);
}

void TMainForm::UpdateMenus(int n) {
    RefreshCompetitionMenus(n);
    EnableEntries(ol::ReadFileSetConditions());
    ShowDataStatus(platform::ToQString(ol::DataStatusText()));
    RefreshStatusLine();
}

void TMainForm::RefreshCompetitionMenus(int) {
    const auto entries = ol::ReadCompetitionMenuEntries();
    const int current = ol::Ol().CurrentCompetition;
    for (int i = 0; i < kCompetitionMenuEntries; ++i) {
        const ol::CompetitionMenuEntry& competition = entries[i];
        const bool live = competition.state == ol::CompetitionMenuEntry::State::live;
        for (const char* name : {kChooseEntries[i], kDeleteEntries[i]}) {
            QAction* entry = Action(name);
            entry->setText(CompetitionCaption(competition));
            entry->setEnabled(live);
            entry->setChecked(live && i + 1 == current);
        }
    }
}

void TMainForm::RefreshStatusLine() {
    xMyMsgUpdate();
    MergeBaseMenu();
}

void TMainForm::ChooseCompetition(int n) {
    ol::ChooseCompetition(n);
    UpdateMenus(n);
}

void TMainForm::RemoveCompetition(int n) {
    ol::RemoveCompetition(n);
    UpdateMenus(n);
}

void TMainForm::InputInfo(bool add) {
    // Without open common files the dialog's opener shows nothing and leaves
    // no competition current.
    if (add && ol::Ol().CommonFilesOpen && !ol::MayAddCompetition()) {
        doStatusBar(QString::fromUtf8("Max antal tävlingar uppnått!"));
        ShortBeep();
        return;
    }
    ol::EditCompetitionInfo(this, add);
    UpdateMenus(0);
}

void TMainForm::buttonDataLibClick() {
    const std::string before = WorkingGlobalSettings().dataDirectory.str();
    ol::CloseParticipantFiles();
    ol::CloseCommonFiles();
    RefreshStatusLine();
    TTomaMainForm::buttonDataLibClick();
    ol::OpenCommonFiles();
    // Cancel, or the same folder again, changes nothing: the competition
    // chosen there stays chosen and its files open.
    if (WorkingGlobalSettings().dataDirectory.str() == before) {
        ol::ReopenCompetition();
    }
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
