#include "print/forms/ekonfig32.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStatusBar>

#include <cstdlib>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "base/messages/messages.h"
#include "base/settings/configuration_file.h"
#include "base/settings/printer_block_fields.h"
#include "base/settings/program_name.h"
#include "base/settings/settings_state.h"
#include "base/settings/window_scale.h"
#include "base/text/windows1252.h"
#include "bound_services.h"
#include "print/forms/setting_tabs.h"
#include "qtest_main.h"
#include "scripted_message_boxes.h"
#include "scripted_printer_catalog.h"
#include "scripted_services.h"

namespace oltoma::forms {

// The settings dialog with its font, printer and picture dialogs answered
// by the test.
class ScriptedKonfigDlg final : public TEKonfigDlg {
public:
    using TEKonfigDlg::TEKonfigDlg;
    std::optional<QFont> font;
    std::optional<platform::PrinterInfo> printer;
    QString picture;
    int printerDialogs = 0;

protected:
    std::optional<QFont> ChooseFont(const QFont&) override { return font; }
    std::optional<platform::PrinterInfo> ChoosePrinter(const PrinterBlock&) override {
        ++printerDialogs;
        return printer;
    }
    QString ChoosePicture(const QString&) override { return picture; }
};

class EKonfigTest : public QObject {
    Q_OBJECT

    oltoma::testing::ScriptedMessageBoxes boxes;
    oltoma::testing::RecordingSound sound;
    oltoma::testing::ScriptedPrinterCatalog printers;
    oltoma::testing::BoundServices bound{
        {.messageBoxes = &boxes, .sound = &sound, .printerCatalog = &printers}};

    static std::string ConfigFile() {
        return std::string(std::getenv("HOME")) + "/.config/OltomaW64/OltomaW64.P64";
    }

    static std::vector<char> Slot(std::int64_t offset, std::size_t length) {
        std::ifstream file(ConfigFile(), std::ios::binary);
        std::vector<char> bytes(length);
        file.seekg(offset);
        file.read(bytes.data(), static_cast<std::streamsize>(length));
        return bytes;
    }
    static PrintSetting StoredPrintSetting(int n) {
        PrintSetting setting;
        const std::vector<char> bytes =
            Slot(kPrintSettingsOffset + (n - 1) * sizeof(PrintSetting), sizeof setting);
        std::memcpy(&setting, bytes.data(), sizeof setting);
        return setting;
    }
    static LabelSetting StoredLabelSetting(int n) {
        LabelSetting setting;
        const std::vector<char> bytes =
            Slot(kLabelSettingsOffset + (n - 1) * sizeof(LabelSetting), sizeof setting);
        std::memcpy(&setting, bytes.data(), sizeof setting);
        return setting;
    }
    static bool SameBytes(const void* a, const void* b, std::size_t length) {
        return std::memcmp(a, b, length) == 0;
    }

private slots:
    void initTestCase() {
        ProgramName = "OltomaW64";
        printers.Add("laser").minimumMargins = {423, 424, 425, 426};
        printers.Add("etiketter");
    }
    void init() {
        std::filesystem::remove(ConfigFile());
        QVERIFY(LoadConfiguration(5));
        WindowScale = 100;
        SetMessageLine("");
        sound.beeps.clear();
    }

    void openingShowsTheCurrentSettingsAndPage() {
        WorkingGlobalSettings().settingsPage = 7;  // outside 1..2: page 1
        ScriptedKonfigDlg dialog(nullptr);
        QCOMPARE(dialog.windowTitle(), QString::fromUtf8("inställningar"));
        QCOMPARE(dialog.pages->currentIndex(), 0);
        QCOMPARE(dialog.RapportTabControl->current(), 0);
        QCOMPARE(dialog.rapportnamn->text(), QString::fromUtf8("arial.stående"));
        QCOMPARE(dialog.RapportTabControl->name(1), QString("arial.liggande"));
        QCOMPARE(dialog.EtikettTabControl->name(9), QString("Giro/Startkort"));
        QCOMPARE(dialog.etikettnamn->text(), QString("Laser 3x8"));
        QCOMPARE(dialog.EtXmarg->value(), -50);
        QCOMPARE(dialog.EtYmarg->value(), -20);
        QCOMPARE(dialog.reportFonts.boxes[0]->text(), QString("(14) \"Arial\""));
        QCOMPARE(dialog.reportFonts.boxes[0]->font().pointSize(), 12);
        QVERIFY(!dialog.RapportDlgButton1->isEnabled());
        QVERIFY(!dialog.etikettDlgBtn1->isEnabled());
        QCOMPARE(dialog.EtXdeln->minimum(), 0);
        QCOMPARE(dialog.EtXmarg->minimum(), -999);
        QVERIFY(dialog.EtXmarg->statusTip().endsWith(
            QString::fromUtf8("från utskrivbara ytans övre vänstra hörn")));
        QVERIFY(!dialog.PrBild[0]->pixmap().isNull());
    }

