// The main window's commands: which entry runs what. Commands of the
// registers, reports, imports, exports and file maintenance plug in where
// the comments say; until then those entries only refresh the window as
// their command would afterwards. A command that closes and reopens files
// ends with UpdateMenus, so that the menus, tool buttons and data status
// tell whether the files did reopen.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QMetaObject>
#include <QToolButton>

#include "app/olmainform.h"
#include "base/forms/EFileDlgAction.h"
#include "base/forms/edirform.h"
#include "ol/data/files/definition_bracket.h"
#include "ol/data/files/delete_all_participants.h"
#include "ol/data/files/ol_state.h"
#include "ol/data/maintenance/backup_copy.h"
#include "ol/data/maintenance/index_rebuild.h"
#include "ol/data/maintenance/new_files.h"
#include "ol/exchange/club_export.h"
#include "ol/exchange/import_command.h"
#include "ol/exchange/iof/course_data_export.h"
#include "ol/exchange/participant_export.h"
#include "ol/exchange/symbol_library.h"
#include "ol/forms/ban_reg.h"
#include "ol/forms/banbildform.h"
#include "ol/forms/distr_reg.h"
#include "ol/forms/kontr_reg.h"
#include "ol/forms/statistik_dlg.h"
#include "ol/reports/report_commands.h"
#include "platform/qt/window_handles.h"

