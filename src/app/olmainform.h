// TMainForm, the program's main window: the orienteering menu bar, the tool
// bar and the data status on the base main window TTomaMainForm. Its
// commands open the registers, reports, imports, exports and file
// maintenance of the data layer, or do nothing: most entries of the menu bar
// only exist to be shown. After every command it recomputes which entries
// are enabled and what the status bars say (UpdateMenus, RefreshStatusLine).
//
// The window asks and shows; the competition file set's logic (file groups,
// choosing and deleting competitions, the menu conditions, the data status
// text, the definition-file bracket) lives in the data layer (ol/data/).
#pragma once

#include <span>
#include <string>

#include "app/emainform.h"
#include "app/menu_table.h"
#include "platform/services.h"

class QAction;
class QToolButton;

namespace oltoma {

namespace ol {
struct FileSetConditions;
}

class TMainForm : public TTomaMainForm {
    Q_OBJECT

public:
    // Creates the window and runs its creation handler (FormCreate): settings,
    // data layer start (the storage engine sees the command-line
    // `parameters`, for "/NET"), files of the remembered competition, menus,
    // and the base window's placement and scale.
    explicit TMainForm(std::span<const std::string> parameters = {}, QWidget* parent = nullptr);
    // Runs the destruction handler: closes the files, stops the data layer and
    // writes the settings.
    ~TMainForm() override;

    // False when the start was refused for want of memory; the program then
    // ends with kOutOfMemoryExitCode.
    bool Started() const { return started_; }

    // Recomputes the competition menus, the enabled entries and the data
    // status; n is passed on to RefreshCompetitionMenus.
    void UpdateMenus(int n);
    // Captions, enabled states and check marks of the "välj" and "radera"
    // entries from the competition register.
    void RefreshCompetitionMenus(int n);
    // Shows a changed message line and merges the base menu again.
    void RefreshStatusLine();

    // "välj" and "radera" entry n (1..8), then UpdateMenus.
    void ChooseCompetition(int n);
    void RemoveCompetition(int n);
    // "&ny" (add) and "&ändra": the competition dialog, then UpdateMenus.
    // With eight competitions, adding only beeps and shows "Max antal
    // tävlingar uppnått!".
    void InputInfo(bool add);

    // The menu bar as designed, one row per entry.
    static std::span<const MenuEntry> MenuTable();

protected:
    void buttonDataLibClick() override;
    void infobuttonClick() override;
    void ScaleDerivedControls(int scale) override;

private:
    void FormCreate(std::span<const std::string> parameters);
    void FormDestroy();
    void CreateToolBar();
    void ConnectCommands();
    QAction* Action(const char* name) const;
    void Enable(const char* name, bool enabled);
    void EnableEntries(const ol::FileSetConditions& conditions);

    // Commands of the menu bar and tool bar.
    void arkiv_newClick();
    void arkiv_changeClick();
    void arkiv_importeraClick();
    void arkiv_raderaallamedlClick();
    void arkiv_exp_klubbarnaClick();
    void arkiv_exp_medlemmarClick();
    void arkiv_exp_deltagarnaoippnaklasserClick();
    void arkiv_exp_banornaClick();
    void arkiv_kopiera1Click();
    void arkiv_indexbygg1Click();
    void arkiv_skapanya1Click();
    void register_distriktClick();
    void register_kontrollerClick();
    void register_banorClick();
    void visningar_banorClick();
    void klasslistaClick();
    void rutbeskrivningClick(char mode);
    void definitioner_kontrollerClick();
    void definitioner_banorklassClick();
    void definitioner_kodbanaklassClick();
    void definitioner_banorClick();
    // Runs a definition report in the definition-file bracket.
    void RunDefinitionReport(void (*report)(platform::WindowHandle));
    void komigangClick();
    void statistikClick();

    bool started_ = false;
    QWidget* ToolBar1_ = nullptr;
    QToolButton* tbDistrikt_ = nullptr;
    QToolButton* tbKlubbar_ = nullptr;
    QToolButton* tbDeltagare_ = nullptr;
    QToolButton* tbKopiera_ = nullptr;
};

}  // namespace oltoma
