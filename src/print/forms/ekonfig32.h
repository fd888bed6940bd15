// The settings dialog TEKonfigDlg (caption "inställningar"): edits the ten
// print settings of reports and the ten label settings of labels and giro
// slips, chooses the current one of each, and the computer name. There is
// no Cancel: every change stays, and every way of closing (OK, Escape, the
// window's close) stores both pages. What the dialog decides without its
// widgets is in print/settings_pages.h.
//
// Layout at 100 percent (client area 660 x 574):
//   KonfigPageControl  (8, 8)     the page buttons "rapporter", "etiketter"
//   datornamn          (500, 8)   "datornnamn", 31 characters
//   pages              (8, 42)    644 x 466:
//     "rapporter": RapportTabControl (ten settings, two rows), rapportnamn,
//       fottext, RaSkrivarval with "utskriftsformat" (always disabled) and
//       "skrivare", the fonts "stor" "mellan" "liten" with their boxes,
//       "kolumner", and the pictures "bild0".."bild4" (PrBildPageControl)
//     "etiketter": EtikettTabControl, etikettnamn, EtSkrivarval with
//       "utskriftformat" (disabled) and "skrivare", the fonts, and the
//       sheet's geometry (EtXn, EtYn, Etcopies, EtXdeln, EtYdeln, EtYh,
//       EtXmarg, EtXw, EtYmarg; tenths of a millimetre)
//   BitBtn1            (552, 516) OK
//   StatusBarEKonfig   the hint bar
//
// The font, printer and picture dialogs are reached through virtual
// functions, so tests answer them.
#pragma once

#include <QDialog>
#include <QFont>

#include <array>
#include <optional>
#include <string>

#include "base/settings/settings_records.h"
#include "platform/printer_catalog.h"
#include "print/settings_pages.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class QStatusBar;
class QTabWidget;

namespace oltoma::forms {

class SettingTabs;

// The controls of one page's fonts.
struct FontControls {
    std::array<QPushButton*, 3> buttons{};  // "stor", "mellan", "liten"
    std::array<QLineEdit*, 3> boxes{};
};

class TEKonfigDlg : public QDialog {
    Q_OBJECT

public:
    explicit TEKonfigDlg(QWidget* owner);

    SettingTabs* KonfigPageControl = nullptr;
    QStackedWidget* pages = nullptr;
    QLineEdit* datornamn = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QStatusBar* StatusBarEKonfig = nullptr;

    SettingTabs* RapportTabControl = nullptr;
    QLineEdit* rapportnamn = nullptr;
    QLineEdit* fottext = nullptr;
    QLineEdit* RaSkrivarval = nullptr;
    QPushButton* RapportDlgButton1 = nullptr;
    QPushButton* RapportDlgButton2 = nullptr;
    FontControls reportFonts;
    QSpinBox* RaKolumnEdit = nullptr;
    QTabWidget* PrBildPageControl = nullptr;
    std::array<QLabel*, kDialogPictures> PrBild{};        // 0..4
    std::array<QCheckBox*, kDialogPictures> cbAktiv{};    // 1..4
    std::array<QSpinBox*, kDialogPictures> PrBildSize{};  // 1..4

    SettingTabs* EtikettTabControl = nullptr;
    QLineEdit* etikettnamn = nullptr;
    QLineEdit* EtSkrivarval = nullptr;
    QPushButton* etikettDlgBtn1 = nullptr;
    QPushButton* etikettDlgBtn2 = nullptr;
    FontControls labelFonts;
    QSpinBox* EtXn = nullptr;
    QSpinBox* EtYn = nullptr;
    QSpinBox* Etcopies = nullptr;
    QSpinBox* EtXdeln = nullptr;
    QSpinBox* EtYdeln = nullptr;
    QSpinBox* EtYh = nullptr;
    QSpinBox* EtXmarg = nullptr;
    QSpinBox* EtXw = nullptr;
    QSpinBox* EtYmarg = nullptr;

public slots:
    // OK, Escape and close: both pages are stored into their current
    // settings, then the page shown and the computer name.
    void accept() override;
    void reject() override;

    // The buttons and tabs, as a click runs them.
    void ReportTabClick(int index);
    void LabelTabClick(int index);
    void ReportFontClick(int which);
    void LabelFontClick(int which);
    void ReportPrinterClick();
    void LabelPrinterClick();
    void PictureClick(int slot);

protected:
    // The font dialog, starting at `initial`; nothing when cancelled.
    virtual std::optional<QFont> ChooseFont(const QFont& initial);
    // The printer dialog set up from the stored printer (or the default
    // printer); the printer confirmed, or nothing when cancelled.
    virtual std::optional<platform::PrinterInfo> ChoosePrinter(const PrinterBlock& block);
    // The picture-open dialog, starting at `start`; empty when cancelled.
    virtual QString ChoosePicture(const QString& start);

    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildReportPage(QWidget* page);
    void BuildLabelPage(QWidget* page);
    FontControls BuildFonts(QWidget* page, int top, const char* prefix,
                            const std::array<QString, 3>& hints);
    void ShowPrintSetting(int n);
    void ShowLabelSetting(int n);
    void FillReportPage();
    void FillLabelPage();
    void FillFonts(const FontControls& controls, const PrinterBlock& block);
    void StoreReportPageNow();
    void StoreLabelPageNow();
    void ChooseSettingFont(FontSpec& stored);
    bool ChooseSettingPrinter(PrinterBlock& block);
    void ShowMessageLine();
    void Close();

    std::string shownMessage_;
    bool closed_ = false;
};

// The settings button of the main window: runs the dialog modally.
void RunSettingsDialog(QWidget* owner);

}  // namespace oltoma::forms
