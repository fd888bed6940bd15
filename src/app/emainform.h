// TTomaMainForm, the base main window: everything of the main window that is
// not about orienteering. It starts and ends the program's settings
// (ProgramInit, ProgramExit), shows the data directory, the print and label
// settings and the data status in four status bars and the latest three
// messages in the bottom status bar, offers the button row (datadir,
// konfig, editor, info, the window scale, avsluta), five link labels, a
// background picture chosen at random, and the "xregister" menu of label and
// giro slip registers, which it merges into the window's menu bar.
//
// The derived window calls ProgramInit first and TomaFormCreate last when it
// is created, and ProgramExit and TomaFormDestroy when it is destroyed.
//
// Client area, at scale 100 (placements in base_window_layout.h):
//
//   +--------------------------------------------------------------+
//   |  Label3  Label4               Label5 / Label1 / Label2        |  0..64
//   |  [databibliotek        ][<data directory>                  ] |  64
//   |  [rapportinställningar ][<print setting>                   ] |  96
//   |  [etikettinställningar ][<label setting>                   ] |  128
//   |  [aktuella data        ][<data status>                     ] |  160
//   |                                                              |
//   |  [datadir] [konfig] [editor] [info] [100][^v]    [avsluta]   |  256
//   |  [newest message          ][previous      ][before that    ] |  293
//   +--------------------------------------------------------------+
#pragma once

#include <QColor>
#include <QMainWindow>
#include <QRect>
#include <QSize>

#include <array>
#include <cstdint>
#include <string_view>

#include "app/base_window_layout.h"
#include "base/text/short_string.h"
#include "platform/qt/program_cursor.h"

class QLineEdit;
class QMenu;
class QPushButton;
class QScrollArea;
class QVBoxLayout;

namespace oltoma {

class AnchoredControls;
class BackgroundPicture;
class GiroMenuEntry;
class LinkLabel;
class PanelStatusBar;
class UpDown;

class TTomaMainForm : public QMainWindow {
    Q_OBJECT

public:
    // Where the window stands before any position is stored.
    static constexpr int kDesignedLeft = 160;
    static constexpr int kDesignedTop = 100;
    static constexpr int kMessageLength = 160;

    explicit TTomaMainForm(QWidget* parent = nullptr);
    ~TTomaMainForm() override;

    // Start of the settings for the application kind: loads the
    // configuration (LoadConfiguration), takes the kind's current number and
    // data directory, remembers the window's position where none is stored,
    // and shows the message line and the settings. Returns false only when
    // memory is short ("Minnesbrist!!" has been shown): the program then
    // ends with kOutOfMemoryExitCode.
    bool ProgramInit(std::uint8_t ApgmI);
    // End of the settings: stores the kind's data directory and current
    // number, the window scale (UpDown1) and the window's position, and
    // writes the configuration file.
    void ProgramExit();
    // Places and scales the window, shows a background picture, sets the
    // program's cursor and makes the window the owner of message boxes.
    void TomaFormCreate();
    void TomaFormDestroy();

    // Shows txt (cut to 160 characters) as the newest message of the bottom
    // status bar, the older two moving one panel to the right. An empty text
    // changes nothing.
    void doStatusBar(const QString& txt);
    // Shows MessageLine when it differs from the text shown last, and merges
    // the base menu into the window's menu bar again.
    void xMyMsgUpdate();
    // Data directory, print setting and label setting into the status bars.
    void ShowSettingsStatus();
    // Opens a web or mail address (Windows-1252) through the desktop; beeps
    // when it cannot.
    void doTheClick(std::string_view address);
    void closeExecute();
    void infoExecute();

