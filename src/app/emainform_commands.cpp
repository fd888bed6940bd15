// The base main window's commands: its buttons, link labels and the
// "xregister" menu.
#include <random>

#include "app/about32.h"
#include "app/aboutX32.h"
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
#include "labels/forms/eetikettreg32.h"
#include "labels/forms/egiroreg32.h"
#include "platform/qt/qt_text.h"
#include "print/forms/ekonfig32.h"

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
    forms::RunSettingsDialog(this);
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
    if (AboutBoxChoice() == 0) {
        TAboutBox box(this);
        box.exec();
    } else {
        TAboutBoxX box(this);
        box.exec();
    }
}

int TTomaMainForm::AboutBoxChoice() {
    std::random_device seed;
    return std::uniform_int_distribution<int>(0, 1)(seed);
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

void TTomaMainForm::plusgiroMenuClick() {
    labels::forms::OpenGiroRegister(labels::Tgirotyp::plusgiro, this);
    xMyMsgUpdate();
}

void TTomaMainForm::postgiroMenuClick() {
    labels::forms::OpenGiroRegister(labels::Tgirotyp::postgiro, this);
    xMyMsgUpdate();
}

void TTomaMainForm::bankgiroMenuClick() {
    labels::forms::OpenGiroRegister(labels::Tgirotyp::bankgiro, this);
    xMyMsgUpdate();
}

void TTomaMainForm::etikettMenuClick() {
    labels::forms::OpenLabelRegister(this);
    xMyMsgUpdate();
}

}  // namespace oltoma
