#include "app/base_window_layout.h"

#include <algorithm>
#include <cmath>

#include "base/settings/window_scale.h"

namespace oltoma {
namespace {

constexpr int kStatusBarHeight = 22;
constexpr int kButtonHeight = 28;
constexpr int kEditHeight = 21;
constexpr int kBottomBarHeight = 19;

struct LinkDesign {
    int left;
    int top;
};
constexpr std::array<LinkDesign, 5> kLinkDesigns = {
    {{368, 32}, {364, 48}, {67, 32}, {90, 48}, {396, 16}}};
constexpr std::array<int, 4> kStatusBarTops = {64, 96, 128, 160};

// The next control of the button row: `gap` after the right edge of the one
// before it.
Placement After(const Placement& before, int gap, int width, int height) {
    return {before.right() + gap, before.top, width, height, kAnchorLeft | kAnchorBottom};
}

}  // namespace

BaseWindowLayout LayoutAtScale(int scale) {
    auto scaled = [scale](int value) { return ScaledLength(value, scale); };
    BaseWindowLayout layout;
    layout.scale = scale;
    layout.clientWidth = scaled(kDesignClientWidth);
    layout.clientHeight = scaled(kDesignClientHeight);

    for (std::size_t i = 0; i < kLinkDesigns.size(); ++i) {
        layout.links[i] = {scaled(kLinkDesigns[i].left), scaled(kLinkDesigns[i].top), 0, 0,
                           kAnchorTop | kAnchorRight};
    }
    for (std::size_t i = 0; i < kStatusBarTops.size(); ++i) {
        layout.statusBars[i] = {0, scaled(kStatusBarTops[i]), layout.clientWidth,
                                scaled(kStatusBarHeight), kAnchorLeft | kAnchorTop | kAnchorRight};
    }
    layout.statusPanel0Width = scaled(kDesignStatusPanel0Width);

    const int bottomBarHeight = scaled(kBottomBarHeight);
    const int buttonHeight = scaled(kButtonHeight);
    const int editHeight = scaled(kEditHeight);
    const int rowTop = layout.clientHeight - (3 * bottomBarHeight / 2 + buttonHeight);
    const int gap = scaled(kDesignButtonGap);
    layout.buttonDataLib = {gap, rowTop, scaled(81), buttonHeight, kAnchorLeft | kAnchorBottom};
    layout.buttonKonfig = After(layout.buttonDataLib, gap, scaled(73), buttonHeight);
    layout.editbutton = After(layout.buttonKonfig, gap, scaled(65), buttonHeight);
    layout.infobutton = After(layout.editbutton, gap, scaled(57), buttonHeight);
    layout.editFormScale = After(layout.infobutton, gap, scaled(41), editHeight);
    layout.upDown = After(layout.editFormScale, 0, scaled(16), editHeight);
    layout.quitbutton = {scaled(kDesignQuitLeft), rowTop, scaled(75), buttonHeight,
                         kAnchorRight | kAnchorBottom};
    layout.bottomStatusBar = {0, layout.clientHeight - bottomBarHeight, layout.clientWidth,
                              bottomBarHeight, kAnchorLeft | kAnchorRight | kAnchorBottom};
    return layout;
}

int AutomaticWindowScale(int screenWidth, int screenHeight) {
    const int fits = std::min(screenWidth / kDesignClientWidth, screenHeight / kDesignClientHeight);
    const double factor = std::max(1.0, fits / 3.0);
    return static_cast<int>(std::lround(100.0 * factor));
}

int ChooseWindowScale(int storedScale, int screenWidth, int screenHeight) {
    if (storedScale >= kMinimumWindowScale && storedScale <= kMaximumWindowScale) {
        return storedScale;
    }
    return AutomaticWindowScale(screenWidth, screenHeight);
}

int ScaleThatFits(int scale, int width, int height, int availableWidth, int availableHeight) {
    if (width <= 0 || height <= 0 || (width <= availableWidth && height <= availableHeight)) {
        return scale;
    }
    // Whole percents, rounded down, so that the window is never too large.
    const long long byWidth = static_cast<long long>(scale) * availableWidth / width;
    const long long byHeight = static_cast<long long>(scale) * availableHeight / height;
    const long long fitting = std::min({byWidth, byHeight, static_cast<long long>(scale)});
    return static_cast<int>(std::max<long long>(kMinimumWindowScale, fitting));
}

}  // namespace oltoma