    // A setting name that its button cuts shows whole as the button's tool
    // tip; one that fits has none.
    void aCutSettingNameIsItsToolTip() {
        ScriptedKonfigDlg dialog(nullptr);
        const QString wide(40, 'W');
        dialog.RapportTabControl->setName(1, wide);
        const auto buttons = dialog.RapportTabControl->findChildren<QPushButton*>();
        QCOMPARE(buttons.at(1)->toolTip(), wide);
        dialog.RapportTabControl->setName(1, "arial.liggande");
        QCOMPARE(buttons.at(1)->toolTip(), QString());
    }

    void aSwitchWritesTheSettingLeftAndReadsTheNext() {
        ScriptedKonfigDlg dialog(nullptr);
        dialog.rapportnamn->setText("Min");
        dialog.fottext->setText("Min fottext");
        dialog.RaKolumnEdit->setValue(3);
        dialog.cbAktiv[2]->setChecked(true);
        dialog.RapportTabControl->button(1)->click();

        QCOMPARE(dialog.RapportTabControl->current(), 1);
        QCOMPARE(CurrentPrintNumber(), 2);
        const PrintSetting first = StoredPrintSetting(1);
        QCOMPARE(first.fottext.view(), std::string_view("Min fottext"));
        QCOMPARE(first.printer.columns, 3);
        QCOMPARE(first.pictures[2].active, 1);
        const PrintSetting second = StoredPrintSetting(2);
        QVERIFY(SameBytes(&second, &WorkingPrintSetting(), sizeof second));
        QCOMPARE(dialog.rapportnamn->text(), QString("arial.liggande"));
        QCOMPARE(dialog.RapportTabControl->name(0), QString("Min"));

        dialog.RapportTabControl->button(0)->click();
        QCOMPARE(dialog.fottext->text(), QString("Min fottext"));
        QCOMPARE(dialog.RaKolumnEdit->value(), 3);
        QVERIFY(dialog.cbAktiv[2]->isChecked());
    }

    void closingStoresBothPagesAndThePageShown() {
        {
            ScriptedKonfigDlg dialog(nullptr);
            dialog.KonfigPageControl->button(1)->click();
            QCOMPARE(dialog.pages->currentIndex(), 1);
            dialog.EtikettTabControl->button(9)->click();
            dialog.EtXn->setValue(2);
            dialog.EtYmarg->setValue(-35);
            dialog.datornamn->setText("kansliet");
            dialog.reject();  // Escape: there is no Cancel
        }
        QCOMPARE(WorkingGlobalSettings().settingsPage, 2);
        QCOMPARE(CurrentLabelNumber(), 10);
        QCOMPARE(WorkingGlobalSettings().computerName.view(), std::string_view("kansliet"));
        const LabelSetting stored = StoredLabelSetting(10);
        QCOMPARE(stored.across, 2);
        QCOMPARE(stored.topMargin, -35);
        QVERIFY(SameBytes(&stored, &WorkingLabelSetting(), sizeof stored));

        ScriptedKonfigDlg again(nullptr);
        QCOMPARE(again.pages->currentIndex(), 1);
        QCOMPARE(again.EtikettTabControl->current(), 9);
        QCOMPARE(again.EtXn->value(), 2);
    }

    void anUnreadableFileKeepsTheTab() {
        ScriptedKonfigDlg dialog(nullptr);
        dialog.fottext->setText("kvar");
        std::filesystem::rename(ConfigFile(), ConfigFile() + ".bort");
        dialog.RapportTabControl->button(4)->click();
        std::filesystem::rename(ConfigFile() + ".bort", ConfigFile());
        QCOMPARE(dialog.RapportTabControl->current(), 0);
        QCOMPARE(CurrentPrintNumber(), 1);
        QCOMPARE(dialog.fottext->text(), QString("kvar"));
        QCOMPARE(dialog.StatusBarEKonfig->currentMessage(),
                 QString::fromUtf8("kan ej läsa inställningsfilen"));
        QCOMPARE(sound.beeps.size(), 1u);
        dialog.RapportTabControl->button(4)->click();  // readable again
        QCOMPARE(dialog.RapportTabControl->current(), 4);
        QCOMPARE(StoredPrintSetting(1).fottext.view(), std::string_view("kvar"));
    }

