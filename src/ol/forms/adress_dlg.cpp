#include "ol/forms/adress_dlg.h"

#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTextCursor>

#include "base/settings/font_conversion.h"
#include "base/settings/settings_state.h"
#include "base/settings/window_scale.h"
#include "platform/qt/dialog_frame.h"
#include "platform/qt/form_scaling.h"
#include "platform/qt/qt_text.h"

namespace oltoma::ol {
namespace {

constexpr int kAddressLines = 5;
constexpr std::size_t kLineLength = Strng22::kCapacity;

// The stored font as the memo shows it: its face, bold and italic, and its
// height in pixels (or its size in points when it has no height).
QFont MemoFont(const FontSpec& stored) {
    platform::FontDescription description;
    SpecToFont(stored, description);
    QFont font(platform::ToQString(description.face));
    if (description.height != 0) {
        font.setPixelSize(description.height < 0 ? -description.height : description.height);
    } else if (description.Size() > 0) {
        font.setPointSize(description.Size());
    }
    font.setBold(description.bold);
    font.setItalic(description.italic);
    return font;
}

}  // namespace

std::string AddressMemoText(const AdressLines& address) {
    int last = kAddressLines;
    while (last > 0 && address.line[last - 1].empty()) {
        --last;
    }
    std::string text;
    for (int i = 0; i < last; ++i) {
        if (i > 0) {
            text += '\n';
        }
        text += address.line[i].view();
    }
    return text;
}

void StoreAddressMemoText(std::string_view text, AdressLines& address) {
    address = AdressLines{};  // all 115 bytes zero
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    for (int i = 0; i < kAddressLines && !text.empty(); ++i) {
        const std::size_t end = text.find('\n');
        std::string_view row = text.substr(0, end);
        if (!row.empty() && row.back() == '\r') {
            row.remove_suffix(1);
        }
        address.line[i] = row.substr(0, kLineLength);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
}

TadressDlg::TadressDlg(QWidget* owner, const AdressLines& address)
    : QDialog(owner, platform::DialogWindowFlags(platform::TitleBarButtons::None)),
      address_(address) {
    setObjectName("adressDlg");
    setWindowTitle("adress");
    setFixedSize(300, 214);

    auto* frame = new QGroupBox("adress", this);
    frame->setGeometry(8, 8, 284, 144);
    adressMemo_ = new QPlainTextEdit(frame);
    adressMemo_->setObjectName("adressMemo");
    adressMemo_->setGeometry(8, 20, 268, 116);
    adressMemo_->setFont(MemoFont(WorkingLabelSetting().printer.mellan));
    adressMemo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    adressMemo_->setTabChangesFocus(true);  // Tab leaves the memo for OK
    adressMemo_->setPlainText(platform::ToQString(AddressMemoText(address)));
    connect(adressMemo_, &QPlainTextEdit::textChanged, this, &TadressDlg::LimitMemoLength);

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("OKBtn");
    ok->setGeometry(8, 160, 92, 27);
    ok->setDefault(false);
    ok->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &TadressDlg::accept);
    auto* cancel = new QPushButton("Avbryt", this);
    cancel->setObjectName("CancelBtn");
    cancel->setGeometry(108, 160, 92, 27);
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &TadressDlg::reject);

    statusBar_ = new QStatusBar(this);
    statusBar_->setGeometry(0, 194, 300, 20);
    statusBar_->setSizeGripEnabled(false);

    if (owner != nullptr) {
        QRect placed(QPoint(0, 0), size());
        placed.moveCenter(owner->window()->frameGeometry().center());
        move(placed.topLeft());
    }
    platform::ScaleForm(this, WindowScale);
}

void TadressDlg::LimitMemoLength() {
    const QString text = adressMemo_->toPlainText();
    if (text.size() <= kAddressMemoLength) {
        return;
    }
    const QSignalBlocker block(adressMemo_);
    adressMemo_->setPlainText(text.left(kAddressMemoLength));
    adressMemo_->moveCursor(QTextCursor::End);
    statusBar_->showMessage(QString("max %1 tecken").arg(kAddressMemoLength));
}

void TadressDlg::accept() {
    StoreAddressMemoText(platform::FromQString(adressMemo_->toPlainText()), address_);
    QDialog::accept();
}

bool EditAddress(QWidget* owner, AdressLines& address) {
    TadressDlg dialog(owner, address);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    address = dialog.address();
    return true;
}

}  // namespace oltoma::ol
