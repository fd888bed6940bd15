#include "print/forms/ekonfig32.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>

#include <cmath>

#include "base/forms/form_parts.h"
#include "base/messages/desktop_services.h"
#include "base/messages/messages.h"
#include "base/settings/font_conversion.h"
#include "base/settings/settings_state.h"
#include "base/settings/window_scale.h"
#include "base/text/windows1252.h"
#include "platform/print/printer.h"
#include "platform/qt/dialog_frame.h"
#include "platform/qt/field_limits.h"
#include "platform/qt/form_placement.h"
#include "platform/qt/form_scaling.h"
#include "platform/qt/picture_file_dialog.h"
#include "platform/qt/print/qt_picture_reader.h"
#include "platform/qt/print/qt_printer.h"
#include "platform/qt/qt_font.h"
#include "platform/qt/qt_printer_description.h"
#include "platform/qt/qt_text.h"
#include "print/forms/setting_tabs.h"
#include "print/printer_block_setup.h"

namespace oltoma::forms {
namespace {

constexpr QSize kClient(660, 574);
constexpr QRect kPages(8, 42, 644, 466);
constexpr QSize kTabButton(128, 26);
constexpr int kFontBoxPoints = 12;
constexpr int kPrinterNameLength = 63;
constexpr int kFontBoxLength = 80;
constexpr int kLongest = 9999;
constexpr int kMostNegativeMargin = -999;
constexpr int kReportPage = 0;
constexpr int kLabelPage = 1;
constexpr int kDesignPixelsPerInch = 96;

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QLabel* Caption(const char* text, QRect place, QWidget* parent) {
    auto* label = new QLabel(Text(text), parent);
    label->setGeometry(place);
    return label;
}

// An edit field of a stored text of `length` characters (read-only boxes
// only show what is stored).
QLineEdit* Edit(const char* name, QRect place, int length, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(place);
    platform::LimitToStoredField(edit, length);
    return edit;
}

QSpinBox* Spin(const char* name, QRect place, int minimum, int maximum, const char* hint,
               QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setGeometry(place);
    box->setRange(minimum, maximum);
    SetHint(box, Text(hint));
    return box;
}

QPushButton* Button(const char* name, const char* caption, QRect place, QWidget* parent) {
    auto* button = new QPushButton(Text(caption), parent);
    button->setObjectName(name);
    button->setGeometry(place);
    button->setAutoDefault(false);
    return button;
}

// A label with a spin box to its right, in a row of the label page.
QSpinBox* LabelledSpin(const char* caption, const char* name, QPoint at, int minimum, int maximum,
                       const char* hint, QWidget* page) {
    Caption(caption, QRect(at, QSize(96, 24)), page);
    return Spin(name, QRect(at + QPoint(100, 0), QSize(90, 24)), minimum, maximum, hint, page);
}

std::array<QString, 3> ReportFontHints() {
    const QString start = Text("visar vald font enligt knappen  ");
    return {start + "\"stor\"" + Text(" för överskrifter mm"),
            start + "\"mellan\"" + Text(" för brödtext mm"),
            start + "\"liten\"" + Text(" för fottexter mm")};
}

std::array<QString, 3> LabelFontHints() {
    return {Text("visar vald font för största texten "),
            Text("visar vald font för mellanstorleken av texten"),
            Text("visar vald font för den minsta textstorleken")};
}

FontSpec& FontOf(PrinterBlock& block, int which) {
    return which == 0 ? block.stor : which == 1 ? block.mellan : block.liten;
}

const FontSpec& FontOf(const PrinterBlock& block, int which) {
    return which == 0 ? block.stor : which == 1 ? block.mellan : block.liten;
}

// The stored font at the given point size.
QFont ScreenFont(const FontSpec& stored, int points) {
    platform::FontDescription description;
    SpecToFont(stored, description);
    QFont font = platform::QFontOf(description, kDesignPixelsPerInch);
    font.setPointSize(points);
    return font;
}

}  // namespace

TEKonfigDlg::TEKonfigDlg(QWidget* owner) : QDialog(owner) {
    setObjectName("EKonfigDlg");
    setWindowTitle(Text("inställningar"));
    FixDialogFrame(this, kClient);

    KonfigPageControl = new SettingTabs("KonfigPageControl", 2, 2, QSize(110, 26), this);
    KonfigPageControl->move(8, 8);
    KonfigPageControl->setName(kReportPage, "rapporter");
    KonfigPageControl->setName(kLabelPage, "etiketter");
    Caption("datornnamn", QRect(420, 8, 76, 24), this);
    datornamn = Edit("datornamn", QRect(500, 8, 152, 24), kComputerNameLength, this);
    SetHint(datornamn, Text("datornnamnet visas vid vissa utskrifter , filskapning mm,"));

    pages = new QStackedWidget(this);
    pages->setObjectName("pages");
    pages->setGeometry(kPages);
    auto* reportPage = new QWidget;
    reportPage->setObjectName("rapporter");
    auto* labelPage = new QWidget;
    labelPage->setObjectName("etiketter");
    pages->addWidget(reportPage);
    pages->addWidget(labelPage);
    BuildReportPage(reportPage);
    BuildLabelPage(labelPage);
    connect(KonfigPageControl, &SettingTabs::switchRequested, this, [this](int page) {
        KonfigPageControl->setCurrent(page);
        pages->setCurrentIndex(page);
    });

    BitBtn1 = Button("BitBtn1", "OK", QRect(552, 516, 100, 27), this);
    SetHint(BitBtn1, Text("acceptera ändringarna och återvänd"));
    connect(BitBtn1, &QPushButton::clicked, this, &TEKonfigDlg::accept);
    StatusBarEKonfig = AddHintBar(this, kClient);
    StatusBarEKonfig->setObjectName("StatusBarEKonfig");

    // Creation, in order: the computer name; the tabs of the current
    // settings and the page shown last; the scale; the settings from the
    // file; the page-format buttons stay disabled.
    datornamn->setText(platform::ToQString(WorkingGlobalSettings().computerName.view()));
    RapportTabControl->setCurrent(CurrentPrintNumber() - 1);
    EtikettTabControl->setCurrent(CurrentLabelNumber() - 1);
    KonfigPageControl->setCurrent(SettingsPageToShow() - 1);
    pages->setCurrentIndex(SettingsPageToShow() - 1);
    platform::ScaleForm(this, WindowScale);
    platform::CentreOnOwner(this, owner);
    shownMessage_ = MessageLine.str();
    ShowPrintSetting(CurrentPrintNumber());
    ShowLabelSetting(CurrentLabelNumber());
    RapportDlgButton1->setEnabled(false);
    etikettDlgBtn1->setEnabled(false);
}

void TEKonfigDlg::BuildReportPage(QWidget* page) {
    RapportTabControl = new SettingTabs("RapportTabControl", kSettingSlots, 5, kTabButton, page);
    SetHint(RapportTabControl, Text("inställningar för rapporter och utskrifter"));
    connect(RapportTabControl, &SettingTabs::switchRequested, this, &TEKonfigDlg::ReportTabClick);

    Caption("namn", QRect(0, 64, 66, 24), page);
    rapportnamn = Edit("rapportnamn", QRect(70, 64, 290, 24), kReportNameLength, page);
    SetHint(rapportnamn, Text("namn för inställningen"));
    Caption("fottext", QRect(0, 94, 66, 24), page);
    fottext = Edit("fottext", QRect(70, 94, 574, 24), kFooterLength, page);
    SetHint(fottext, Text("fottext vid rapportutskrifter"));
    Caption("skrivarval", QRect(0, 124, 66, 24), page);
    RaSkrivarval = Edit("RaSkrivarval", QRect(70, 124, 290, 24), kPrinterNameLength, page);
    RaSkrivarval->setReadOnly(true);
    SetHint(RaSkrivarval, Text("visar vald skrivare för rapporten"));
    RapportDlgButton1 =
        Button("RapportDlgButton1", "utskriftsformat", QRect(370, 122, 130, 27), page);
    SetHint(RapportDlgButton1, Text("dialog för val av skirvare mm"));
    RapportDlgButton2 = Button("RapportDlgButton2", "skrivare", QRect(510, 122, 134, 27), page);
    connect(RapportDlgButton2, &QPushButton::clicked, this, &TEKonfigDlg::ReportPrinterClick);

    reportFonts = BuildFonts(page, 158, "Ra", ReportFontHints());
    for (int which = 0; which < 3; ++which) {
        SetHint(reportFonts.buttons[which], Text("dialog för val av font"));
        connect(reportFonts.buttons[which], &QPushButton::clicked, this,
                [this, which] { ReportFontClick(which); });
    }

    auto* columns = new QGroupBox("kolumner", page);
    columns->setGeometry(0, 276, 120, 60);
    RaKolumnEdit = Spin("RaKolumnEdit", QRect(10, 24, 60, 24), 1, 9,
                        "antal kolumner för uppdelning av rapportens sida", columns);

    PrBildPageControl = new QTabWidget(page);
    PrBildPageControl->setObjectName("PrBildPageControl");
    PrBildPageControl->setGeometry(130, 276, 514, 190);
    for (int slot = 0; slot < kDialogPictures; ++slot) {
        auto* tab = new QWidget;
        PrBildPageControl->addTab(tab, QString("bild%1").arg(slot));
        PrBild[slot] = new QLabel(tab);
        PrBild[slot]->setObjectName(QString("PrBild%1").arg(slot));
        PrBild[slot]->setGeometry(8, 8, 240, 144);
        PrBild[slot]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        PrBild[slot]->setAlignment(Qt::AlignCenter);
        if (slot == 0) {
            continue;
        }
        PrBild[slot]->setCursor(Qt::PointingHandCursor);
        PrBild[slot]->installEventFilter(this);
        SetHint(PrBild[slot],
                slot == 3 ? Text("klicka för att välja bildfil")
                          : Text("avslutningsbild för rapporterna om plats finns kvar på sista "
                                 "sidan"));
        cbAktiv[slot] = new QCheckBox("aktiv", tab);
        cbAktiv[slot]->setObjectName(QString("cbAktiv%1").arg(slot));
        cbAktiv[slot]->setGeometry(264, 8, 100, 24);
        SetHint(cbAktiv[slot], Text("bilden aktiv för utskrift på rapporten"));
        auto* size = new QGroupBox("storlek", tab);
        size->setGeometry(264, 40, 120, 60);
        PrBildSize[slot] =
            Spin(qPrintable(QString("PrBildSize%1").arg(slot)), QRect(10, 24, 60, 24), 1, 9,
                 "del av rapportens bredd som tilldelas bilden vid utskriften (1/n)", size);
    }
}

void TEKonfigDlg::BuildLabelPage(QWidget* page) {
    EtikettTabControl = new SettingTabs("EtikettTabControl", kSettingSlots, 5, kTabButton, page);
    SetHint(EtikettTabControl,
            Text("inställningar för etiketter, upprepande rapporter, giroblanketter mm"));
    connect(EtikettTabControl, &SettingTabs::switchRequested, this, &TEKonfigDlg::LabelTabClick);

    Caption("namn", QRect(0, 64, 66, 24), page);
    etikettnamn = Edit("etikettnamn", QRect(70, 64, 290, 24), kReportNameLength, page);
    SetHint(etikettnamn, Text("namn för inställningen"));
    Caption("skrivarval", QRect(0, 94, 66, 24), page);
    EtSkrivarval = Edit("EtSkrivarval", QRect(70, 94, 290, 24), kPrinterNameLength, page);
    EtSkrivarval->setReadOnly(true);
    SetHint(EtSkrivarval, Text("visar vald skrivare för etiketterna"));
    etikettDlgBtn1 = Button("etikettDlgBtn1", "utskriftformat", QRect(370, 92, 130, 27), page);
    SetHint(etikettDlgBtn1, Text("dialog för val av skrivare mm"));
    etikettDlgBtn2 = Button("etikettDlgBtn2", "skrivare", QRect(510, 92, 134, 27), page);
    connect(etikettDlgBtn2, &QPushButton::clicked, this, &TEKonfigDlg::LabelPrinterClick);

    labelFonts = BuildFonts(page, 128, "Et", LabelFontHints());
    labelFonts.buttons[0]->parentWidget()->setStatusTip(
        Text("vid etikettutskrifter gör programmet försök med att få plats med den i tur och "
             "ordning största,  mellersta  för att till slut välja den minsta texten"));
    for (int which = 0; which < 3; ++which) {
        connect(labelFonts.buttons[which], &QPushButton::clicked, this,
                [this, which] { LabelFontClick(which); });
    }

    const char* fromCorner = " från utskrivbara ytans övre vänstra hörn";
    const std::string leftHint =
        std::string("vänstermarginalen för första etiketterna på varje rad") + fromCorner;
    const std::string topHint =
        std::string("topmarginalen för översta etikettraden på arken") + fromCorner;
    EtXn = LabelledSpin("antal kolumn", "EtXn", {0, 256}, 1, 9, "antal i bredd per rad", page);
    EtYn = LabelledSpin("antal rader", "EtYn", {0, 290}, 1, 99,
                        "antal etikettkopior av varje etikett", page);
    auto* copies = new QGroupBox("antal kopior", page);
    copies->setGeometry(0, 324, 196, 60);
    SetHint(copies, Text("antal kopior av varje etikett i följd"));
    Etcopies = Spin("Etcopies", QRect(100, 24, 90, 24), 1, 99,
                    "antal etikettkopior av varje etikett", copies);
    EtXdeln = LabelledSpin("kolumndeln", "EtXdeln", {220, 256}, 0, kLongest,
                           "delningen för varje kolumn", page);
    EtYdeln = LabelledSpin("raddelning", "EtYdeln", {220, 290}, 0, kLongest,
                           "delningen för varje etikettrad", page);
    EtYh =
        LabelledSpin("etiketthöjd", "EtYh", {220, 324}, 0, kLongest, "höjden på en etikett", page);
    EtXmarg = LabelledSpin("vänstermarg", "EtXmarg", {440, 256}, kMostNegativeMargin, kLongest,
                           leftHint.c_str(), page);
    EtXw = LabelledSpin("etikettbredd", "EtXw", {440, 290}, 0, kLongest, "bredden på en etikett",
                        page);
    EtYmarg = LabelledSpin("topmarginal", "EtYmarg", {440, 324}, kMostNegativeMargin, kLongest,
                           topHint.c_str(), page);
}

FontControls TEKonfigDlg::BuildFonts(QWidget* page, int top, const char* prefix,
                                     const std::array<QString, 3>& hints) {
    static const char* const kKinds[3] = {"Stor", "Mellan", "Liten"};
    static const char* const kCaptions[3] = {"stor", "mellan", "liten"};
    auto* group = new QGroupBox("utskriftsfonter", page);
    group->setGeometry(0, top, 644, 112);
    FontControls controls;
    for (int which = 0; which < 3; ++which) {
        const int y = 22 + which * 30;
        controls.buttons[which] =
            Button(qPrintable(QString("%1BitBtn%2Font").arg(prefix, kKinds[which])),
                   kCaptions[which], QRect(8, y, 80, 27), group);
        controls.boxes[which] = Edit(qPrintable(QString("%1Edit%2Font").arg(prefix, kKinds[which])),
                                     QRect(96, y, 540, 27), kFontBoxLength, group);
        controls.boxes[which]->setReadOnly(true);
        SetHint(controls.boxes[which], hints[which]);
    }
    return controls;
}

// Settings and pages ---------------------------------------------------------

void TEKonfigDlg::ShowPrintSetting(int n) {
    ReadPrintSettingSlot(n);
    RapportTabControl->setCurrent(CurrentPrintNumber() - 1);
    FillReportPage();
}

void TEKonfigDlg::ShowLabelSetting(int n) {
    ReadLabelSettingSlot(n);
    EtikettTabControl->setCurrent(CurrentLabelNumber() - 1);
    FillLabelPage();
}

void TEKonfigDlg::FillFonts(const FontControls& controls, const PrinterBlock& block) {
    const int points = static_cast<int>(std::lround(kFontBoxPoints * WindowScale / 100.0));
    for (int which = 0; which < 3; ++which) {
        const FontSpec& stored = FontOf(block, which);
        controls.boxes[which]->setText(platform::ToQString(FontBoxText(stored)));
        controls.boxes[which]->setFont(ScreenFont(stored, points));
    }
}

void TEKonfigDlg::FillReportPage() {
    const GlobalSettings& global = WorkingGlobalSettings();
    const PrintSetting& setting = WorkingPrintSetting();
    for (int i = 0; i < kSettingSlots; ++i) {
        RapportTabControl->setName(i, platform::ToQString(global.printNames[i].view()));
    }
    const ReportPage page = ReportPageOfWorkingSetting();
    fottext->setText(platform::ToQString(page.footer));
    rapportnamn->setText(platform::ToQString(page.name));
    RaSkrivarval->setText(platform::ToQString(StoredPrinterName(setting.printer)));
    FillFonts(reportFonts, setting.printer);
    RaKolumnEdit->setValue(page.columns);
    for (int slot = 0; slot < kDialogPictures; ++slot) {
        if (slot > 0) {
            cbAktiv[slot]->setChecked(page.active[slot]);
            PrBildSize[slot]->setValue(page.sizes[slot]);
        }
        const QImage image = platform::ImageOf(SlotPicture(slot));
        PrBild[slot]->setPixmap(QPixmap::fromImage(image.scaled(
            PrBild[slot]->size() - QSize(4, 4), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    }
    ShowMessageLine();
}

void TEKonfigDlg::FillLabelPage() {
    const GlobalSettings& global = WorkingGlobalSettings();
    for (int i = 0; i < kSettingSlots; ++i) {
        EtikettTabControl->setName(i, platform::ToQString(global.labelNames[i + 1].view()));
    }
    const LabelPage page = LabelPageOfWorkingSetting();
    etikettnamn->setText(platform::ToQString(page.name));
    EtSkrivarval->setText(platform::ToQString(StoredPrinterName(WorkingLabelSetting().printer)));
    FillFonts(labelFonts, WorkingLabelSetting().printer);
    EtXn->setValue(page.across);
    EtYn->setValue(page.rows);
    Etcopies->setValue(page.copies);
    EtXdeln->setValue(page.columnPitch);
    EtYdeln->setValue(page.rowPitch);
    EtYh->setValue(page.labelHeight);
    EtXmarg->setValue(page.leftMargin);
    EtXw->setValue(page.labelWidth);
    EtYmarg->setValue(page.topMargin);
    ShowMessageLine();
}

void TEKonfigDlg::StoreReportPageNow() {
    ReportPage page = ReportPageOfWorkingSetting();
    page.name = platform::FromQString(rapportnamn->text());
    page.footer = platform::FromQString(fottext->text());
    page.columns = RaKolumnEdit->value();
    for (int slot = 1; slot < kDialogPictures; ++slot) {
        page.active[slot] = cbAktiv[slot]->isChecked();
        page.sizes[slot] = PrBildSize[slot]->value();
    }
    StoreReportPage(RapportTabControl->current() + 1, page);
}

void TEKonfigDlg::StoreLabelPageNow() {
    LabelPage page;
    page.name = platform::FromQString(etikettnamn->text());
    page.across = EtXn->value();
    page.copies = Etcopies->value();
    page.rows = EtYn->value();
    page.topMargin = EtYmarg->value();
    page.leftMargin = EtXmarg->value();
    page.labelHeight = EtYh->value();
    page.labelWidth = EtXw->value();
    page.rowPitch = EtYdeln->value();
    page.columnPitch = EtXdeln->value();
    StoreLabelPage(EtikettTabControl->current() + 1, page);
}

void TEKonfigDlg::ShowMessageLine() {
    if (MessageLine.str() != shownMessage_) {
        shownMessage_ = MessageLine.str();
        StatusBarEKonfig->showMessage(platform::ToQString(shownMessage_));
        ShortBeep();
    }
}

// Tabs -----------------------------------------------------------------------

void TEKonfigDlg::ReportTabClick(int index) {
    StoreReportPageNow();
    if (!ReadPrintSettingSlot(index + 1)) {
        StatusBarEKonfig->showMessage(platform::ToQString(UnreadableSettingsText()));
        ShortBeep();
        return;
    }
    RapportTabControl->setCurrent(index);
    FillReportPage();
}

void TEKonfigDlg::LabelTabClick(int index) {
    StoreLabelPageNow();
    if (!ReadLabelSettingSlot(index + 1)) {
        StatusBarEKonfig->showMessage(platform::ToQString(UnreadableSettingsText()));
        ShortBeep();
        return;
    }
    EtikettTabControl->setCurrent(index);
    FillLabelPage();
}

// Fonts, printers and pictures -------------------------------------------------

std::optional<QFont> TEKonfigDlg::ChooseFont(const QFont& initial) {
    QFontDialog dialog(initial, this);
    dialog.setWindowTitle(Text("font"));
    platform::SetDialogWindowFlags(&dialog, platform::TitleBarButtons::Close);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.selectedFont();
}

void TEKonfigDlg::ChooseSettingFont(FontSpec& stored) {
    platform::FontDescription current;
    SpecToFont(stored, current);
    QFont initial = platform::QFontOf(current, kDesignPixelsPerInch);
    initial.setPointSize(platform::FontPoints(current));
    if (!QFontDatabase::hasFamily(initial.family())) {
        // The dialog starts at the face that stands in for a missing one.
        initial.setFamily(QFontInfo(initial).family());
    }
    if (const std::optional<QFont> chosen = ChooseFont(initial)) {
        FontToSpec(platform::DescriptionOf(*chosen, current), stored);
    }
}

void TEKonfigDlg::ReportFontClick(int which) {
    StoreReportPageNow();
    ChooseSettingFont(FontOf(WorkingPrintSetting().printer, which));
    FillReportPage();
}

void TEKonfigDlg::LabelFontClick(int which) {
    StoreLabelPageNow();
    ChooseSettingFont(FontOf(WorkingLabelSetting().printer, which));
    FillLabelPage();
}

std::optional<platform::PrinterInfo> TEKonfigDlg::ChoosePrinter(const PrinterBlock& block) {
    const QStringList installed = QPrinterInfo::availablePrinterNames();
    platform::PrinterSetup setup = PrinterSetupFromBlock(block);
    QString queue = platform::ToQString(setup.deviceName);
    if (!installed.contains(queue)) {
        queue = QPrinterInfo::defaultPrinterName();
        if (!installed.contains(queue)) {
            queue = installed.value(0);
        }
        setup = platform::PrinterSetup{};
    }
    QPrinter printer(QPrinter::HighResolution);
    platform::ApplyPrinterSetup(printer, platform::FromQString(queue), setup);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(Text("skrivare"));
    platform::SetDialogWindowFlags(&dialog, platform::TitleBarButtons::Close);
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return platform::PrinterInfoOf(printer);
}

bool TEKonfigDlg::ChooseSettingPrinter(PrinterBlock& block) {
    if (platform::CurrentPrinterCatalog().PrinterNames().empty()) {
        StatusBarEKonfig->showMessage(Text("ingen skrivare installerad"));
        ShortBeep();
        return false;
    }
    const std::optional<platform::PrinterInfo> chosen = ChoosePrinter(block);
    if (chosen && !StoreChosenPrinter(block, *chosen)) {
        ShortBeep();
    }
    return chosen.has_value();
}

void TEKonfigDlg::ReportPrinterClick() {
    StoreReportPageNow();
    ChooseSettingPrinter(WorkingPrintSetting().printer);
    FillReportPage();
}

void TEKonfigDlg::LabelPrinterClick() {
    StoreLabelPageNow();
    ChooseSettingPrinter(WorkingLabelSetting().printer);
    FillLabelPage();
}

QString TEKonfigDlg::ChoosePicture(const QString& start) {
    return platform::ChoosePictureFile(this, start);
}

void TEKonfigDlg::PictureClick(int slot) {
    StoreReportPageNow();
    const std::string path = WorkingPrintSetting().pictures[slot].path.str();
    const QString chosen = ChoosePicture(platform::ToQString(path));
    StorePicturePath(slot, chosen.toStdString());
    FillReportPage();
}

// Closing ------------------------------------------------------------------------

void TEKonfigDlg::Close() {
    if (closed_) {
        return;
    }
    closed_ = true;
    StoreReportPageNow();
    StoreLabelPageNow();
    StoreDialogEnd(KonfigPageControl->current() + 1, platform::FromQString(datornamn->text()));
}

void TEKonfigDlg::accept() {
    Close();
    QDialog::accept();
}

void TEKonfigDlg::reject() {
    accept();
}

void TEKonfigDlg::closeEvent(QCloseEvent* event) {
    Close();
    QDialog::closeEvent(event);
}

bool TEKonfigDlg::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        StatusBarEKonfig->showMessage(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QDialog::event(event);
}

bool TEKonfigDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        for (int slot = 1; slot < kDialogPictures; ++slot) {
            if (watched == PrBild[slot]) {
                PictureClick(slot);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void RunSettingsDialog(QWidget* owner) {
    TEKonfigDlg dialog(owner);
    dialog.exec();
}

}  // namespace oltoma::forms
