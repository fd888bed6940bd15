// Prints a label sheet and one slip of each giro kind through the CUPS test
// queue "oltoma-test" exactly as the program does (Qt printer, report
// writer, label printing) and measures where the texts landed in the PDF the
// capture backend spooled (pdftotext -bbox). The capture queue prints on
// the whole sheet, so its printable area's corner is the sheet's corner.
// Skipped only when no CUPS scheduler answers.
#include <QDir>
#include <QElapsedTimer>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

#include <cmath>

#include "base/settings/program_name.h"
#include "base/settings/settings_state.h"
#include "labels/giro_fields.h"
#include "labels/giro_file.h"
#include "labels/giro_print.h"
#include "labels/label_geometry.h"
#include "labels/label_print.h"
#include "platform/qt/print/bind_qt_print.h"
#include "qtest_main.h"
#include "test_printer_block.h"

namespace oltoma::labels {
namespace {

const QString kQueue = QStringLiteral("oltoma-test");
const QString kSpool = QStringLiteral("/var/spool/oltoma-capture");
constexpr double kMillimetresPerPoint = 25.4 / 72.0;
constexpr double kTolerance = 1.0;  // millimetres

bool SchedulerAnswers() {
    QProcess lpstat;
    lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-r")});
    return lpstat.waitForFinished(10000) &&
           lpstat.readAllStandardOutput().contains("scheduler is running");
}

QStringList SpooledJobs() {
    return QDir(kSpool).entryList({QStringLiteral("job-*.pdf")}, QDir::Files, QDir::Name);
}

// The job spooled after `before`, or empty after a minute.
QString NewJob(const QStringList& before) {
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 60000) {
        for (const QString& name : SpooledJobs()) {
            if (!before.contains(name)) {
                QThread::msleep(500);  // the backend may still be writing
                return kSpool + "/" + name;
            }
        }
        QThread::msleep(200);
    }
    return {};
}

// A word of the PDF: its page (from 1), text and box in millimetres from
// the sheet's top-left corner.
struct Word {
    int page;
    QString text;
    double left, top, right, bottom;
    double centreX() const { return (left + right) / 2; }
    double centreY() const { return (top + bottom) / 2; }
};

QList<Word> WordsOf(const QString& pdf) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {"-bbox", pdf, "-"});
    pdftotext.waitForFinished(30000);
    const QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());
    static const QRegularExpression word(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    QList<Word> words;
    int page = 0;
    for (auto match = word.globalMatch(html); match.hasNext();) {
        const QRegularExpressionMatch m = match.next();
        if (m.captured(0).startsWith("<page")) {
            ++page;
            continue;
        }
        words.push_back({page, m.captured(5), m.captured(1).toDouble() * kMillimetresPerPoint,
                         m.captured(2).toDouble() * kMillimetresPerPoint,
                         m.captured(3).toDouble() * kMillimetresPerPoint,
                         m.captured(4).toDouble() * kMillimetresPerPoint});
    }
    return words;
}

// A rectangle of the canvas (tenths of a millimetre, y up from the corner)
// as millimetres on the sheet.
struct Area {
    double left, top, right, bottom;
    double centreX() const { return (left + right) / 2; }
    double centreY() const { return (top + bottom) / 2; }
};

Area OnSheet(const platform::Rect& rect) {
    return {rect.left / 10.0, -rect.top / 10.0, rect.right / 10.0, -rect.bottom / 10.0};
}

Area FieldOnSheet(const platform::Rect& place, int left, int top, int right, int bottom) {
    return OnSheet({place.left + left, place.top - top, place.left + right, place.top - bottom});
}

void UseQueue(LabelSetting& setting) {
    setting.printer.deviceName = kQueue.toStdString();
    setting.printer.valid = 1;
    setting.printer.deviceMode.paperSize = kPaperA4;
    setting.printer.deviceMode.orientation = kOrientationPortrait;
    setting.printer.deviceMode.printQuality = 300;
    setting.printer.deviceMode.yResolution = 300;
    setting.printer.pageSetup.flags = kMarginsInHundredthsOfMillimetre;
    oltoma::testing::SetFont(setting.printer.stor, "Liberation Sans", 16);
    oltoma::testing::SetFont(setting.printer.mellan, "Liberation Sans", 12);
    oltoma::testing::SetFont(setting.printer.liten, "Liberation Sans", 10);
    setting.printer.columns = 1;
    setting.copies = 1;
}

}  // namespace

class CupsLabelsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (!SchedulerAnswers()) {
            QSKIP("no CUPS scheduler answers (run scripts/start-test-printer.sh)");
        }
        QVERIFY2(QPrinterInfo::availablePrinterNames().contains(kQueue),
                 "the scheduler runs but has no queue oltoma-test");
        platform::BindQtPrint();
        ProgramName = "OltomaW64";
        WorkingGlobalSettings().labelSettingNumber = 1;
        WorkingGlobalSettings().labelNames[1] = "Laser 3x8";
    }

    // "Laser 3x8": 24 labels, each text centred in its place.
    void aLabelSheetLandsWhereTheSettingPutsIt() {
        LabelSetting& setting = WorkingLabelSetting();
        setting = LabelSetting{};
        setting.leftMargin = -50;
        setting.labelHeight = 320;
        setting.rowPitch = 360;
        setting.columnPitch = 703;
        setting.labelWidth = 600;
        setting.topMargin = -20;
        setting.across = 3;
        setting.rows = 8;
        UseQueue(setting);

        const QStringList before = SpooledJobs();
        QVERIFY(StartLabelPrint("etiketter", 0));
        for (int i = 1; i <= 24; ++i) {
            PrintLabel("E" + std::to_string(100 + i), PaintLabel, 0);
        }
        EndLabelPrint();
        const QString job = NewJob(before);
        QVERIFY2(!job.isEmpty(), "no job was captured within a minute");
        qInfo("label sheet: %s", qPrintable(job));

        const QList<Word> words = WordsOf(job);
        QCOMPARE(words.size(), 24);
        for (int i = 0; i < 24; ++i) {
            const Word& word = words[i];
            const int row = i / 3 + 1;
            const int column = i % 3 + 1;
            QCOMPARE(word.text, QString("E%1").arg(101 + i));
            const Area place = OnSheet(LabelPlace(setting, row, column));
            QVERIFY2(std::abs(word.centreX() - place.centreX()) < kTolerance &&
                         std::abs(word.centreY() - place.centreY()) < kTolerance,
                     qPrintable(QString("%1 at (%2, %3) mm, its place's centre (%4, %5)")
                                    .arg(word.text)
                                    .arg(word.centreX())
                                    .arg(word.centreY())
                                    .arg(place.centreX())
                                    .arg(place.centreY())));
        }
    }

    // "Giro/Startkort": each form's fields where its table puts them.
    void eachGiroFormsFieldsLandInTheirRectangles_data() {
        QTest::addColumn<int>("kind");
        QTest::newRow("plusgiro") << int(Tgirotyp::plusgiro);
        QTest::newRow("postgiro") << int(Tgirotyp::postgiro);
        QTest::newRow("bankgiro") << int(Tgirotyp::bankgiro);
    }

    void eachGiroFormsFieldsLandInTheirRectangles() {
        QFETCH(int, kind);
        const auto slipKind = static_cast<Tgirotyp>(kind);
        LabelSetting& setting = WorkingLabelSetting();
        setting = LabelSetting{};
        setting.leftMargin = -60;
        setting.labelHeight = 1016;
        setting.rowPitch = 1016;
        setting.columnPitch = 1850;
        setting.labelWidth = 1850;
        setting.topMargin = -40;
        setting.across = 1;
        setting.rows = 3;
        UseQueue(setting);
        TGiroRec& slip = GiroRec();
        slip = TGiroRec{};
        slip.Mottagare = "Klubben";
        slip.TillG = "4711";
        slip.EgetKonto = "9876";
        slip.AttBetala = "150";
        slip.Referens = "55";
        slip.gtxt = "Startavgift";
        slip.gadrtxt = "Storgatan";

        const QStringList before = SpooledJobs();
        QVERIFY(PrintGiroSlips(slipKind, 1, 0));
        const QString job = NewJob(before);
        QVERIFY2(!job.isEmpty(), "no job was captured within a minute");
        qInfo("giro form %d: %s", kind, qPrintable(job));

        const QList<Word> words = WordsOf(job);
        const platform::Rect place = LabelPlace(setting, 1, 1);
        // Centred in the area; a right-aligned text ends at its right edge.
        const auto expectCentred = [&](const QString& text, const Area& area,
                                       const Word* found = nullptr, bool right = false) {
            if (found == nullptr) {
                const auto match = std::find_if(words.begin(), words.end(),
                                                [&](const Word& w) { return w.text == text; });
                QVERIFY2(match != words.end(), qPrintable(text));
                found = &*match;
            }
            const double x = right ? found->right : found->centreX();
            const double expectedX = right ? area.right : area.centreX();
            QVERIFY2(std::abs(x - expectedX) < kTolerance &&
                         std::abs(found->centreY() - area.centreY()) < kTolerance,
                     qPrintable(QString("%1 at (%2, %3) mm, its field's (%4, %5)")
                                    .arg(text)
                                    .arg(x)
                                    .arg(found->centreY())
                                    .arg(expectedX)
                                    .arg(area.centreY())));
        };
        for (const GiroFieldPlace& field : GiroFieldsOf(slipKind)) {
            if (field.writing != Writing::Boxes) {
                const QString text = field.field == GiroField::Mottagare   ? "Klubben"
                                     : field.field == GiroField::TillG     ? "4711"
                                     : field.field == GiroField::EgetKonto ? "9876"
                                     : field.field == GiroField::Message   ? "Startavgift"
                                     : field.field == GiroField::Address   ? "Storgatan"
                                                                           : "150";
                expectCentred(text,
                              FieldOnSheet(place, field.left, field.top, field.right, field.bottom),
                              nullptr, field.writing == Writing::FittedRight);
                continue;
            }
            // The first (rightmost) box holds the last character.
            const QString last = field.field == GiroField::AttBetala ? "0"
                                 : field.field == GiroField::TillG   ? "1"
                                                                     : "5";
            const auto boxes = BoxesOf(field, place.left);
            const double fieldTop = (field.top - place.top) / 10.0;
            const Word* rightmost = nullptr;
            for (const Word& word : words) {
                if (word.text == last && std::abs(word.top - fieldTop) < 8 &&
                    (rightmost == nullptr || word.right > rightmost->right)) {
                    rightmost = &word;
                }
            }
            QVERIFY2(rightmost != nullptr, qPrintable(last));
            expectCentred(
                last, FieldOnSheet(place, boxes[0].left, field.top, boxes[0].right, field.bottom),
                rightmost);
        }
    }
};

}  // namespace oltoma::labels

OLTOMA_QTEST_MAIN(oltoma::labels::CupsLabelsTest)
#include "cups_labels_test.moc"