    void aChosenFontSurvivesASwitch() {
        ScriptedKonfigDlg dialog(nullptr);
        QFont chosen("DejaVu Serif");
        chosen.setPointSize(20);
        chosen.setItalic(true);
        dialog.font = chosen;
        dialog.reportFonts.buttons[1]->click();
        QCOMPARE(dialog.reportFonts.boxes[1]->text(), QString("(20) \"DejaVu Serif\""));
        dialog.RapportTabControl->button(1)->click();
        dialog.RapportTabControl->button(0)->click();
        const FontSpec& stored = WorkingPrintSetting().printer.mellan;
        QCOMPARE(stored.name.view(), std::string_view("DejaVu Serif"));
        QCOMPARE(stored.size, 20);
        QCOMPARE(stored.height, -27);  // 20 points at 96 pixels an inch
        QCOMPARE(stored.style, kFontItalic);
        QCOMPARE(StoredPrintSetting(1).printer.mellan.size, 20);

        dialog.font.reset();  // cancelled: the font stays
        dialog.reportFonts.buttons[1]->click();
        QCOMPARE(WorkingPrintSetting().printer.mellan.size, 20);
    }

    void aChosenPrinterKeepsMarginsFontsAndColumns() {
        ScriptedKonfigDlg dialog(nullptr);
        dialog.RaKolumnEdit->setValue(2);
        const PrinterBlock before = WorkingPrintSetting().printer;
        platform::PrinterInfo etiketter = *printers.Describe("etiketter");
        etiketter.minimumMargins = {1000, 1000, 1000, 1000};
        dialog.printer = etiketter;
        dialog.RapportDlgButton2->click();
        const PrinterBlock& after = WorkingPrintSetting().printer;
        QCOMPARE(after.deviceName.view(), std::string_view("etiketter"));
        QCOMPARE(dialog.RaSkrivarval->text(), QString("etiketter"));
        QCOMPARE(PageMarginsOf(after), PageMarginsOf(before));
        QCOMPARE(PageMarginsOf(after), (platform::PageMargins{500, 500, 100, 0}));
        QVERIFY(SameBytes(&after.stor, &before.stor, 3 * sizeof(FontSpec)));
        QCOMPARE(after.columns, 2);

        platform::PrinterInfo gone = etiketter;
        gone.name = "finns-inte";
        dialog.printer = gone;  // not an installed queue: refused
        dialog.RapportDlgButton2->click();
        QCOMPARE(WorkingPrintSetting().printer.deviceName.view(), std::string_view("etiketter"));
    }

    void withoutPrintersThePrinterButtonSaysSo() {
        oltoma::testing::ScriptedPrinterCatalog none;
        oltoma::testing::BoundServices noPrinters({.printerCatalog = &none});
        ScriptedKonfigDlg dialog(nullptr);
        const PrinterBlock before = WorkingLabelSetting().printer;
        dialog.etikettDlgBtn2->click();
        QCOMPARE(dialog.printerDialogs, 0);
        QCOMPARE(dialog.StatusBarEKonfig->currentMessage(), QString("ingen skrivare installerad"));
        QVERIFY(SameBytes(&before, &WorkingLabelSetting().printer, sizeof before));
    }

    void picturesAreChosenClearedOrRefused() {
        ScriptedKonfigDlg dialog(nullptr);
        const std::string home = std::getenv("HOME");
        dialog.picture = QString::fromStdString(home + "/saknas.png");
        dialog.PictureClick(2);
        QCOMPARE(WorkingPrintSetting().pictures[2].path.str(), home + "/saknas.png");

        dialog.picture = QString::fromUtf8("/bilder/日本.png");
        dialog.PictureClick(2);
        QCOMPARE(WorkingPrintSetting().pictures[2].path.str(), home + "/saknas.png");
        QCOMPARE(dialog.StatusBarEKonfig->currentMessage(),
                 QString("kan ej lagra filnamnet \"/bilder/??.png\""));

        dialog.picture.clear();  // Cancel clears the slot: the built-in picture shows
        dialog.PictureClick(2);
        QVERIFY(WorkingPrintSetting().pictures[2].path.empty());
        QVERIFY(!dialog.PrBild[2]->pixmap().isNull());
    }
};

}  // namespace oltoma::forms

OLTOMA_QTEST_MAIN(oltoma::forms::EKonfigTest)
#include "ekonfig32_test.moc"
