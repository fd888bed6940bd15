// The base main window's placement and scale: ApplyWindowScale and the
// window's position at start.
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

#include "app/anchored_controls.h"
#include "app/background_picture.h"
#include "app/emainform.h"
#include "app/giro_menu_entry.h"
#include "app/link_label.h"
#include "app/panel_status_bar.h"
#include "base/messages/messages.h"
#include "base/settings/settings_state.h"
#include "base/settings/window_scale.h"
#include "base/text/windows1252.h"
#include "platform/qt/form_fonts.h"
#include "platform/qt/form_scaling.h"
#include "platform/qt/up_down.h"

namespace oltoma {
namespace {

constexpr int kButtonFontPixels = 16;
constexpr int kLinkFontPixels = 11;

QScreen* ScreenOf(QWidget* widget) {
    // The screen under the window's title bar: where it was placed.
    QScreen* screen = QGuiApplication::screenAt(widget->pos() + QPoint(40, 10));
    if (screen == nullptr) {
        screen = widget->screen();
    }
    return screen != nullptr ? screen : QGuiApplication::primaryScreen();
}

}  // namespace

QRect TTomaMainForm::AvailableScreenArea() const {
    const QScreen* screen = ScreenOf(const_cast<TTomaMainForm*>(this));
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

QSize TTomaMainForm::FrameSize() const {
    const QSize frame = frameGeometry().size();
    return frame != size() ? frame : size() + platform::kWindowFrameAllowance;
}

void TTomaMainForm::ApplyWindowScale() {
    WindowScale = kMinimumWindowScale;
    const QScreen* screen = ScreenOf(this);
    const QSize screenSize = screen != nullptr ? screen->geometry().size() : QSize();
    chosenScale_ = ChooseWindowScale(WorkingGlobalSettings().windowScale, screenSize.width(),
                                     screenSize.height());
    int scale = chosenScale_;
    ApplyScale(scale);
    // A window larger than the screen would leave its buttons out of reach:
    // the scale is lowered until it fits (the chosen scale stays stored).
    const QRect available = AvailableScreenArea();
    while (available.isValid() && scale > kMinimumWindowScale) {
        const QSize frame = FrameSize();
        const int fitting = ScaleThatFits(scale, frame.width(), frame.height(), available.width(),
                                          available.height());
        if (fitting >= scale) {
            break;
        }
        scale = fitting;
        ApplyScale(scale);
    }
    WindowScale = static_cast<std::int16_t>(scale);
    if (scale < chosenScale_) {
        SetMessageLine(
            Windows1252FromUtf8("Skalan begränsad till " + std::to_string(scale) + " för skärmen"));
        xMyMsgUpdate();
    }
}

void TTomaMainForm::ApplyScale(int scale) {
    layout_ = LayoutAtScale(scale);

    const QSize client(layout_.clientWidth, layout_.clientHeight);
    client_->setMinimumSize(client);
    client_->resize(client);
    ApplyFonts(scale);
    PlaceControls();
    ScaleDerivedControls(scale);
    int topBars = 0;
    for (int i = 0; i < frameLayout_->count() - 1; ++i) {
        if (QWidget* bar = frameLayout_->itemAt(i)->widget()) {
            topBars += std::max(bar->sizeHint().height(), bar->minimumHeight());
        }
    }
    // The designed size is also the smallest: a smaller window would cut
    // off the buttons.
    const QSize designed(client.width(),
                         client.height() + topBars + menuBar()->sizeHint().height());
    setMinimumSize(designed);
    resize(designed);
}

void TTomaMainForm::ApplyFonts(int scale) {
    setFont(platform::ScaledFont(WindowFont(), scale));
    const QFont menuFont = platform::ScaledFont(StatusBarFont(), scale);
    menuBar()->setFont(menuFont);
    for (QMenu* menu : findChildren<QMenu*>()) {
        menu->setFont(menuFont);
    }
    const QSize giroSize = platform::ScaledSize(GiroMenuEntry::DesignSize(), scale);
    for (GiroMenuEntry* entry : giroEntries_) {
        entry->setEntrySize(giroSize);
    }
    const QFont barFont = platform::ScaledFont(StatusBarFont(), scale);
    for (PanelStatusBar* bar : {datadirstatusbar_, PrEnvStatusbar_, etikettenvstatusbar_,
                                datastatusbar_, emainstatusbar1_}) {
        bar->setFont(barFont);
    }
    const QFont buttonFont = platform::ScaledFont(SansSerifFont(kButtonFontPixels, true), scale);
    for (QPushButton* button :
         {buttonDataLib_, buttonKonfig_, editbutton_, infobutton_, quitbutton_}) {
        button->setFont(buttonFont);
    }
    QFont linkFont = platform::ScaledFont(SansSerifFont(kLinkFontPixels), scale);
    linkFont.setUnderline(true);
    for (LinkLabel* label : links_) {
        label->setFont(linkFont);
    }
}

void TTomaMainForm::PlaceControls() {
    anchors_->Reset(QSize(layout_.clientWidth, layout_.clientHeight));
    links_[4]->setText("manual: oltoma");
    for (std::size_t i = 0; i < links_.size(); ++i) {
        anchors_->Place(links_[i], layout_.links[i]);
    }
    const std::array<PanelStatusBar*, 4> bars = {datadirstatusbar_, PrEnvStatusbar_,
                                                 etikettenvstatusbar_, datastatusbar_};
    for (std::size_t i = 0; i < bars.size(); ++i) {
        anchors_->Place(bars[i], layout_.statusBars[i]);
        bars[i]->setPanelWidth(0, layout_.statusPanel0Width);
    }
    anchors_->Place(buttonDataLib_, layout_.buttonDataLib);
    anchors_->Place(buttonKonfig_, layout_.buttonKonfig);
    anchors_->Place(editbutton_, layout_.editbutton);
    anchors_->Place(infobutton_, layout_.infobutton);
    anchors_->Place(EditFormScale_, layout_.editFormScale);
    anchors_->Place(UpDown1_, layout_.upDown);
    anchors_->Place(quitbutton_, layout_.quitbutton);
    anchors_->Place(emainstatusbar1_, layout_.bottomStatusBar);
    if (!messagesShown_) {
        const std::array<int, 3> widths = {200, 200, 50};
        for (std::size_t i = 0; i < widths.size(); ++i) {
            emainstatusbar1_->setPanelWidth(static_cast<int>(i),
                                            ScaledLength(widths[i], layout_.scale));
        }
    }
    for (BackgroundPicture* picture : backgrounds_) {
        anchors_->Place(picture, {0, 0, layout_.clientWidth, layout_.clientHeight,
                                  kAnchorLeft | kAnchorTop | kAnchorRight | kAnchorBottom});
    }
}

void TTomaMainForm::KeepOnScreen() {
    const QRect available = AvailableScreenArea();
    if (!available.isValid()) {
        return;
    }
    const QSize frame = FrameSize();
    const int left = std::clamp(x(), available.left(),
                                std::max(available.left(), available.right() + 1 - frame.width()));
    const int top = std::clamp(y(), available.top(),
                               std::max(available.top(), available.bottom() + 1 - frame.height()));
    move(left, top);
}

void TTomaMainForm::PlaceWindow(int left, int top) {
    // A position stored on a screen that is no longer there would leave the
    // window out of reach: then it opens where it was designed to.
    const QPoint titleBar(left + 40, top + 10);
    bool reachable = false;
    for (const QScreen* screen : QGuiApplication::screens()) {
        reachable = reachable || screen->availableGeometry().contains(titleBar);
    }
    if (!reachable) {
        left = kDesignedLeft;
        top = kDesignedTop;
    }
    move(left, top);
}

}  // namespace oltoma
