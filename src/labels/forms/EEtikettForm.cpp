#include "labels/forms/EEtikettForm.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStatusBar>
#include <QStatusTipEvent>

#include <filesystem>

#include "base/forms/form_parts.h"
#include "base/messages/desktop_services.h"
#include "base/settings/settings_state.h"
#include "base/settings/window_scale.h"
#include "base/text/windows1252.h"
#include "labels/forms/limited_memo.h"
#include "labels/forms/setting_fonts.h"
#include "labels/label_file.h"
#include "labels/label_print.h"
#include "platform/print/picture_loader.h"
#include "platform/qt/form_placement.h"
#include "platform/qt/form_scaling.h"
#include "platform/qt/picture_file_dialog.h"
#include "platform/qt/print/qt_picture_reader.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/up_down.h"
#include "platform/qt/window_handles.h"

namespace oltoma::labels::forms {
namespace {

constexpr QSize kClient(420, 300);
constexpr int kMostPrints = 999;

using oltoma::forms::SetHint;

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QString Quoted(std::string_view text) {
    return "\"" + platform::ToQString(text) + "\"";
}

}  // namespace

TEtikettDlg::TEtikettDlg(QWidget* owner) : QDialog(owner), tmpEtikett(EtikettRec()) {
    setObjectName("etikettDlg");
    setWindowTitle("etikett");
    oltoma::forms::FixDialogFrame(this, kClient);

    etikettMemo = new LimitedMemo("etikettMemo", kLabelTextLength, this);
    etikettMemo->setGeometry(8, 8, 404, 150);
    etikettMemo->setFont(ScreenFontOf(WorkingLabelSetting().printer.mellan));
    SetHint(etikettMemo, Text("skriv in text för etiketten här, klicka på bildytan nedan för att "
                              "ladda bild,"));

    auto* frame = new QFrame(this);
    frame->setObjectName("Panel1");
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setGeometry(8, 166, 200, 100);
    Image1 = new QLabel(frame);
    Image1->setObjectName("Image1");
    Image1->setGeometry(2, 2, 196, 96);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setCursor(Qt::PointingHandCursor);
    SetHint(Image1, Text("klicka för att välja bild för etikett"));
    Image1->installEventFilter(this);

    Edit1 = new QLineEdit("1", this);
    Edit1->setObjectName("Edit1");
    Edit1->setMaxLength(3);
    Edit1->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,3}"), Edit1));
    Edit1->setGeometry(226, 170, 40, 24);
    UpDown1 = new UpDown("UpDown1", Edit1, 0, kMostPrints, 1, this);
    UpDown1->setGeometry(266, 170, 16, 24);
    UpDown1->setPosition(1);

    printbtn = new QPushButton("S&kriv", this);
    printbtn->setObjectName("printbtn");
    printbtn->setGeometry(226, 204, 92, 27);
    printbtn->setAutoDefault(false);
    SetHint(printbtn, "skriv ut valda etiketter");
    connect(printbtn, &QPushButton::clicked, this, &TEtikettDlg::printbtnClick);

    BitBtn1 = new QPushButton("OK", this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setGeometry(226, 239, 88, 27);
    BitBtn1->setAutoDefault(false);
    connect(BitBtn1, &QPushButton::clicked, this, &TEtikettDlg::accept);
    BitBtn2 = new QPushButton("Avbryt", this);
    BitBtn2->setObjectName("BitBtn2");
    BitBtn2->setGeometry(324, 239, 88, 27);
    BitBtn2->setAutoDefault(false);
    connect(BitBtn2, &QPushButton::clicked, this, &TEtikettDlg::reject);

    StatusBar1 = oltoma::forms::AddHintBar(this, kClient);

    const std::string text = EtikettRec().Etk.str();
    if (IsPictureLabel(text)) {
        ShowPicture(PictureFileOfLabel(text));
    }
    platform::ScaleForm(this, WindowScale);
    platform::CentreOnOwner(this, owner);
    etikettMemo->setStoredText(text);
}

std::string TEtikettDlg::MemoText() const {
    return etikettMemo->storedText(kLabelTextLength);
}

void TEtikettDlg::ShowPicture(const std::string& fileName) {
    const std::string path = Utf8FromWindows1252(fileName);
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        ShortBeep();
        StatusBar1->showMessage("kan ej ladda filen " + Quoted(fileName));
        Image1->clear();
        return;
    }
    const QImage image = platform::ImageOf(platform::LoadPictureFile(path));
    if (image.isNull()) {
        StatusBar1->showMessage("kan ej ladda filen " + Quoted(fileName));
        Image1->clear();
        return;
    }
    Image1->setPixmap(QPixmap::fromImage(
        image.scaled(Image1->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void TEtikettDlg::accept() {
    const std::string text = MemoText();
    if (LabelKeyTaken(text)) {
        ShortBeep();
        StatusBar1->showMessage(platform::ToQString(LabelKeyTakenText(StoredLabelKey(text))));
        return;
    }
    EtikettRec().Etk = text;
    QDialog::accept();
}

void TEtikettDlg::reject() {
    EtikettRec() = tmpEtikett;
    QDialog::reject();
}

QString TEtikettDlg::ChoosePicture(const QString& start) {
    return platform::ChoosePictureFile(this, start);
}

void TEtikettDlg::Image1Click() {
    const std::string text = MemoText();
    const std::string start =
        IsPictureLabel(text) ? PictureFileOfLabel(text) : std::string(FirstLine(text));
    const QString chosen = ChoosePicture(platform::ToQString(start));
    if (chosen.isEmpty()) {
        return;
    }
    const std::string path = platform::FromQString(chosen);
    const std::string label = PictureLabelText(path);
    if (platform::ToQString(path) != chosen || label.size() > kLabelTextLength) {
        ShortBeep();
        StatusBar1->showMessage("kan ej lagra filnamnet \"" + chosen + "\"");
        return;
    }
    EtikettRec().Etk = label;
    etikettMemo->setStoredText(label);
    ShowPicture(path);
}

void TEtikettDlg::printbtnClick() {
    EtikettRec().Etk = MemoText();
    PrintLabelTimes(EtikettRec().Etk.view(), UpDown1->position(), platform::HandleOf(this));
}

bool TEtikettDlg::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        StatusBar1->showMessage(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QDialog::event(event);
}

bool TEtikettDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Image1 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        Image1Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace oltoma::labels::forms
