// The placements of the base main window's controls at a window scale, and
// the choice of that scale. Pure arithmetic, no widgets: ApplyWindowScale
// puts the controls where these say.
//
// Design values at scale 100 (client coordinates in pixels):
//
//   control               left  top  width  height  anchored to
//   client area              -    -    545     312
//   Label1                 368   32      -       -   top, right
//   Label2                 364   48      -       -   top, right
//   Label3                  67   32      -       -   top, right
//   Label4                  90   48      -       -   top, right
//   Label5                 396   16      -       -   top, right
//   datadirstatusbar         0   64    545      22   left, top, right
//   PrEnvStatusbar           0   96    545      22   left, top, right
//   etikettenvstatusbar      0  128    545      22   left, top, right
//   datastatusbar            0  160    545      22   left, top, right
//     (panel 0 of these four is 200 wide)
//   buttonDataLib           16  row     81      28   left, bottom
//   buttonKonfig      gap after     73      28   left, bottom
//   editbutton        gap after     65      28   left, bottom
//   infobutton        gap after     57      28   left, bottom
//   EditFormScale     gap after     41      21   left, bottom
//   UpDown1        right after     16      21   left, bottom
//   quitbutton             450  row     75      28   right, bottom
//   emainstatusbar1          0  bottom 545      19   left, right, bottom
//
// At scale s every design value becomes round(value * s / 100); the gap is
// round(16 * s / 100); the row's top edge is the client height minus
// (3 * the bottom bar's height div 2 + the button height): 256 at scale 100.
#pragma once

#include <array>

namespace oltoma {

inline constexpr int kDesignClientWidth = 545;
inline constexpr int kDesignClientHeight = 312;
inline constexpr int kDesignStatusPanel0Width = 200;
inline constexpr int kDesignButtonGap = 16;
inline constexpr int kDesignQuitLeft = 450;

// Edges the control keeps its distance to when the client area changes size.
enum Anchor : unsigned {
    kAnchorLeft = 1,
    kAnchorTop = 2,
    kAnchorRight = 4,
    kAnchorBottom = 8,
};

struct Placement {
    int left = 0;
    int top = 0;
    int width = 0;  // 0: the control's own size (link labels)
    int height = 0;
    unsigned anchors = kAnchorLeft | kAnchorTop;

    int right() const { return left + width; }
    friend bool operator==(const Placement&, const Placement&) = default;
};

struct BaseWindowLayout {
    int scale = 100;
    int clientWidth = 0;
    int clientHeight = 0;
    std::array<Placement, 5> links;       // Label1..Label5
    std::array<Placement, 4> statusBars;  // data dir, print, label, data
    int statusPanel0Width = 0;
    Placement buttonDataLib;
    Placement buttonKonfig;
    Placement editbutton;
    Placement infobutton;
    Placement editFormScale;
    Placement upDown;
    Placement quitbutton;
    Placement bottomStatusBar;
};

// Where every control of the base window stands at scale percent.
BaseWindowLayout LayoutAtScale(int scale);

// The scale that fits the screen: m := the smaller of screen width div 545
// and screen height div 312; round(100 * max(1, m / 3)). 1920 x 1080 gives
// 100, 2560 x 1440 133, 3840 x 2160 200.
int AutomaticWindowScale(int screenWidth, int screenHeight);

// The stored scale when it lies within 100..300, otherwise the automatic
// scale (a new configuration stores 1).
int ChooseWindowScale(int storedScale, int screenWidth, int screenHeight);

// The largest scale from 100 up to `scale` at which the window fits the
// available area of the screen, when the window (frame included) measures
// width x height at `scale` and grows in proportion to the scale; 100 when
// not even that fits (the window can be no smaller).
int ScaleThatFits(int scale, int width, int height, int availableWidth, int availableHeight);

}  // namespace oltoma
