#include "ol/forms/info_dlg_form.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <utility>

#include "base/messages/messages.h"
#include "base/settings/window_scale.h"
#include "base/text/windows1252.h"
#include "ol/data/files/competition_info.h"
#include "ol/data/files/file_groups.h"
#include "ol/data/files/ol_state.h"
#include "ol/data/records/cmp_club_rec.h"
#include "ol/forms/adress_dlg.h"
#include "platform/qt/dialog_frame.h"
#include "platform/qt/field_limits.h"
#include "platform/qt/form_scaling.h"
#include "platform/qt/qt_text.h"

namespace oltoma::ol {
namespace {

using platform::FromQString;
using platform::ToQString;

// What each field stores (Windows-1252 characters); the boxes take no more.
constexpr int kArrLength = decltype(InfoRec::Arr)::kCapacity;
constexpr int kTvlLength = decltype(InfoRec::Tvl)::kCapacity;
constexpr int kTypLength = decltype(InfoRec::Typ)::kCapacity;
constexpr int kGiroTextLength = decltype(CmpClubRec::Text1)::kCapacity;
static_assert(decltype(CmpClubRec::Text2)::kCapacity == kGiroTextLength);
static_assert(decltype(CmpClubRec::Arr)::kCapacity == kGiroTextLength);

constexpr int kFirstStage = 1;
constexpr int kLastStage = 5;
constexpr int kInformationCode = 201;
constexpr std::uint8_t kPlusgiro = 0;
constexpr std::uint8_t kBankgiro = 3;

const char* const kContactCaptions[4] = {"tävlingsledare", "banläggare", "bankontroll",
                                         "tävlingskontroll"};
const char* const kCompetitionTypes[] = {"närtävling", "distrikt", "nationell", "klubb", "motion"};

// An edit box that takes at most `length` characters, as its field stores.
QLineEdit* LineEdit(QWidget* parent, const char* name, QRect geometry, int length) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(geometry);
    platform::LimitToStoredField(edit, length);
    return edit;
}

void Label(QWidget* parent, const char* text, QPoint at) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->move(at);
    label->adjustSize();
}

// The two giro choices exclude each other, yet both are tab stops (buttons
// that Qt keeps exclusive leave only the checked one in the tab order).
// Clicking a checked one keeps it checked.
void ExcludeEachOther(QRadioButton* first, QRadioButton* second) {
    for (auto [button, other] : {std::pair{first, second}, std::pair{second, first}}) {
        button->setAutoExclusive(false);
        QObject::connect(button, &QRadioButton::toggled, other, [other](bool checked) {
            if (checked) {
                other->setChecked(false);
            }
        });
        QObject::connect(button, &QRadioButton::clicked, button, [button](bool checked) {
            if (!checked) {
                button->setChecked(true);
            }
        });
    }
}

QSpinBox* StageBox(QWidget* parent, const char* name, QRect geometry) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setRange(kFirstStage, kLastStage);
    return box;
}

// The box text as stored: Windows-1252, at most `length` characters.
std::string Stored(const QLineEdit* edit, std::size_t length) {
    return FromQString(edit->text()).substr(0, length);
}

}  // namespace

TInfoDlgForm::TInfoDlgForm(QWidget* owner, bool adding)
    : QDialog(owner, platform::DialogWindowFlags(platform::TitleBarButtons::Close)),
      adding_(adding),
      tmpInfo(Ol().competition.rec) {
    BuildForm();
    FormCreate();
}

