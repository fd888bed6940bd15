// A multi-line edit field whose text holds at most a given number of bytes
// as records store it: Windows-1252, one byte a character, line breaks as
// CR LF (two bytes). An edit that would pass the limit is undone. Tab moves
// the focus on instead of typing a tab.
#pragma once

#include <QPlainTextEdit>

#include <cstddef>
#include <string>
#include <string_view>

namespace oltoma::labels::forms {

class LimitedMemo : public QPlainTextEdit {
    Q_OBJECT

public:
    LimitedMemo(const QString& name, std::size_t limit, QWidget* parent);

    // The stored text (CR LF breaks) into the field, cut to the limit.
    void setStoredText(std::string_view stored);
    // The field's text as stored, cut to `length` bytes, never inside a
    // line break.
    std::string storedText(std::size_t length) const;

private:
    void KeepWithinLimit();

    std::size_t limit_;
    QString accepted_;
};

}  // namespace oltoma::labels::forms
