// Parts the register edit dialogs (districts, controls, courses) share.
// Geometry is in designed pixels; the form scales itself afterwards.
#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

#include <string>
#include <string_view>
#include <type_traits>

class QLineEdit;
class QPushButton;
class QStatusBar;
class QWidget;

namespace oltoma::ol {

// A label whose top-left is at `at`.
void AddFieldLabel(QWidget* form, const char* text, QPoint at);

// The characters a text field of a record stores (of each entry, for an
// array of texts):
//   StoredLength(&DistrRec::Dname) == 19
template <typename Record, typename Text>
constexpr int StoredLength(Text Record::*) {
    return static_cast<int>(std::remove_all_extents_t<Text>::kCapacity);
}

// An edit field of a stored text field with its hint: it takes at most
// storedLength characters, each with a Windows-1252 byte, so what is typed
// is what is stored.
QLineEdit* AddStoredTextEdit(QWidget* form, const char* name, QRect geometry, int storedLength,
                             const char* hint);

// An edit field of at most `digits` decimal digits with its hint.
QLineEdit* AddNumberEdit(QWidget* form, const char* name, QRect geometry, int digits,
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
