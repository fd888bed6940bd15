// What is typed is what is stored. Every edit field of a dialog that fills
// a stored text field takes at most that field's length, counted in the
// Windows-1252 bytes the field stores, and only characters the code page
// has: a character that would be stored as "?" or a character beyond the
// length is refused as it is typed (and a pasted text that does not fit is
// refused whole, so nothing vanishes silently on OK).
//
//   platform::LimitToStoredField(edArr, decltype(InfoRec::Arr)::kCapacity);
#pragma once

#include <QValidator>

class QComboBox;
class QLineEdit;

namespace oltoma::platform {

// Accepts text of at most `length` characters, each with a Windows-1252
// byte.
class StoredTextValidator final : public QValidator {
    Q_OBJECT
public:
    StoredTextValidator(int length, QObject* parent);

    int length() const { return length_; }
    State validate(QString& input, int& position) const override;

private:
    int length_;
};

// Whether every character of `text` has a Windows-1252 byte.
bool FitsWindows1252(const QString& text);

// Limits the field (its maximum length and a StoredTextValidator).
void LimitToStoredField(QLineEdit* edit, int length);
// The same for the edit field of an editable combo box.
void LimitToStoredField(QComboBox* box, int length);

// The limit set by LimitToStoredField, 0 when the field has none.
int StoredFieldLimit(const QLineEdit* edit);

}  // namespace oltoma::platform
