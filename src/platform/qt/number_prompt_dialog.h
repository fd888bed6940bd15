// The one-line number dialog, laid out as its dialog template in dialog
// units (a dialog unit is 1/4 of the font's average character width across
// and 1/8 of its height down):
//
//   frame        borderless, 190 x 21 at (18, 18) from the owner's top left
//   static text  control 101 at (5, 7), 129 x 8, "Ange ett tal:"
//   edit field   control 102 at (138, 5), 49 x 12, "10001", 5 characters
//
// The prompt replaces the static text when it is not empty; the edit field
// shows the initial value. Enter closes the dialog with the number read from
// the field (ReadLeadingInteger), Escape closes it with the initial value.
#pragma once

#include <QDialog>

#include <string_view>

class QLabel;
class QLineEdit;

namespace oltoma::platform {

// Leading blanks, an optional sign, then digits up to the first other
// character; 0 when there are no digits. Values beyond the int range are
// cut to it.
int ReadLeadingInteger(std::string_view text);

class NumberPromptDialog final : public QDialog {
    Q_OBJECT
public:
    // `prompt` is Windows-1252.
    NumberPromptDialog(QWidget* owner, int initial, std::string_view prompt);

    // Runs the dialog modally and returns the number entered, or the
    // initial value when the user escapes.
    int AskNumber();

    QLabel* promptLabel() const { return label_; }
    QLineEdit* numberEdit() const { return edit_; }

private:
    int initial_;
    QLabel* label_;
    QLineEdit* edit_;
};

}  // namespace oltoma::platform
