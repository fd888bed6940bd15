// The main window's tool bar ToolBar1: four buttons 149 pixels wide with
// their captions beside their images, and separators, in one row that is
// cut at the window's right edge rather than wrapped.
//
//   control       left  width   (at scale 100; height 22, bar 26)
//   tbDistrikt       0   149
//   tbKlubbar      149   149
//   tbDeltagare    298   149
//   ToolButton2    447     8    separator
//   ToolButton4    455     8    separator
//   tbKopiera      463   149
//   ToolButton1    612     8    separator
#include <QFrame>
#include <QStyleOptionToolButton>
#include <QStylePainter>
#include <QToolButton>

#include "app/generated_pictures.h"
#include "app/olmainform.h"
#include "base/settings/window_scale.h"
#include "platform/qt/form_fonts.h"
#include "platform/qt/form_scaling.h"

namespace oltoma {
namespace {

constexpr int kBarHeight = 26;
constexpr int kButtonTop = 2;
constexpr int kButtonHeight = 22;
constexpr int kButtonWidth = 149;
constexpr int kSeparatorWidth = 8;
constexpr int kImageSize = 16;
constexpr int kFontPixels = 13;

struct ToolSlot {
    const char* name;
    int left;
    int width;
};

constexpr ToolSlot kSlots[] = {
    {"tbDistrikt", 0, kButtonWidth},       {"tbKlubbar", 149, kButtonWidth},
    {"tbDeltagare", 298, kButtonWidth},    {"ToolButton2", 447, kSeparatorWidth},
    {"ToolButton4", 455, kSeparatorWidth}, {"tbKopiera", 463, kButtonWidth},
    {"ToolButton1", 612, kSeparatorWidth},
};

// A tool button in list style: its image at the left edge and its caption
// right after it.
class ListToolButton : public QToolButton {
public:
    using QToolButton::QToolButton;

protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        QStyleOptionToolButton option;
        initStyleOption(&option);
        const bool raised = option.state & (QStyle::State_MouseOver | QStyle::State_Sunken);
        if (raised && isEnabled()) {
            painter.drawPrimitive(QStyle::PE_PanelButtonTool, option);
        }
        const int margin = height() / 8 + 1;
        const QSize image = iconSize();
        const QRect imageArea(margin, (height() - image.height()) / 2, image.width(),
                              image.height());
        icon().paint(&painter, imageArea, Qt::AlignCenter,
                     isEnabled() ? QIcon::Normal : QIcon::Disabled);
        const QRect textArea(imageArea.right() + 1 + margin, 0,
                             width() - imageArea.right() - 1 - 2 * margin, height());
        painter.drawItemText(textArea, Qt::AlignLeft | Qt::AlignVCenter, palette(), isEnabled(),
                             text(), QPalette::ButtonText);
    }
};

QToolButton* MakeToolButton(const char* name, QWidget* bar) {
    auto* button = new ListToolButton(bar);
    button->setObjectName(name);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

void MakeSeparator(const char* name, QWidget* bar) {
    auto* separator = new QFrame(bar);
    separator->setObjectName(name);
    separator->setFrameShape(QFrame::VLine);
    separator->setFrameShadow(QFrame::Sunken);
}

}  // namespace

void TMainForm::CreateToolBar() {
    ToolBar1_ = new QWidget(this);
    ToolBar1_->setObjectName("ToolBar1");
    tbDistrikt_ = MakeToolButton("tbDistrikt", ToolBar1_);
    tbKlubbar_ = MakeToolButton("tbKlubbar", ToolBar1_);
    tbDeltagare_ = MakeToolButton("tbDeltagare", ToolBar1_);
    MakeSeparator("ToolButton2", ToolBar1_);
    MakeSeparator("ToolButton4", ToolBar1_);
    tbKopiera_ = MakeToolButton("tbKopiera", ToolBar1_);
    MakeSeparator("ToolButton1", ToolBar1_);
    AddTopBar(ToolBar1_);
    ScaleDerivedControls(100);
}

void TMainForm::ScaleDerivedControls(int scale) {
    auto scaled = [scale](int value) { return ScaledLength(value, scale); };
    ToolBar1_->setFixedHeight(scaled(kBarHeight));
    ToolBar1_->setFont(platform::ScaledFont(SansSerifFont(kFontPixels, true), scale));
    for (const ToolSlot& slot : kSlots) {
        auto* control = ToolBar1_->findChild<QWidget*>(slot.name);
        control->setGeometry(scaled(slot.left), scaled(kButtonTop), scaled(slot.width),
                             scaled(kButtonHeight));
        if (auto* button = qobject_cast<QToolButton*>(control)) {
            button->setIconSize(QSize(scaled(kImageSize), scaled(kImageSize)));
        }
    }
}

}  // namespace oltoma
