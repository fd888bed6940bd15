// Parts the register edit dialogs (districts, controls, courses) share.
// Geometry is in designed pixels; the form scales itself afterwards.
#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

#include <string>
#include <string_view>

class QLineEdit;
class QPushButton;
class QStatusBar;
class QWidget;

namespace oltoma::ol {

// A label whose top-left is at `at`.
void AddFieldLabel(QWidget* form, const char* text, QPoint at);

// An edit field of at most maxLength characters with its hint.
QLineEdit* AddLineEdit(QWidget* form, const char* name, QRect geometry, int maxLength,
                       const char* hint);

// A 75 x 25 button that is not the default.
QPushButton* AddDialogButton(QWidget* form, const char* name, const char* caption, QPoint at);

// Widens the form, when it must, to hold `part` with the margin on its
// right that it has on its left, and stretches the hint bar across.
void WidenFormToHold(QWidget* form, const QWidget* part, QStatusBar* bar);

// lead, the key (Windows-1252) in double quotes, then tail: the text of a
// refused key.
QString KeyMessage(std::string_view lead, std::string_view key, std::string_view tail);

// "<lead>"<key>" Måste vara unik.": a key that another record has.
QString DuplicateText(std::string_view lead, std::string_view key);

// The text of a field or cell as stored: Windows-1252, upper case; a text
// of blanks only is empty.
std::string StoredUpper(const QString& text);

}  // namespace oltoma::ol