    // The placements applied by ApplyWindowScale.
    const BaseWindowLayout& layoutApplied() const { return layout_; }
    // The background picture shown (1..11), 0 before TomaFormCreate.
    int backgroundNumber() const { return backgroundNumber_; }
    // The window scale of UpDown1: the scale chosen (stored or automatic),
    // even when the window shows a smaller one to fit the screen.
    int scaleControlPosition() const;

protected:
    // A bar of the derived window (its tool bar) above the client area.
    void AddTopBar(QWidget* bar);
    // Puts the "xregister" menu (back) at the end of the menu bar.
    void MergeBaseMenu();
    // Scales what the derived window adds (called by ApplyWindowScale).
    virtual void ScaleDerivedControls(int scale);
    // The part of the screen windows may use (without panels), on the
    // screen under the window's title bar; tests give a screen of their own.
    virtual QRect AvailableScreenArea() const;
    // Panel 1 of datastatusbar: the derived window's data status text.
    void ShowDataStatus(const QString& text);

    // Button commands; the derived window wraps the first two.
    virtual void buttonDataLibClick();
    virtual void infobuttonClick();
    void buttonKonfigClick();
    void editbuttonClick();
    void quitbuttonClick();

    // The folder dialog of "datadir": the chosen folder, or empty when the
    // user cancels.
    virtual QString ChooseFolder(const QString& title, const QString& start);
    // Which about box "info" shows: 0 TAboutBox, 1 TAboutBoxX, at random.
    virtual int AboutBoxChoice();

    void Label1Click();
    void Label2Click();
    void Label3Click();
    void Label4Click();
    void Label5Click();

    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateClientArea();
    void CreateStatusBars();
    void CreateButtonRow();
    void CreateLinkLabels();
    void CreateBaseMenu();
    // Chooses the scale (the stored one or the automatic one), limited to
    // what fits the available screen area; WindowScale := the scale shown.
    // A limited scale is reported in MessageLine.
    void ApplyWindowScale();
    void ApplyScale(int scale);
    // The window's size with its frame (an allowance before it has one).
    QSize FrameSize() const;
    // Moves a window that stands partly off the available area onto it.
    void KeepOnScreen();
    void ApplyFonts(int scale);
    void PlaceControls();
    void PlaceWindow(int left, int top);
    void ApplyMessagePanelWidths();
    // The bottom status bar shows its messages again instead of a hint.
    void ClearHint();
    void HighlightLink(LinkLabel* label);
    void UnhighlightLink(LinkLabel* label);
    void plusgiroMenuClick();
    void postgiroMenuClick();
    void bankgiroMenuClick();
    void etikettMenuClick();

    std::uint8_t applicationKind_ = 0;
    MyMsgStrng shownMessage_;  // the text the bottom status bar showed last
    bool messagesShown_ = false;
    bool ownerPushed_ = false;
    int backgroundNumber_ = 0;
    int chosenScale_ = 100;
    BaseWindowLayout layout_ = LayoutAtScale(100);

    QVBoxLayout* frameLayout_ = nullptr;
    QScrollArea* scrollArea_ = nullptr;
    QWidget* client_ = nullptr;
    AnchoredControls* anchors_ = nullptr;
    std::array<BackgroundPicture*, 12> backgrounds_{};
    std::array<LinkLabel*, 5> links_{};
    PanelStatusBar* datadirstatusbar_ = nullptr;
    PanelStatusBar* PrEnvStatusbar_ = nullptr;
    PanelStatusBar* etikettenvstatusbar_ = nullptr;
    PanelStatusBar* datastatusbar_ = nullptr;
    PanelStatusBar* emainstatusbar1_ = nullptr;
    QPushButton* buttonDataLib_ = nullptr;
    QPushButton* buttonKonfig_ = nullptr;
    QPushButton* editbutton_ = nullptr;
    QPushButton* infobutton_ = nullptr;
    QPushButton* quitbutton_ = nullptr;
    QLineEdit* EditFormScale_ = nullptr;
    UpDown* UpDown1_ = nullptr;
    QMenu* emainformmenu_ = nullptr;
    std::array<GiroMenuEntry*, 3> giroEntries_{};

    int saveCursor_ = 0;
    QColor saveColor_;
};

}  // namespace oltoma
