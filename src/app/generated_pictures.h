// The program's own pictures, drawn in code so that no binary files are
// needed: the twelve background pictures of the main window (fragments of
// an orienteering map with a course), the twelve tool button images
// (toolbuttonlist), the program's mouse cursor "oltomaW_cr", and the
// pictures of the splash window and the about boxes.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace oltoma {

inline constexpr int kBackgroundPictures = 12;
inline constexpr int kToolButtonImages = 12;

// Background picture number 1..12 drawn at the given size; areas between
// the map's features are transparent, so the window colour shows through.
QPixmap DrawBackgroundPicture(int number, QSize size);

// Tool button image 0..11: 0 compass, 1 control flag, 2 map, 3 clock,
// 4 printer, 5 folder, 6 district, 7 person, 8 club, 9 list,
// 10 participants, 11 copy.
QIcon ToolButtonImage(int index);

// The program's cursor: an arrow carrying a control flag.
QCursor ProgramCursor();

// The pictures of the splash window and the about boxes: a map fragment on
// paper, the control flag, and the program's name with its version.
QPixmap MapPicture(QSize size);
QPixmap FlagPicture(QSize size);
QPixmap NamePicture(QSize size);

// The colours of an orienteering map.
namespace MapColour {
inline const QColor kContour(186, 110, 40);
inline const QColor kWater(70, 160, 230);
inline const QColor kOpenLand(250, 200, 80);
inline const QColor kCourse(190, 30, 150);
inline const QColor kFlagOrange(245, 120, 20);
}  // namespace MapColour

}  // namespace oltoma
