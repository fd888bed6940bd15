#include "labels/forms/limited_memo.h"

#include <QTextCursor>

#include <algorithm>

#include "labels/stored_text.h"
#include "platform/qt/qt_text.h"

namespace oltoma::labels::forms {

LimitedMemo::LimitedMemo(const QString& name, std::size_t limit, QWidget* parent)
    : QPlainTextEdit(parent), limit_(limit) {
    setObjectName(name);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    // Tab goes on to the next control, as in every other field of the
    // dialog; a tab character has no place on a label or a slip.
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, &LimitedMemo::KeepWithinLimit);
}

void LimitedMemo::setStoredText(std::string_view stored) {
    setPlainText(platform::ToQString(EditorLines(StoredLines(stored, limit_))));
}

std::string LimitedMemo::storedText(std::size_t length) const {
    return StoredLines(platform::FromQString(toPlainText()), length);
}

void LimitedMemo::KeepWithinLimit() {
    const QString text = toPlainText();
    if (StoredLength(platform::FromQString(text)) <= limit_) {
        accepted_ = text;
        return;
    }
    // The cursor goes back to where the refused edit began.
    const int inserted = static_cast<int>(text.size() - accepted_.size());
    const int position =
        std::clamp(textCursor().position() - inserted, 0, static_cast<int>(accepted_.size()));
    const QSignalBlocker block(this);
    setPlainText(accepted_);
    QTextCursor cursor = textCursor();
    cursor.setPosition(position);
    setTextCursor(cursor);
}

}  // namespace oltoma::labels::forms
