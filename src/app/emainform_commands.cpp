// The base main window's commands: its buttons, link labels and the
// "xregister" menu.
#include "app/editor_start.h"
#include "app/emainform.h"
#include "app/link_label.h"
#include "app/panel_status_bar.h"
#include "base/forms/edirform.h"
#include "base/messages/desktop_services.h"
#include "base/messages/messages.h"
#include "base/settings/maker_links.h"
#include "base/settings/program_name.h"
#include "base/settings/settings_state.h"
#include "platform/qt/qt_text.h"

namespace oltoma {
namespace {

constexpr int kShellFailureLimit = 32;
const QColor kHighlightColour(128, 0, 0);

// The folder as the settings keep it: Windows-1252, one trailing "/"
// dropped (except from the root). Empty when the name cannot be kept: a
// character outside Windows-1252 or more than 1024 characters.
std::string StoredFolderName(const QString& chosen) {
    std::string text = platform::FromQString(chosen);
    if (platform::ToQString(text) != chosen) {
        return {};
    }
    if (text.size() > 1 && text.back() == '/') {
        text.pop_back();
    }
    if (text.size() > TLongPathName::kMaxLength) {
        return {};
    }
    return text;
}

}  // namespace

void TTomaMainForm::buttonDataLibClick() {
    GlobalSettings& settings = WorkingGlobalSettings();
    const QString chosen = ChooseFolder(QString::fromUtf8("Välj bibliotek"),
                                        platform::ToQString(settings.dataDirectory.view()));
    if (!chosen.isEmpty()) {
        const std::string folder = StoredFolderName(chosen);
        if (folder.empty()) {
            ShortBeep();
            doStatusBar(QString::fromUtf8("Biblioteksnamnet kan ej lagras: ") + chosen);
        } else {
            settings.dataDirectory = folder;
        }
    }
    ShowSettingsStatus();
}

QString TTomaMainForm::ChooseFolder(const QString& title, const QString& start) {
    return platform::ToQString(forms::ChooseDataDirectory(this, platform::FromQString(title),
                                                          platform::FromQString(start)));
}

void TTomaMainForm::buttonKonfigClick() {
    // The settings dialog for reports and labels plugs in here.
    ShowSettingsStatus();
    xMyMsgUpdate();
}

void TTomaMainForm::editbuttonClick() {
    const EditorStartOutcome outcome = StartTextEditor(platform::CurrentProgramLauncher());
    if (!outcome.started) {
        ShortBeep();
        doStatusBar(platform::ToQString(outcome.failureText));
    }
    xMyMsgUpdate();
}

void TTomaMainForm::infobuttonClick() {
    infoExecute();
}

void TTomaMainForm::infoExecute() {
    // The two about boxes plug in here (one of them at random).
}

void TTomaMainForm::quitbuttonClick() {
    closeExecute();
}

void TTomaMainForm::closeExecute() {
    close();
}

void TTomaMainForm::doTheClick(std::string_view address) {
    if (platform::CurrentShell().Open(address) <= kShellFailureLimit) {
        ShortBeep();
    }
}

void TTomaMainForm::Label1Click() {
    doTheClick("https://" + platform::FromQString(links_[0]->text()) + maker_links::kWebPage);
}

void TTomaMainForm::Label2Click() {
    doTheClick("mailto:" + platform::FromQString(links_[1]->text()) + "," +
               maker_links::kSecondMailAddress + "?subject=program: " + ProgramName.str());
}

void TTomaMainForm::Label3Click() {
    doTheClick("https://" + platform::FromQString(links_[2]->text()));
}

void TTomaMainForm::Label4Click() {
    doTheClick("https://" + platform::FromQString(links_[3]->text()));
}

void TTomaMainForm::Label5Click() {
    doTheClick(std::string(maker_links::kDocumentationFolder) + maker_links::kManualFile);
}

void TTomaMainForm::HighlightLink(LinkLabel* label) {
    saveCursor_ = platform::CurrentCursors().Current();
    saveColor_ = label->color();
    platform::CurrentCursors().Set(platform::CursorShape::kHand);
    label->setColor(kHighlightColour);
}

void TTomaMainForm::UnhighlightLink(LinkLabel* label) {
    platform::CurrentCursors().Set(saveCursor_);
    label->setColor(saveColor_);
}

// The label register and the giro slip registers plug in before the
// refresh of these four.
void TTomaMainForm::plusgiroMenuClick() {
    xMyMsgUpdate();
}

void TTomaMainForm::postgiroMenuClick() {
    xMyMsgUpdate();
}

void TTomaMainForm::bankgiroMenuClick() {
    xMyMsgUpdate();
}

void TTomaMainForm::etikettMenuClick() {
    xMyMsgUpdate();
}

}  // namespace oltoma
