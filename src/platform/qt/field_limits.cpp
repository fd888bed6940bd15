#include "platform/qt/field_limits.h"

#include <QComboBox>
#include <QLineEdit>

#include "platform/qt/qt_text.h"

namespace oltoma::platform {

StoredTextValidator::StoredTextValidator(int length, QObject* parent)
    : QValidator(parent), length_(length) {}

QValidator::State StoredTextValidator::validate(QString& input, int&) const {
    if (input.size() > length_ || !FitsWindows1252(input)) {
        return Invalid;
    }
    return Acceptable;
}

bool FitsWindows1252(const QString& text) {
    return ToQString(FromQString(text)) == text;
}

void LimitToStoredField(QLineEdit* edit, int length) {
    if (edit == nullptr) {
        return;
    }
    edit->setMaxLength(length);
    edit->setValidator(new StoredTextValidator(length, edit));
}

void LimitToStoredField(QComboBox* box, int length) {
    if (box != nullptr) {
        LimitToStoredField(box->lineEdit(), length);
    }
}

int StoredFieldLimit(const QLineEdit* edit) {
    const auto* validator =
        edit != nullptr ? qobject_cast<const StoredTextValidator*>(edit->validator()) : nullptr;
    return validator != nullptr ? validator->length() : 0;
}

}  // namespace oltoma::platform
