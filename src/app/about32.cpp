#include "app/about32.h"

#include <qdrawutil.h>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "app/about_texts.h"
#include "app/generated_pictures.h"
#include "app/licence_window.h"
#include "base/forms/form_parts.h"
#include "base/messages/memory_text.h"
#include "base/settings/maker_links.h"
#include "base/settings/program_name.h"
#include "base/settings/program_version.h"
#include "base/settings/window_scale.h"
#include "platform/qt/form_placement.h"
#include "platform/qt/form_scaling.h"
#include "platform/qt/qt_text.h"

namespace oltoma {
namespace {

constexpr QSize kClient(294, 212);
constexpr int kMakerLineLength = 38;

QLabel* MakeLabel(const char* name, QRect place, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(place);
    return label;
}

// The panel's frame: a raised inner and a lowered outer bevel.
class BevelPanel final : public QFrame {
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent* event) override {
        QFrame::paintEvent(event);
        QPainter painter(this);
        qDrawShadePanel(&painter, rect(), palette(), true, 1);
        qDrawShadePanel(&painter, rect().adjusted(1, 1, -1, -1), palette(), false, 1);
    }
};

}  // namespace

TAboutBox::TAboutBox(QWidget* owner) : QDialog(owner) {
    setObjectName("AboutBox");
    forms::FixDialogFrame(this, kClient);

    Panel1 = new BevelPanel(this);
    Panel1->setObjectName("Panel1");
    Panel1->setGeometry(8, 8, 281, 169);
    ProgramIcon = MakeLabel("ProgramIcon", QRect(8, 8, 33, 33), Panel1);
    ProgramIcon->setScaledContents(true);
    ProductName = MakeLabel("ProductName", QRect(88, 8, 185, 16), Panel1);
    Version = MakeLabel("Version", QRect(88, 24, 185, 16), Panel1);
    MakerLine = MakeLabel("MakerLine", QRect(8, 56, 265, 16), Panel1);
    Comments = MakeLabel("Comments", QRect(8, 88, 193, 73), Panel1);
    Comments->setWordWrap(true);
    Comments->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LogoIcon = MakeLabel("LogoIcon", QRect(208, 88, 65, 65), Panel1);
    LogoIcon->setPixmap(FlagPicture(QSize(130, 130)));
    LogoIcon->setScaledContents(true);

    OKButton = new QPushButton("OK", this);
    OKButton->setObjectName("OKButton");
    OKButton->setGeometry(111, 180, 75, 25);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    licenser = new QPushButton("licenser", this);
    licenser->setObjectName("licenser");
    licenser->setGeometry(203, 180, 83, 25);
    licenser->setAutoDefault(false);
    connect(licenser, &QPushButton::clicked, this, [this] { ShowLicences(this); });

    platform::ScaleForm(this, WindowScale);
    platform::CentreOnOwner(this, owner);
}

void TAboutBox::FormShow() {
    setWindowTitle(kApplicationTitle);
    ProductName->setText(platform::ToQString(ProgramName.view()));
    const QIcon icon = QApplication::windowIcon();
    ProgramIcon->setPixmap((icon.isNull() ? ToolButtonImage(1) : icon).pixmap(QSize(66, 66)));
    Version->setText(QString("ver ") + kVersionNumber);
    MakerLine->setText(
        (QString::fromUtf8(maker_links::kMakerLine) + kVersionDate).left(kMakerLineLength));
    Comments->setText(QString::fromStdString(CurrentMemoryStatusText()).replace("\r\n", "\n"));
}

void TAboutBox::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

}  // namespace oltoma
