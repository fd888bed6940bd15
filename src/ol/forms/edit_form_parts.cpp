#include "ol/forms/edit_form_parts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStatusBar>

#include "base/forms/form_parts.h"
#include "base/text/swedish_case.h"
#include "platform/qt/field_limits.h"
#include "platform/qt/qt_text.h"

namespace oltoma::ol {

void AddFieldLabel(QWidget* form, const char* text, QPoint at) {
    auto* label = new QLabel(QString::fromUtf8(text), form);
    label->move(at);
    label->adjustSize();
}

namespace {

QLineEdit* AddLineEdit(QWidget* form, const char* name, QRect geometry, const char* hint) {
    auto* edit = new QLineEdit(form);
    edit->setObjectName(name);
    edit->setGeometry(geometry);
    forms::SetHint(edit, QString::fromUtf8(hint));
    return edit;
}

}  // namespace

QLineEdit* AddStoredTextEdit(QWidget* form, const char* name, QRect geometry, int storedLength,
                             const char* hint) {
    QLineEdit* edit = AddLineEdit(form, name, geometry, hint);
    platform::LimitToStoredField(edit, storedLength);
    return edit;
}

QLineEdit* AddNumberEdit(QWidget* form, const char* name, QRect geometry, int digits,
                         const char* hint) {
    QLineEdit* edit = AddLineEdit(form, name, geometry, hint);
    edit->setMaxLength(digits);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), edit));
    return edit;
}

QPushButton* AddDialogButton(QWidget* form, const char* name, const char* caption, QPoint at) {
    auto* button = new QPushButton(QString::fromUtf8(caption), form);
    button->setObjectName(name);
    button->setGeometry(at.x(), at.y(), 75, 25);
    button->setAutoDefault(false);
    return button;
}

void WidenFormToHold(QWidget* form, const QWidget* part, QStatusBar* bar) {
    const int needed = part->x() + part->width() + part->x();
    if (needed > form->width()) {
        form->setFixedWidth(needed);
    }
    bar->setGeometry(0, bar->y(), form->width(), bar->height());
}

QString KeyMessage(std::string_view lead, std::string_view key, std::string_view tail) {
    return QString::fromUtf8(lead.data(), static_cast<qsizetype>(lead.size())) + "\"" +
           platform::ToQString(key) + "\"" +
           QString::fromUtf8(tail.data(), static_cast<qsizetype>(tail.size()));
}

QString DuplicateText(std::string_view lead, std::string_view key) {
    return KeyMessage(lead, key, " Måste vara unik.");
}

std::string StoredUpper(const QString& text) {
    if (text.trimmed().isEmpty()) {
        return {};
    }
    return UpperString(platform::FromQString(text));
}

}  // namespace oltoma::ol
