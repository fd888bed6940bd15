#include "app/aboutX32.h"

#include <qdrawutil.h>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>

#include "app/about_texts.h"
#include "app/generated_pictures.h"
#include "app/licence_window.h"
#include "app/link_label.h"
#include "base/forms/form_parts.h"
#include "base/messages/desktop_services.h"
#include "base/settings/maker_links.h"
#include "base/settings/program_name.h"
#include "platform/qt/form_placement.h"
#include "platform/qt/qt_text.h"

namespace oltoma {
namespace {

constexpr QSize kClientArea(659, 349);
constexpr int kBorder = 2;
constexpr int kShellFailureLimit = 32;
constexpr std::size_t kMailAddressLength = 90;
const QColor kHighlightColour(128, 0, 0);

QLabel* MakePicture(int number, QRect place, const QPixmap& picture, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString("Image%1").arg(number));
    label->setGeometry(place.translated(kBorder, kBorder));
    label->setAlignment(Qt::AlignCenter);
    label->setPixmap(picture.scaled(place.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    return label;
}

}  // namespace

TAboutBoxX::TAboutBoxX(QWidget* owner) : QDialog(owner) {
    setObjectName("AboutBoxX");
    setWindowTitle("t  o  m  a");
    forms::FixDialogFrame(this, kClientArea + QSize(2 * kBorder, 2 * kBorder));

    Image[0] = MakePicture(1, QRect(8, 8, 217, 329), MapPicture(QSize(217, 329)), this);
    Image[1] = MakePicture(2, QRect(512, 176, 73, 73), FlagPicture(QSize(146, 146)), this);
    for (int i = 0; i < 6; ++i) {
        Image[2 + i] = MakePicture(3 + i, QRect(240 + 40 * i, 304, 32, 32),
                                   ToolButtonImage(i).pixmap(QSize(32, 32)), this);
    }
    Image[8] = MakePicture(9, QRect(488, 256, 161, 81), NamePicture(QSize(322, 162)), this);

    RadioGroup1 = new QGroupBox("toma mjukvara", this);
    RadioGroup1->setObjectName("RadioGroup1");
    RadioGroup1->setGeometry(QRect(240, 8, 409, 153).translated(kBorder, kBorder));
    families = new QButtonGroup(this);
    for (int i = 0; i < 6; ++i) {
        auto* entry =
            new QRadioButton(QString::fromUtf8(maker_links::kProgramFamilies[i]), RadioGroup1);
        entry->setGeometry(12, 22 + 21 * i, 385, 20);
        families->addButton(entry, i);
    }
    families->button(0)->setChecked(true);

    GroupBox1 = new QGroupBox(QString::fromUtf8(maker_links::kMakerName), this);
    GroupBox1->setObjectName("GroupBox1");
    GroupBox1->setGeometry(QRect(240, 168, 224, 130).translated(kBorder, kBorder));
    const QString mailHint = QString::fromUtf8("skicka mail till..");
    const QString webHint = QString::fromUtf8("gå till webbplatsen..");
    Label1 = MakeLink("Label1", maker_links::kMailAddress, mailHint, 20);
    Label2 = MakeLink("Label2", maker_links::kWebSite, webHint, 41);
    Label3 = MakeLink("Label3", maker_links::kBlog, webHint, 62);
    Label4 = MakeLink("Label4", maker_links::kSecondMailAddress, mailHint, 83);
    licenser =
        MakeLink("licenser", "licenser",
                 QString::fromUtf8("bibliotek som programmet använder och deras licenser"), 104);
    connect(Label1, &LinkLabel::clicked, this, &TAboutBoxX::MailClick);
    connect(Label4, &LinkLabel::clicked, this, &TAboutBoxX::MailClick);
    connect(Label2, &LinkLabel::clicked, this, [this] { WebClick(Label2); });
    connect(Label3, &LinkLabel::clicked, this, [this] { WebClick(Label3); });
    connect(licenser, &LinkLabel::clicked, this, [this] { ShowLicences(this); });

    platform::CentreOnOwner(this, owner);
}

LinkLabel* TAboutBoxX::MakeLink(const char* name, const QString& caption, const QString& hint,
                                int top) {
    auto* label = new LinkLabel(name, caption, hint, GroupBox1);
    label->setGeometry(10, top, 204, 19);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
    connect(label, &LinkLabel::mouseEntered, this, [this, label] { Highlight(label); });
    connect(label, &LinkLabel::mouseLeft, this, [this, label] { Unhighlight(label); });
    return label;
}

void TAboutBoxX::Highlight(LinkLabel* label) {
    saveCursor = platform::CurrentCursors().Current();
    saveColor = label->color();
    platform::CurrentCursors().Set(platform::CursorShape::kHand);
    label->setColor(kHighlightColour);
}

void TAboutBoxX::Unhighlight(LinkLabel* label) {
    platform::CurrentCursors().Set(saveCursor);
    label->setColor(saveColor);
}

std::string TAboutBoxX::MailAddress() {
    const std::string address = std::string("mailto:") + maker_links::kMailAddress + "," +
                                maker_links::kSecondMailAddress +
                                "?subject=program: " + ProgramName.str();
    return address.substr(0, kMailAddressLength);
}

void TAboutBoxX::Open(const std::string& address) {
    if (platform::CurrentShell().Open(address) <= kShellFailureLimit) {
        ShortBeep();
    }
}

void TAboutBoxX::MailClick() {
    Open(MailAddress());
}

void TAboutBoxX::WebClick(LinkLabel* label) {
    Open("http://" + platform::FromQString(label->text()));
}

void TAboutBoxX::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    qDrawShadePanel(&painter, rect(), palette(), false, kBorder);
}

void TAboutBoxX::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        accept();
    }
}

}  // namespace oltoma
