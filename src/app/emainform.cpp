#include "app/emainform.h"

#include <QEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QStatusTipEvent>
#include <QVBoxLayout>

#include "app/anchored_controls.h"
#include "app/background_picture.h"
#include "app/generated_pictures.h"
#include "app/giro_menu_entry.h"
#include "app/link_label.h"
#include "app/menu_keys.h"
#include "app/menu_table.h"
#include "app/panel_status_bar.h"
#include "base/messages/message_owner_stack.h"
#include "base/messages/messages.h"
#include "base/settings/configuration_file.h"
#include "base/settings/maker_links.h"
#include "base/settings/settings_state.h"
#include "base/settings/window_scale.h"
#include "base/text/windows1252.h"
#include "labels/forms/giro_form_picture.h"
#include "platform/qt/form_fonts.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/up_down.h"
#include "platform/qt/window_handles.h"

namespace oltoma {
namespace {

const QColor kWindowColour(166, 202, 240);

// The build stamp that the bottom status bar shows first.
constexpr const char* kMakerLine = "oltoma tävlingskansli";
constexpr const char* kBuildDateTime = "2024-03-02 12.40";

QPushButton* MakeButton(const char* name, const QString& caption, const QString& hint,
                        QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    SetHint(button, hint);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

PanelStatusBar* MakeSettingsBar(const char* name, const QString& title, const QString& hint,
                                QWidget* parent) {
    auto* bar = new PanelStatusBar(name, {{200, true, title}, {345, false, {}}}, parent);
    SetHint(bar, hint);
    return bar;
}

// The picture of a giro menu entry, drawn at twice the entry's size.
QPixmap GiroPicture(labels::Tgirotyp kind) {
    return labels::forms::GiroFormPicture(kind, GiroMenuEntry::DesignSize() * 2);
}

}  // namespace

TTomaMainForm::TTomaMainForm(QWidget* parent) : QMainWindow(parent) {
    setObjectName("TTomaMainForm");
    setFont(WindowFont());
    CreateClientArea();
    CreateLinkLabels();
    CreateStatusBars();
    CreateButtonRow();
    CreateBaseMenu();
    new MenuBarKeys(this);
    move(kDesignedLeft, kDesignedTop);
}

TTomaMainForm::~TTomaMainForm() = default;

void TTomaMainForm::CreateClientArea() {
    auto* frame = new QWidget(this);
    frame->setObjectName("clientFrame");
    frameLayout_ = new QVBoxLayout(frame);
    frameLayout_->setContentsMargins(0, 0, 0, 0);
    frameLayout_->setSpacing(0);
    scrollArea_ = new QScrollArea(frame);
    scrollArea_->setFrameShape(QFrame::NoFrame);
    scrollArea_->setWidgetResizable(true);
    // Tab stops only at controls that show their focus.
    scrollArea_->setFocusPolicy(Qt::NoFocus);
    client_ = new QWidget;
    client_->setObjectName("clientArea");
    QPalette colours = client_->palette();
    colours.setColor(QPalette::Window, kWindowColour);
    client_->setPalette(colours);
    client_->setAutoFillBackground(true);
    scrollArea_->setWidget(client_);
    frameLayout_->addWidget(scrollArea_, 1);
    setCentralWidget(frame);
    anchors_ = new AnchoredControls(client_);
    for (int i = 0; i < kBackgroundPictures; ++i) {
        backgrounds_[i] = new BackgroundPicture(i + 1, client_);
    }
}

void TTomaMainForm::CreateLinkLabels() {
    using namespace maker_links;
    links_[0] = new LinkLabel("Label1", kWebSite, "gå till webbplatsen...", client_);
    links_[1] = new LinkLabel("Label2", kMailAddress, "skicka email till...", client_);
    links_[2] = new LinkLabel("Label3", kShop, "gå till webbplatsen...", client_);
    links_[3] = new LinkLabel("Label4", kBlog, "..gå till bloggen på brumlekvarn", client_);
    links_[4] =
        new LinkLabel("Label5", "manual och info", "gå till manual eller mer information", client_);
    const std::array<void (TTomaMainForm::*)(), 5> clicks = {
        &TTomaMainForm::Label1Click, &TTomaMainForm::Label2Click, &TTomaMainForm::Label3Click,
        &TTomaMainForm::Label4Click, &TTomaMainForm::Label5Click};
    for (std::size_t i = 0; i < links_.size(); ++i) {
        LinkLabel* label = links_[i];
        connect(label, &LinkLabel::clicked, this, clicks[i]);
        connect(label, &LinkLabel::mouseEntered, this, [this, label] { HighlightLink(label); });
        connect(label, &LinkLabel::mouseLeft, this, [this, label] { UnhighlightLink(label); });
    }
}

void TTomaMainForm::CreateStatusBars() {
    datadirstatusbar_ =
        MakeSettingsBar("datadirstatusbar", "databibliotek",
                        "databiblioteket för programmets filer och inställningar", client_);
    PrEnvStatusbar_ =
        MakeSettingsBar("PrEnvStatusbar", "rapportinställningar",
                        "aktuell inställning för rapporter till skrivaren mm", client_);
    etikettenvstatusbar_ = MakeSettingsBar(
        "etikettenvstatusbar", "etikettinställningar",
        "aktuella inställningar för utskrifter av etiketter och giroblanketter", client_);
    datastatusbar_ =
        MakeSettingsBar("datastatusbar", "aktuella data", "aktuell datainformation", client_);
    emainstatusbar1_ = new PanelStatusBar(
        "emainstatusbar1", {{200, true, {}}, {200, false, {}}, {50, true, {}}}, client_);
    emainstatusbar1_->installEventFilter(this);
}

void TTomaMainForm::CreateButtonRow() {
    buttonDataLib_ = MakeButton("buttonDataLib", "datadir",
                                "byt till mappen där datafilerna ska skapas eller finns", client_);
    buttonKonfig_ =
        MakeButton("buttonKonfig", "konfig", "konfigurera skrivare, fonter, etiketter mm", client_);
    editbutton_ = MakeButton("editbutton", "editor",
                             "starta en enkel texteditor för export och importfiler", client_);
    infobutton_ = MakeButton("infobutton", "info", "lite information ", client_);
    quitbutton_ = MakeButton("quitbutton", "avsluta", "avluta programmet", client_);
    connect(buttonDataLib_, &QPushButton::clicked, this, [this] { buttonDataLibClick(); });
    connect(buttonKonfig_, &QPushButton::clicked, this, [this] { buttonKonfigClick(); });
    connect(editbutton_, &QPushButton::clicked, this, [this] { editbuttonClick(); });
    connect(infobutton_, &QPushButton::clicked, this, [this] { infobuttonClick(); });
    connect(quitbutton_, &QPushButton::clicked, this, [this] { quitbuttonClick(); });

    EditFormScale_ = new QLineEdit("100", client_);
    EditFormScale_->setObjectName("EditFormScale");
    EditFormScale_->setMaxLength(3);
    EditFormScale_->setValidator(
        new QRegularExpressionValidator(QRegularExpression("[0-9]{0,3}"), EditFormScale_));
    SetHint(EditFormScale_,
            "skala för fönsterstorlek 100 är normalskalan, omstart krävs för "
            "ändringen att utföras");
    UpDown1_ = new UpDown("UpDown1", EditFormScale_, kMinimumWindowScale, kMaximumWindowScale, 10,
                          client_);
    // Tab goes along the row as it stands.
    const std::array<QWidget*, 6> row = {buttonDataLib_, buttonKonfig_,  editbutton_,
                                         infobutton_,    EditFormScale_, quitbutton_};
    for (std::size_t i = 1; i < row.size(); ++i) {
        QWidget::setTabOrder(row[i - 1], row[i]);
    }
}

void TTomaMainForm::CreateBaseMenu() {
    emainformmenu_ = new QMenu("xregister", this);
    emainformmenu_->setObjectName("emainformmenu");
    emainformmenu_->menuAction()->setObjectName("xregister");
    SetHint(emainformmenu_->menuAction(), "register för etikett- och giro- utskrifter");
    giroEntries_[0] =
        new GiroMenuEntry("plusgiroMenu", "plusgiro", "blankett 2021.02|blankett 2021.2",
                          GiroPicture(labels::Tgirotyp::plusgiro), emainformmenu_);
    giroEntries_[1] = new GiroMenuEntry("postgiroMenu", "postgiro", "blankett 2021.01",
                                        GiroPicture(labels::Tgirotyp::postgiro), emainformmenu_);
    giroEntries_[2] = new GiroMenuEntry("bankgiroMenu", "bankgiro", "",
                                        GiroPicture(labels::Tgirotyp::bankgiro), emainformmenu_);
    for (GiroMenuEntry* entry : giroEntries_) {
        emainformmenu_->addAction(entry);
    }
    emainformmenu_->addSeparator()->setObjectName("N9main");
    QAction* etikett = emainformmenu_->addAction("etikettregister");
    etikett->setObjectName("etikettMenu");
    SetHint(etikett, "adress- och bildregister");
    connect(giroEntries_[0], &QAction::triggered, this, [this] { plusgiroMenuClick(); });
    connect(giroEntries_[1], &QAction::triggered, this, [this] { postgiroMenuClick(); });
    connect(giroEntries_[2], &QAction::triggered, this, [this] { bankgiroMenuClick(); });
    connect(etikett, &QAction::triggered, this, [this] { etikettMenuClick(); });
    MergeBaseMenu();
}

void TTomaMainForm::AddTopBar(QWidget* bar) {
    frameLayout_->insertWidget(frameLayout_->count() - 1, bar);
}

void TTomaMainForm::MergeBaseMenu() {
    QMenuBar* bar = menuBar();
    QAction* merged = emainformmenu_->menuAction();
    const QList<QAction*> actions = bar->actions();
    if (!actions.isEmpty() && actions.back() == merged) {
        return;
    }
    bar->removeAction(merged);
    bar->addAction(merged);
}

void TTomaMainForm::ScaleDerivedControls(int) {}

void TTomaMainForm::ShowDataStatus(const QString& text) {
    datastatusbar_->setPanelText(1, text);
}

int TTomaMainForm::scaleControlPosition() const {
    return UpDown1_->position();
}

bool TTomaMainForm::ProgramInit(std::uint8_t ApgmI) {
    applicationKind_ = ApgmI;
    SetMessageLine(Windows1252FromUtf8(std::string(kMakerLine) + ", " + kBuildDateTime));
    if (!LoadConfiguration(ApgmI)) {
        return false;
    }
    GlobalSettings& settings = WorkingGlobalSettings();
    if (settings.windowLeft == 0) {
        settings.windowLeft = x();
    }
    if (settings.windowTop == 0) {
        settings.windowTop = y();
    }
    const int kind = applicationKind_ < kApplicationKinds ? applicationKind_ : 0;
    settings.currentNumber = settings.currentNumbers[kind];
    settings.dataDirectory = settings.dataDirectories[kind].view();
    xMyMsgUpdate();
    ShowSettingsStatus();
    return true;
}

void TTomaMainForm::ProgramExit() {
    GlobalSettings& settings = WorkingGlobalSettings();
    const int kind = applicationKind_ < kApplicationKinds ? applicationKind_ : 0;
    settings.dataDirectories[kind] = settings.dataDirectory.view();
    settings.currentNumbers[kind] = settings.currentNumber;
    settings.windowScale = static_cast<std::uint16_t>(UpDown1_->position());
    settings.windowLeft = x();
    settings.windowTop = y();
    SaveConfiguration();
}

void TTomaMainForm::TomaFormCreate() {
    const GlobalSettings& settings = WorkingGlobalSettings();
    PlaceWindow(settings.windowLeft, settings.windowTop);
    ApplyWindowScale();
    KeepOnScreen();
    UpDown1_->setPosition(chosenScale_);
    backgroundNumber_ = RandomBackgroundNumber();
    BackgroundPicture* picture = backgrounds_[backgroundNumber_ - 1];
    picture->show();
    picture->lower();
    platform::CurrentCursors().Set(kProgramCursorNumber);
    links_[2]->hide();
    PushMessageOwner(platform::HandleOf(this));
    ownerPushed_ = true;
    // Hints are shown as tool tips and in the bottom status bar throughout;
    // a menu's hint goes when the menu closes.
    for (QMenu* menu : menuBar()->findChildren<QMenu*>()) {
        connect(menu, &QMenu::aboutToHide, this, &TTomaMainForm::ClearHint);
    }
}

void TTomaMainForm::ClearHint() {
    emainstatusbar1_->setHintOverlay({});
}

void TTomaMainForm::TomaFormDestroy() {
    if (ownerPushed_) {
        PopMessageOwner();
        ownerPushed_ = false;
    }
}

void TTomaMainForm::doStatusBar(const QString& txt) {
    const QString text = txt.left(kMessageLength);
    if (text.isEmpty()) {
        return;
    }
    for (int i = emainstatusbar1_->panelCount() - 1; i >= 1; --i) {
        emainstatusbar1_->setPanelText(i, emainstatusbar1_->panelText(i - 1).left(kMessageLength));
    }
    emainstatusbar1_->setPanelText(0, text);
    emainstatusbar1_->setToolTip(text);
    messagesShown_ = true;
    ApplyMessagePanelWidths();
}

void TTomaMainForm::ApplyMessagePanelWidths() {
    // The newest message takes two shares of the bar, each older one one.
    const int n = emainstatusbar1_->panelCount();
    const int share = emainstatusbar1_->width() / (n + 1);
    for (int i = n - 1; i >= 1; --i) {
        emainstatusbar1_->setPanelWidth(i, share);
    }
    emainstatusbar1_->setPanelWidth(0, 2 * share);
}

void TTomaMainForm::xMyMsgUpdate() {
    if (MessageLine.view() != shownMessage_.view()) {
        shownMessage_ = MessageLine.view();
        doStatusBar(platform::ToQString(MessageLine.view()));
    }
    MergeBaseMenu();
}

void TTomaMainForm::ShowSettingsStatus() {
    const GlobalSettings& settings = WorkingGlobalSettings();
    datadirstatusbar_->setPanelText(1, platform::ToQString(settings.dataDirectory.view()));
    // The names come from the configuration file, which may hold anything.
    PrEnvStatusbar_->setPanelText(
        1,
        platform::ToQString(PrintablePrefix(settings.printNames[CurrentPrintNumber() - 1].view())));
    etikettenvstatusbar_->setPanelText(
        1, platform::ToQString(PrintablePrefix(settings.labelNames[CurrentLabelNumber()].view())));
}

bool TTomaMainForm::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::StatusTip:
            // The hint of the control or menu entry under the mouse.
            emainstatusbar1_->setHintOverlay(static_cast<QStatusTipEvent*>(event)->tip());
            return true;
        case QEvent::Leave:
        case QEvent::WindowDeactivate:
            // The pointer left the window, or a dialog took over: no control
            // is under the mouse any more.
            ClearHint();
            break;
        default:
            break;
    }
    return QMainWindow::event(event);
}

bool TTomaMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == emainstatusbar1_ && event->type() == QEvent::Resize && messagesShown_) {
        ApplyMessagePanelWidths();
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace oltoma
