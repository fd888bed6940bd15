// Low-level access to the report writer's printer for the label and giro
// slip printers, which place everything themselves (usually in the
// low-metric mode: tenths of a millimetre, y up). Every drawing call does
// nothing once PrintAborted() is true or while no job runs.
#pragma once

#include <string_view>

#include "platform/print/canvas.h"

namespace oltoma {

// The canvas of the running job; null when it has no device context.
platform::Canvas* PrinterCanvas();

void PrinterSetMapMode(platform::MapMode mode);
// Text alignment top-left, with or without pen update.
void PrinterSetTextAlign(bool updatePosition);
void PrinterMoveTo(int x, int y);
// A black line from the pen position to (x, y) with a temporary pen width.
void PrinterLineTo(int x, int y, int penWidth);
// Text at (x, y), or at the pen with the pen-update alignment.
void PrinterTextOut(int x, int y, std::string_view text);
// DrawText of the canvas: measures (DrawTextFlag::kCalculateRect) or draws
// a text in a rectangle, with word break when asked. Measuring works also
// while drawing is not possible; returns the text block's height.
int PrinterDrawText(std::string_view text, platform::Rect& rect, unsigned flags);
// A new printer page of the running job.
void PrinterNewPage();
// Cancels the running job as the Cancel button of the progress dialog
// does: nothing of it is printed and PrintAborted() becomes true.
void PrinterAbort();
// The printable area of the current printer in device pixels.
int PrinterPageWidth();
int PrinterPageHeight();

}  // namespace oltoma
