#include "platform/qt/number_prompt_dialog.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <climits>

#include "base/settings/window_scale.h"
#include "platform/qt/form_scaling.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/window_handles.h"

namespace oltoma::platform {
namespace {

constexpr int kMaxDigits = 5;

// Dialog units to pixels for the widget's font.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font) {
        const QFontMetrics metrics(font);
        const QString alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
        baseX_ = (metrics.horizontalAdvance(alphabet) / 26 + 1) / 2;
        baseY_ = metrics.height();
    }
    QRect Rect(int x, int y, int width, int height) const {
        return QRect(X(x), Y(y), X(width), Y(height));
    }
    int X(int units) const { return (units * baseX_ + 2) / 4; }
    int Y(int units) const { return (units * baseY_ + 4) / 8; }

private:
    int baseX_;
    int baseY_;
};

}  // namespace

int ReadLeadingInteger(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) {
        ++at;
    }
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    long long value = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        value = value * 10 + (text[at] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) {
            value = static_cast<long long>(INT_MAX) + 1;
        }
    }
    value = negative ? -value : value;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

NumberPromptDialog::NumberPromptDialog(QWidget* owner, int initial, std::string_view prompt)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint),
      initial_(initial),
      label_(new QLabel(this)),
      edit_(new QLineEdit(this)) {
    setObjectName("DLG_GETLONG");
    label_->setObjectName("101");
    edit_->setObjectName("102");
    const DialogUnits units(font());
    resize(units.X(190), units.Y(21));
    if (owner != nullptr) {
        move(owner->mapToGlobal(QPoint(units.X(18), units.Y(18))));
    }
    label_->setGeometry(units.Rect(5, 7, 129, 8));
    label_->setText(prompt.empty() ? ToQString("Ange ett tal:") : ToQString(prompt));
    edit_->setGeometry(units.Rect(138, 5, 49, 12));
    edit_->setMaxLength(kMaxDigits);
    edit_->setText(QString::number(initial));
    edit_->selectAll();
    edit_->setFocus();
    connect(edit_, &QLineEdit::returnPressed, this, &QDialog::accept);
    ScaleForm(this, WindowScale);
}

int NumberPromptDialog::AskNumber() {
    if (exec() != QDialog::Accepted) {
        return initial_;
    }
    return ReadLeadingInteger(FromQString(edit_->text()));
}

int QtNumberPrompt::AskNumber(WindowHandle owner, int initial, std::string_view prompt) {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        return initial;
    }
    QWidget* parent = WidgetOf(owner);
    if (parent == nullptr) {
        parent = QApplication::activeWindow();
    }
    NumberPromptDialog dialog(parent, initial, prompt.substr(0, 79));
    return dialog.AskNumber();
}

}  // namespace oltoma::platform
