// The course picture window: the sheet's size at scales 10 and 20, the view
// at window scale 200, and saving when it closes.
#include "ol/forms/banbildform.h"

#include <QImageReader>
#include <QScrollArea>

#include <cstring>
#include <deque>

#include "base/settings/window_scale.h"
#include "forms_data_fixture.h"
#include "ol/data/files/registers.h"
#include "qtest_main.h"
#include "scripted_message_boxes.h"

namespace oltoma::ol {

// The window with its save dialog answered from a script.
class ScriptedBanImgForm final : public TbanImgForm {
public:
    using TbanImgForm::TbanImgForm;
    std::deque<QString> answers;
    int asked = 0;

protected:
    QString saveBanaDlg() override {
        ++asked;
        if (answers.empty()) {
            return {};
        }
        QString answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

class BanImgFormTest : public QObject {
    Q_OBJECT

    QString folder_;

    static void AddSymbol(const char* key, std::uint8_t fill) {
        ClearRoute24();
        Ol().route24.rec.Namn = key;
        std::memset(Ol().route24.rec.Symbol, fill, sizeof Ol().route24.rec.Symbol);
        std::int32_t rc = 0;
        QVERIFY(SaveRoute24(true, rc));
    }

    // A course of `controls` controls.
    static TrackRec Course(int controls) {
        TrackRec course{};
        course.Bana = "A";
        course.Antal = static_cast<std::int16_t>(controls);
        for (int i = 0; i < controls; ++i) {
            course.KodNr[i] = std::to_string(31 + i);
        }
        return course;
    }

    static void Open(ScriptedBanImgForm& form, int scale, int controls) {
        Ol().competition.rec.banPrSkalaW = static_cast<std::uint8_t>(scale);
        KlassRec klass{};
        klass.Bet = "H21";
        form.Init(Course(controls), klass);
        QVERIFY(form.FormCreate());
    }

private slots:
    void init() {
        WindowScale = 100;
        folder_ = QString::fromStdString(testing::StartDataLayer(QTest::currentTestFunction()));
        QCOMPARE(testing::NewCompetition("Ett"), 1);
        QVERIFY(OpenDefinitionFiles());
        AddSymbol("_VU", 0xFF);  // frame VU all black, frame U all white
        AddSymbol("_U", 0x00);
    }
    void cleanup() { testing::StopDataLayer(); }

    void sheetOfTenControlsAtScales10And20() {
        struct Case {
            int scale;
            int cell;
        };
        for (const Case c : {Case{10, 48}, Case{20, 96}}) {
            ScriptedBanImgForm form(nullptr);
            Open(form, c.scale, 10);
            const int half = c.cell / 2;
            // Half a cell, 9 cells and 8 units wide; half a row and 12 rows
            // high (heading, 10 controls, closing row).
            QCOMPARE(form.leftm, half);
            QCOMPARE(form.topm, half);
            QCOMPARE(form.img.width(), half + 9 * c.cell + c.scale * 8 / 10);
            QCOMPARE(form.img.height(), half + 12 * c.cell);
            // Cell A of the heading is frame VU: a black square of one cell.
            QCOMPARE(form.img.pixelColor(half, half), QColor(Qt::black));
            QCOMPARE(form.img.pixelColor(half + c.cell - 1, half + c.cell - 1), QColor(Qt::black));
            QCOMPARE(form.img.pixelColor(half + c.cell, half + 2), QColor(Qt::white));
            QVERIFY(
                form.windowTitle().startsWith(QString::fromUtf8("A H21 (48x72).   (möjlighet")));
        }
    }

    void scaleZeroCountsAsTen() {
        ScriptedBanImgForm form(nullptr);
        Open(form, 0, 2);
        QCOMPARE(Ol().competition.rec.banPrSkalaW, std::uint8_t{10});
        QCOMPARE(form.img.width(), 24 + 440);
    }

    void atWindowScale200TheViewDoublesTheSheet() {
        WindowScale = 200;
        ScriptedBanImgForm form(nullptr);
        Open(form, 10, 3);
        QWidget* view = form.sheetArea->widget();
        QCOMPARE(view->size(), form.img.size() * 2);
        QCOMPARE(form.img.width(), 464);  // the image keeps its own size
    }

    void tooLargeASheetGivesAMessageAndNoWindow() {
        oltoma::testing::ScriptedMessageBoxes boxes;
        oltoma::testing::BoundMessageBoxes bound(boxes);
        ScriptedBanImgForm form(nullptr);
        Ol().competition.rec.banPrSkalaW = 255;
        form.Init(Course(35), KlassRec{});
        QVERIFY(!form.FormCreate());
        QCOMPARE(boxes.shown.size(), std::size_t{1});
        QVERIFY(form.img.isNull());
    }

    void cancelledSaveClosesWithoutAFile() {
        ScriptedBanImgForm form(nullptr);
        Open(form, 10, 3);
        form.show();
        QTest::keyClick(&form, Qt::Key_Escape);
        QCOMPARE(form.asked, 1);
        QVERIFY(!form.isVisible());
        QCOMPARE(QDir(folder_).entryList({"*.jpg", "*.png", "*.bmp"}, QDir::Files), QStringList{});
    }

    void savedAsTheFormatItsNameSays() {
        struct Case {
            const char* name;
            const char* written;
            const char* format;
        };
        for (const Case c :
             {Case{"bana", "bana.jpg", "jpeg"}, Case{"bana.PNG", "bana.PNG", "png"},
              Case{"bana.bmp", "bana.bmp", "bmp"}, Case{"bana.txt", "bana.txt.jpg", "jpeg"}}) {
            ScriptedBanImgForm form(nullptr);
            Open(form, 10, 3);
            form.answers = {folder_ + "/" + c.name};
            form.show();
            form.close();
            QCOMPARE(form.asked, 1);
            QImageReader reader(folder_ + "/" + c.written);
            QCOMPARE(reader.format(), QByteArray(c.format));
            QCOMPARE(reader.size(), form.img.size());
        }
    }

    void failedSaveSaysSoAndAsksAgain() {
        oltoma::testing::ScriptedMessageBoxes boxes;
        oltoma::testing::BoundMessageBoxes bound(boxes);
        ScriptedBanImgForm form(nullptr);
        Open(form, 10, 3);
        const QString missing = folder_ + "/saknas/bana.jpg";
        form.answers = {missing, folder_ + "/bana.jpg"};
        form.show();
        form.close();
        QCOMPARE(form.asked, 2);
        QCOMPARE(boxes.shown.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(boxes.shown[0].text),
                 "Kan ej spara bilden i filen \"" + missing + "\"");
        QVERIFY(QFileInfo::exists(folder_ + "/bana.jpg"));
    }
};

}  // namespace oltoma::ol

OLTOMA_QTEST_MAIN(oltoma::ol::BanImgFormTest)
#include "banbildform_test.moc"
