#include "labels/forms/EGiro.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTextOption>

#include "base/forms/form_parts.h"
#include "base/messages/desktop_services.h"
#include "base/settings/settings_state.h"
#include "base/settings/window_scale.h"
#include "base/text/windows1252.h"
#include "labels/forms/giro_form_picture.h"
#include "labels/forms/limited_memo.h"
#include "labels/forms/setting_fonts.h"
#include "labels/giro_file.h"
#include "labels/giro_print.h"
#include "platform/qt/field_limits.h"
#include "platform/qt/form_placement.h"
#include "platform/qt/form_scaling.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/window_handles.h"

namespace oltoma::labels::forms {
namespace {

// The form's picture: 0.42 pixels a tenth of a millimetre at scale 100.
constexpr QSize kPictureSize(882, 427);
constexpr int kMargin = 8;
constexpr int kRowHeight = 27;
constexpr QSize kClient(kPictureSize.width() + 2 * kMargin, kMargin + kPictureSize.height() +
                                                                kMargin + kRowHeight + kMargin +
                                                                oltoma::forms::kHintBarHeight);

constexpr int kMessageTyped = 1201;
constexpr int kAddressTyped = 321;
constexpr int kLargestAmount = 999999;
constexpr int kLargestPostgiroAmount = 9999;
constexpr int kAmountStep = 5;
constexpr int kMostCopies = 99;

using oltoma::forms::SetHint;

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QLineEdit* MakeLine(const char* name, int limit, const QFont& font, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    platform::LimitToStoredField(edit, limit);
    edit->setFont(font);
    return edit;
}

}  // namespace

TGiroDlg::TGiroDlg(QWidget* owner, Tgirotyp kind, const GiroControlNames& names)
    : QDialog(owner), gkd(kind), tmpGiro(GiroRec()) {
    setObjectName(names.form);
    setWindowTitle(Text(names.caption));
    oltoma::forms::FixDialogFrame(this, kClient);

    formPicture = new QLabel(this);
    formPicture->setObjectName("Image1");
    formPicture->setGeometry(QRect(QPoint(kMargin, kMargin), kPictureSize));
    formPicture->setPixmap(GiroFormPicture(kind, kPictureSize));
    formPicture->setScaledContents(true);
    if (names.hint != nullptr) {
        SetHint(formPicture, Text(names.hint));
    }
    BuildFieldControls(names, kPictureSize);
    BuildButtonRow(kClient);
    Fill();

    platform::ScaleForm(this, WindowScale);
    platform::CentreOnOwner(this, owner);
}

void TGiroDlg::BuildFieldControls(const GiroControlNames& names, QSize picture) {
    const PrinterBlock& printer = WorkingLabelSetting().printer;
    const QFont large = ScreenFontOf(printer.stor);
    const QFont medium = ScreenFontOf(printer.mellan);
    const int field = static_cast<int>(kGiroFieldLength);
    const auto place = [&](QWidget* control, GiroField which) {
        if (const GiroFieldPlace* found = FindGiroField(gkd, which)) {
            control->setGeometry(
                FieldRectIn(ExtentOf(*found), picture).translated(kMargin, kMargin));
        }
    };

    payee = MakeLine(names.payee, field, large, this);
    place(payee, GiroField::Mottagare);
    tillG = MakeLine(names.tillG, field, gkd == Tgirotyp::plusgiro ? medium : large, this);
    place(tillG, GiroField::TillG);
    egetKonto = MakeLine(names.egetKonto, field, medium, this);
    place(egetKonto, GiroField::EgetKonto);
    if (names.referens != nullptr) {
        referens = MakeLine(names.referens, field, large, this);
        place(referens, GiroField::Referens);
    }

    amount = new QSpinBox(this);
    amount->setObjectName(names.amount);
    amount->setRange(0, gkd == Tgirotyp::postgiro ? kLargestPostgiroAmount : kLargestAmount);
    amount->setSingleStep(kAmountStep);
    amount->setFont(large);
    amount->setAlignment(Qt::AlignRight);
    SetHint(amount, Text("ange eventuell summa att betala i hela kronor"));
    place(amount, GiroField::AttBetala);

    message = new LimitedMemo(names.message, kMessageTyped, this);
    message->setFont(medium);
    place(message, GiroField::Message);
    address = new LimitedMemo(names.address, kAddressTyped, this);
    address->setFont(medium);
    address->document()->setDefaultTextOption(QTextOption(Qt::AlignHCenter));
    place(address, GiroField::Address);

    littera = MakeLine(names.littera, static_cast<int>(kLitteraLength), large, this);
    SetHint(littera, Text("ange ev. littera för att skilja på flera blanketter med samma "
                          "betalningsmottagare"));
}

void TGiroDlg::BuildButtonRow(QSize client) {
    const int top = kMargin + kPictureSize.height() + kMargin;
    auto* litteraLabel = new QLabel("littera", this);
    litteraLabel->setGeometry(kMargin, top, 44, kRowHeight);
    littera->setGeometry(kMargin + 48, top, 44, kRowHeight);

    auto* copiesLabel = new QLabel("kopior", this);
    copiesLabel->setGeometry(130, top, 44, kRowHeight);
    copies = new QSpinBox(this);
    copies->setObjectName("kopior");
    copies->setRange(1, kMostCopies);
    copies->setValue(1);
    copies->setGeometry(178, top, 56, kRowHeight);

    printButton = new QPushButton("utskrift", this);
    printButton->setObjectName("utskrift");
    printButton->setGeometry(client.width() - 3 * 108, top, 100, kRowHeight);
    SetHint(printButton,
            Text("utskrift av akutell postgiroblankett till vald skrivare enligt antal kopior"));
    printButton->setAutoDefault(false);
    connect(printButton, &QPushButton::clicked, this, &TGiroDlg::PrintClick);

    okButton = new QPushButton("OK", this);
    okButton->setObjectName("BitBtn1");
    okButton->setGeometry(client.width() - 2 * 108, top, 100, kRowHeight);
    SetHint(okButton, Text("spara aktuell blankett i  registret och återvänd"));
    okButton->setAutoDefault(false);
    connect(okButton, &QPushButton::clicked, this, &TGiroDlg::accept);

    cancelButton = new QPushButton("avbryt", this);
    cancelButton->setObjectName("BitBtn2");
    cancelButton->setGeometry(client.width() - 108, top, 100, kRowHeight);
    cancelButton->setAutoDefault(false);
    connect(cancelButton, &QPushButton::clicked, this, &TGiroDlg::reject);

    statusBar = oltoma::forms::AddHintBar(this, client);
}

void TGiroDlg::Fill() {
    const GiroEntries entries = EntriesOf(GiroRec());
    payee->setText(platform::ToQString(entries.payee));
    littera->setText(platform::ToQString(entries.littera));
    tillG->setText(platform::ToQString(entries.tillG));
    egetKonto->setText(platform::ToQString(entries.egetKonto));
    if (referens != nullptr) {
        referens->setText(platform::ToQString(entries.referens));
    }
    message->setStoredText(entries.message);
    address->setStoredText(entries.address);
    amount->setValue(entries.amount);
    connect(amount, &QSpinBox::valueChanged, this, [this] { amountChanged_ = true; });
}

GiroEntries TGiroDlg::Entries() const {
    GiroEntries entries;
    entries.payee = platform::FromQString(payee->text());
    entries.littera = platform::FromQString(littera->text());
    entries.tillG = platform::FromQString(tillG->text());
    entries.egetKonto = platform::FromQString(egetKonto->text());
    entries.referens =
        referens != nullptr ? platform::FromQString(referens->text()) : GiroRec().Referens.str();
    entries.message = platform::FromQString(message->toPlainText());
    entries.address = platform::FromQString(address->toPlainText());
    entries.amount = amount->value();
    entries.amountChanged = amountChanged_;
    return entries;
}

void TGiroDlg::Refuse(const std::string& reason) {
    ShortBeep();
    statusBar->showMessage(platform::ToQString(reason));
    platform::CurrentSound().WarningSound();
}

void TGiroDlg::accept() {
    const GiroEntries entries = Entries();
    const std::string key = StoredGiroKey(entries);
    if (GiroKeyTaken(key)) {
        Refuse(GiroKeyTakenText(key));
        return;
    }
    if (!AccountsPass(entries)) {
        Refuse(Windows1252FromUtf8("fel på gironummer"));
        return;
    }
    StoreEntries(entries, gkd, GiroRec());
    QDialog::accept();
}

void TGiroDlg::reject() {
    GiroRec() = tmpGiro;
    QDialog::reject();
}

void TGiroDlg::PrintClick() {
    const GiroEntries entries = Entries();
    if (!AccountsPass(entries)) {
        Refuse(Windows1252FromUtf8("fel på gironummer"));
        return;
    }
    StoreEntries(entries, gkd, GiroRec());
    PrintGiroSlips(gkd, copies->value(), platform::HandleOf(this));
}

bool TGiroDlg::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        statusBar->showMessage(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QDialog::event(event);
}

}  // namespace oltoma::labels::forms