namespace oltoma {

void TMainForm::ConnectCommands() {
    struct Command {
        const char* entry;
        void (TMainForm::*handler)();
    };
    struct RouteReport {
        const char* entry;
        char mode;
    };
    // The entries with a command; every other entry has none.
    static const Command kCommands[] = {
        {"arkiv_new", &TMainForm::arkiv_newClick},
        {"arkiv_change", &TMainForm::arkiv_changeClick},
        {"arkiv_importera", &TMainForm::arkiv_importeraClick},
        {"arkiv_raderaallamedl", &TMainForm::arkiv_raderaallamedlClick},
        {"arkiv_exp_medlemmar", &TMainForm::arkiv_exp_medlemmarClick},
        {"arkiv_exp_deltagarnaoippnaklasser", &TMainForm::arkiv_exp_deltagarnaoippnaklasserClick},
        {"arkiv_exp_banorna", &TMainForm::arkiv_exp_banornaClick},
        {"arkiv_kopiera1", &TMainForm::arkiv_kopiera1Click},
        {"arkiv_indexbygg1", &TMainForm::arkiv_indexbygg1Click},
        {"arkiv_skapanya1", &TMainForm::arkiv_skapanya1Click},
        {"register_klubbar", &TMainForm::RefreshStatusLine},
        {"register_distrikt", &TMainForm::register_distriktClick},
        {"register_rutbeskrivningar", &TMainForm::RefreshStatusLine},
        {"register_klasser", &TMainForm::RefreshStatusLine},
        {"register_vanliga_klasser", &TMainForm::RefreshStatusLine},
        {"register_oppna_klasser", &TMainForm::RefreshStatusLine},
        {"register_kontroller", &TMainForm::register_kontrollerClick},
        {"register_banor", &TMainForm::register_banorClick},
        {"visningar_banor", &TMainForm::visningar_banorClick},
        {"arranger_checklista", &TMainForm::RefreshStatusLine},
        {"arranger_klasslista", &TMainForm::klasslistaClick},
        {"arranger_rapportlista", &TMainForm::RefreshStatusLine},
        {"arranger_rankingreservlista", &TMainForm::RefreshStatusLine},
        {"definitioner_kontroller", &TMainForm::definitioner_kontrollerClick},
        {"definitioner_banorklass", &TMainForm::definitioner_banorklassClick},
        {"definitioner_kodbanaklass", &TMainForm::definitioner_kodbanaklassClick},
        {"definitioner_banor", &TMainForm::definitioner_banorClick},
        {"hjalp_komigang", &TMainForm::komigangClick},
        {"hjalp_statistik", &TMainForm::statistikClick},
    };

    static const RouteReport kRouteReports[] = {
        {"rutbeskrivning_sammanstallning", 'p'},
        {"rutbeskrivning_data", 'd'},
        {"rutbeskrivning_blankett", 'b'},
    };

    for (const Command& command : kCommands) {
        connect(Action(command.entry), &QAction::triggered, this, command.handler);
    }
    for (const RouteReport& report : kRouteReports) {
        const char mode = report.mode;
        connect(Action(report.entry), &QAction::triggered, this,
                [this, mode] { rutbeskrivningClick(mode); });
    }
    for (int i = 0; i < ol::kMaxCompetitions; ++i) {
        const QString number = QString::number(i).rightJustified(2, '0');
        connect(Action(qPrintable("arkiv_v" + number)), &QAction::triggered, this,
                [this, i] { ChooseCompetition(i + 1); });
        connect(Action(qPrintable("arkiv_r" + number)), &QAction::triggered, this,
                [this, i] { RemoveCompetition(i + 1); });
    }
    // The club export runs when its submenu is opened (once the menu has
    // closed: arkiv_exp_klubbarnaClick).
    connect(menuBar()->findChild<QMenu*>("arkiv_exp_klubbarna"), &QMenu::aboutToShow, this,
            &TMainForm::arkiv_exp_klubbarnaClick);
    connect(tbDistrikt_, &QToolButton::clicked, this, &TMainForm::register_distriktClick);
    connect(tbKlubbar_, &QToolButton::clicked, this, &TMainForm::RefreshStatusLine);
    connect(tbDeltagare_, &QToolButton::clicked, this, &TMainForm::RefreshStatusLine);
    connect(tbKopiera_, &QToolButton::clicked, this, &TMainForm::arkiv_kopiera1Click);
    // The backup asks for its target folder with the data directory dialog.
    ol::BindBackupFolderPrompt([this](std::string_view caption, std::string_view start) {
        return forms::ChooseDataDirectory(this, caption, start);
    });
    // The import chooses its files with the file chooser.
    ol::BindFileChooser([this](platform::WindowHandle, std::string_view title,
                               std::string_view onceOnlyCodes, std::string_view keywordList,
                               std::string_view filter, TLongPathName& folder,
                               const FileAction& action) {
        return forms::ChooseFiles(this, title, onceOnlyCodes, keywordList, filter, folder, action);
    });
}

void TMainForm::arkiv_newClick() {
    InputInfo(true);
    UpdateMenus(0);
}

void TMainForm::arkiv_changeClick() {
    InputInfo(false);
    UpdateMenus(0);
}

void TMainForm::arkiv_importeraClick() {
    ol::ImportCommand(platform::HandleOf(this));
    UpdateMenus(0);
}

void TMainForm::arkiv_raderaallamedlClick() {
    ol::DeleteAllParticipants();
    UpdateMenus(0);
}

void TMainForm::arkiv_exp_klubbarnaClick() {
    // The submenu is opening: its save dialog waits until the menu has closed.
    QMetaObject::invokeMethod(
        this,
        [this] {
            ol::ExportClubs(platform::HandleOf(this));
            RefreshStatusLine();
        },
        Qt::QueuedConnection);
}

void TMainForm::arkiv_exp_medlemmarClick() {
    ol::ExportParticipants(platform::HandleOf(this), false);
    RefreshStatusLine();
}

void TMainForm::arkiv_exp_deltagarnaoippnaklasserClick() {
    ol::ExportParticipants(platform::HandleOf(this), true);
    RefreshStatusLine();
}

void TMainForm::arkiv_exp_banornaClick() {
    ol::ExportCourses(platform::HandleOf(this));
    RefreshStatusLine();
}

void TMainForm::arkiv_kopiera1Click() {
    ol::BackupCopy();
    UpdateMenus(0);
}

void TMainForm::arkiv_indexbygg1Click() {
    ol::RebuildIndexes();
    UpdateMenus(0);
}

void TMainForm::arkiv_skapanya1Click() {
    // A fresh route description register is offered the shipped symbols.
    if (ol::CreateNewFilesCommand() == ol::MaintenanceResult::done) {
        ol::OfferSymbolLibrary(platform::HandleOf(this));
    }
    UpdateMenus(0);
}

void TMainForm::register_distriktClick() {
    ol::RunDistrictRegister(this);
    RefreshStatusLine();
}

// The export entries follow the first control or course added, so the
// window recomputes its entries afterwards.
void TMainForm::register_kontrollerClick() {
    ol::RunWithDefinitionFiles([this] { ol::RunControlRegister(this); });
    UpdateMenus(0);
}

void TMainForm::register_banorClick() {
    ol::RunWithDefinitionFiles([this] { ol::RunCourseRegister(this); });
    UpdateMenus(0);
}

void TMainForm::visningar_banorClick() {
    // The course picture needs the control file, which only the definition
    // files bring.
    ol::RunWithDefinitionFiles([this] { ol::ShowCoursePicture(this); });
    UpdateMenus(0);
}

void TMainForm::klasslistaClick() {
    ol::PrintClassList(platform::HandleOf(this));
    RefreshStatusLine();
}

void TMainForm::rutbeskrivningClick(char mode) {
    ol::PrintRouteDescriptions(platform::HandleOf(this), mode);
    RefreshStatusLine();
}

void TMainForm::definitioner_kontrollerClick() {
    RunDefinitionReport(&ol::PrintControlDefinitions);
}

void TMainForm::definitioner_banorklassClick() {
    RunDefinitionReport(&ol::PrintCoursesPerClass);
}

void TMainForm::definitioner_kodbanaklassClick() {
    RunDefinitionReport(&ol::PrintCodeCourseClass);
}

void TMainForm::definitioner_banorClick() {
    RunDefinitionReport(&ol::PrintCourseDefinitions);
}

void TMainForm::RunDefinitionReport(void (*report)(platform::WindowHandle)) {
    ol::RunWithDefinitionFiles([this, report] { report(platform::HandleOf(this)); });
    UpdateMenus(0);
}

void TMainForm::komigangClick() {
    Label5Click();
}

void TMainForm::statistikClick() {
    // The dialog counts the definition files and opens them itself; a
    // "Filerna inte öppna" it leaves is shown at once.
    ol::ShowStatistics(this);
    UpdateMenus(0);
}

}  // namespace oltoma
