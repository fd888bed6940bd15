// Scales a form as it is created: every dialog of the program applies the
// window scale (WindowScale, base/settings/window_scale.h) this way, as the main
// window does.
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

class QWidget;

namespace oltoma::platform {

// Room for a window manager's frame (title bar and borders) around a window
// that has none yet.
inline constexpr QSize kWindowFrameAllowance(12, 40);

// Multiplies the form's size, minimum and maximum size and font, and the
// position, size, minimum and maximum size and font of every widget inside
// it, and its layouts' margins and spacing, by percent / 100 (each length
// rounded). Every widget's font is scaled once from what it showed before,
// whether it was its own or inherited. The form keeps its position on the
// screen. Nothing changes at 100 percent or for a percent below 1.
//
// A form that would not fit the available area of its screen (its owner's
// screen, with room for a frame) is scaled by the largest percent that
// fits, but never below 100: the scale of a large screen never takes a
// dialog's buttons out of reach on a smaller one.
void ScaleForm(QWidget* form, int percent);

// The percent ScaleForm applies to the form: `percent`, lowered as far as
// needed for the form to fit the available area of its screen (not below
// 100).
int FittingPercent(const QWidget* form, int percent);

QRect ScaledRect(const QRect& rect, int percent);
QSize ScaledSize(const QSize& size, int percent);
// Pixel sizes are rounded to whole pixels, point sizes keep fractions.
QFont ScaledFont(const QFont& font, int percent);

}  // namespace oltoma::platform