void TInfoDlgForm::BuildForm() {
    setObjectName("InfoDlgForm");
    setWindowTitle(QString::fromUtf8("tävling/turnering"));
    setFixedSize(540, 430);

    Label(this, "arrangör", {10, 14});
    edArr = LineEdit(this, "edArr", {110, 10, 310, 23}, kArrLength);
    Label(this, "tävling", {10, 44});
    edTvl = LineEdit(this, "edTvl", {110, 40, 310, 23}, kTvlLength);
    Label(this, "datum", {10, 74});
    edTvlDatum = LineEdit(this, "edTvlDatum", {110, 70, 170, 23}, kDateLength);
    cbTyp = new QComboBox(this);
    cbTyp->setObjectName("cbTyp");
    cbTyp->setGeometry(290, 70, 130, 23);
    cbTyp->setEditable(true);
    for (const char* type : kCompetitionTypes) {
        cbTyp->addItem(QString::fromUtf8(type));
    }
    platform::LimitToStoredField(cbTyp, kTypLength);
    Label(this, "etapper", {10, 104});
    edOmg = StageBox(this, "edOmg", {110, 100, 60, 23});
    Label(this, "aktuell", {190, 104});
    edAktuellEtapp = StageBox(this, "edAktuellEtapp", {250, 100, 60, 23});

    auto* contacts = new QGroupBox("kontakter", this);
    contacts->setGeometry(10, 134, 410, 146);
    for (int i = 0; i < 4; ++i) {
        btnKontakt[i] = new QPushButton(QString::fromUtf8(kContactCaptions[i]), contacts);
        btnKontakt[i]->setObjectName(QString("btnKontakt%1").arg(i + 1));
        btnKontakt[i]->setGeometry(10, 22 + 30 * i, 140, 25);
        btnKontakt[i]->setAutoDefault(false);
        connect(btnKontakt[i], &QPushButton::clicked, this, [this, i] { KontaktClick(i); });
        // Display only: the address button fills it, OK does not read it.
        edKontakt[i] = new QLineEdit(contacts);
        edKontakt[i]->setObjectName(QString("edKontakt%1").arg(i + 1));
        edKontakt[i]->setGeometry(160, 23 + 30 * i, 240, 23);
        edKontakt[i]->setReadOnly(true);
        edKontakt[i]->setFocusPolicy(Qt::NoFocus);
    }

    auto* giro = new QGroupBox(QString::fromUtf8("tävlingens giro"), this);
    giro->setGeometry(10, 288, 410, 132);
    rbUsePG = new QRadioButton(QString::fromUtf8("använd"), giro);
    rbUsePG->setObjectName("rbUsePG");
    rbUsePG->setGeometry(10, 24, 80, 23);
    Label(giro, "plusgironummer", {95, 27});
    edPostgiro = LineEdit(giro, "edPostgiro", {230, 24, 170, 23}, kGiroTextLength);
    rbUseBG = new QRadioButton(QString::fromUtf8("använd"), giro);
    rbUseBG->setObjectName("rbUseBG");
    rbUseBG->setGeometry(10, 56, 80, 23);
    Label(giro, "bankgironummer", {95, 59});
    edBankgiro = LineEdit(giro, "edBankgiro", {230, 56, 170, 23}, kGiroTextLength);
    Label(giro, "betalningsmottagare", {95, 91});
    edBetMottagare = LineEdit(giro, "edBetMottagare", {230, 88, 170, 23}, kGiroTextLength);
    ExcludeEachOther(rbUsePG, rbUseBG);

    okButton = new QPushButton("OK", this);
    okButton->setObjectName("okButton");
    okButton->setGeometry(436, 10, 92, 27);
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &TInfoDlgForm::accept);
    cancelButton = new QPushButton("Avbryt", this);
    cancelButton->setObjectName("cancelButton");
    cancelButton->setGeometry(436, 44, 92, 27);
    cancelButton->setAutoDefault(false);
    connect(cancelButton, &QPushButton::clicked, this, &TInfoDlgForm::reject);
}

void TInfoDlgForm::FormCreate() {
    if (adding_) {
        CloseParticipantFiles();
    }
    const InfoRec& info = Ol().competition.rec;
    const CmpClubRec& table = Ol().clubTable;
    edArr->setText(ToQString(info.Arr.view()));
    edTvl->setText(ToQString(info.Tvl.view()));
    edTvlDatum->setText(ToQString(info.Date.view()));
    cbTyp->setEditText(ToQString(info.Typ.view()));
    edOmg->setValue(info.StrNr);
    edAktuellEtapp->setValue(info.maxDag);
    for (int i = 0; i < 4; ++i) {
        edKontakt[i]->setText(ToQString(info.adress[i].line[0].view()));
    }
    // A mode outside 0..4 (a damaged record) shows neither button checked.
    rbUsePG->setChecked(info.postgiromode <= 2);
    rbUseBG->setChecked(info.postgiromode == 3 || info.postgiromode == 4);
    edPostgiro->setText(ToQString(table.Text1.view()));
    edBankgiro->setText(ToQString(table.Text2.view()));
    edBetMottagare->setText(ToQString(table.Arr.view()));
    platform::ScaleForm(this, WindowScale);
}

void TInfoDlgForm::KontaktClick(int contact) {
    AdressLines& address = Ol().competition.rec.adress[contact];
    EditAddress(this, address);
    edKontakt[contact]->setText(ToQString(address.line[0].view()));
}

void TInfoDlgForm::StoreFields() {
    InfoRec& info = Ol().competition.rec;
    info.Arr = Stored(edArr, kArrLength);
    info.Tvl = Stored(edTvl, kTvlLength);
    info.Date = Stored(edTvlDatum, kDateLength);
    info.Typ = FromQString(cbTyp->currentText()).substr(0, kTypLength);
    info.StrNr = static_cast<std::int16_t>(edOmg->value());
    info.maxDag = static_cast<std::int16_t>(edAktuellEtapp->value());
    if (rbUsePG->isChecked()) {
        info.postgiromode = kPlusgiro;
    } else if (rbUseBG->isChecked()) {
        info.postgiromode = kBankgiro;
    }
}

void TInfoDlgForm::accept() {
    StoreFields();
    const CompetitionGiroTexts giro{Stored(edPostgiro, kGiroTextLength),
                                    Stored(edBankgiro, kGiroTextLength),
                                    Stored(edBetMottagare, kGiroTextLength)};
    if (!CommitCompetitionInfo(adding_, giro)) {
        // The dialog stays open: the user can try again or cancel.
        DisplayMessage(kInformationCode,
                       Windows1252FromUtf8("Tävlingen sparades inte: ") + MessageLine.str());
        return;
    }
    QDialog::accept();
}

void TInfoDlgForm::reject() {
    CancelCompetitionInfo(tmpInfo);
    QDialog::reject();
}

bool EditCompetitionInfo(QWidget* owner, bool add) {
    if (!BeginCompetitionInfo(add)) {
        return false;
    }
    TInfoDlgForm form(owner, add);
    return form.exec() == QDialog::Accepted;
}

}  // namespace oltoma::ol
