// Prints a report through the CUPS test queue "oltoma-test" exactly as the
// program does (Qt printer, report writer, built-in closing pictures) and
// reads the PDF the capture backend spooled (scripts/start-test-printer.sh).
// Skipped only when no CUPS scheduler answers.
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QProcess>
#include <QThread>

#include <cmath>
#include <memory>

#include "base/settings/program_name.h"
#include "base/settings/settings_records.h"
#include "base/settings/settings_state.h"
#include "platform/print/printer.h"
#include "platform/qt/print/bind_qt_print.h"
#include "print/report_writer.h"
#include "qtest_main.h"

using namespace oltoma;

namespace {

const QString kQueue = QStringLiteral("oltoma-test");
const QString kSpool = QStringLiteral("/var/spool/oltoma-capture");

bool SchedulerAnswers() {
    QProcess lpstat;
    lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-r")});
    return lpstat.waitForFinished(10000) &&
           lpstat.readAllStandardOutput().contains("scheduler is running");
}

QStringList SpooledJobs() {
    return QDir(kSpool).entryList({QStringLiteral("job-*.pdf")}, QDir::Files, QDir::Name);
}

void SetFont(FontSpec& stored, int size) {
    stored.name = "Arial";
    stored.size = size;
    stored.height = -static_cast<int>(std::lround(size * 96 / 72.0));  // at 96 pixels an inch
    stored.style = kFontBold;
}

std::unique_ptr<PrinterBlock> TwoColumnBlock() {
    auto block = std::make_unique<PrinterBlock>();
    block->deviceName = kQueue.toStdString();
    block->valid = 1;
    block->deviceMode.paperSize = kPaperA4;
    block->deviceMode.orientation = kOrientationPortrait;
    block->deviceMode.printQuality = 300;
    block->deviceMode.yResolution = 300;
    block->pageSetup.flags = kMarginsInHundredthsOfMillimetre;
    block->pageSetup.margins[0] = 1500;
    block->pageSetup.margins[1] = 1500;
    block->pageSetup.margins[3] = 1000;
    SetFont(block->stor, 28);
    SetFont(block->mellan, 20);
    SetFont(block->liten, 16);
    block->columns = 2;
    return block;
}

}  // namespace

class CupsReportTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (!SchedulerAnswers()) {
            QSKIP("no CUPS scheduler answers (run scripts/start-test-printer.sh)");
        }
        QVERIFY2(QPrinterInfo::availablePrinterNames().contains(kQueue),
                 "the scheduler runs but has no queue oltoma-test");
        platform::BindQtPrint();
    }

    void twoPageTwoColumnReportReachesThePrinter() {
        const QStringList before = SpooledJobs();
        PrintSetting* setting = &WorkingPrintSetting();
        setting->fottext = "oltoma testutskrift";
        for (int i : {0, 3, 4}) {  // missing files: the built-in pictures
            setting->pictures[i].path = "no-such-picture.bmp";
            setting->pictures[i].active = 1;
            setting->pictures[i].size = 4;
        }
        ProgramName = "OltomaW64";
        const auto block = TwoColumnBlock();

        QVERIFY(ReportOpen("klasser", *block, 0));
        QVERIFY(!PrintAborted());
        Heading("Klasslista");
        int line = 0;
        auto writeLine = [&line] {
            ReserveLines("klasser", 1);
            TabChars(0);
            WriteLine("Klass " + std::to_string(++line));
        };
        while (PageNumber() < 2) {
            writeLine();
        }
        for (int i = 0; i < 10; ++i) {
            writeLine();
        }
        QCOMPARE(PageNumber(), 2);
        PrintClosingPictures();
        ReportEnd(false);

        QString job;
        QElapsedTimer waited;
        waited.start();
        while (job.isEmpty() && waited.elapsed() < 60000) {
            for (const QString& name : SpooledJobs()) {
                if (!before.contains(name)) {
                    job = kSpool + "/" + name;
                }
            }
            QThread::msleep(200);
        }
        QVERIFY2(!job.isEmpty(), "no job was captured within a minute");
        QFile file(job);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(5) == "%PDF-");
        file.close();

        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {job, QStringLiteral("-")});
        QVERIFY(pdftotext.waitForFinished(30000));
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
        QVERIFY2(text.contains("Klasslista"), qPrintable(text.left(400)));
        QVERIFY(text.contains("Klass 1"));
        // Text extraction keeps no trailing blanks and joins runs of blanks.
        QVERIFY(text.contains("forts.. \"klasser\" sida: 2"));
        QVERIFY(text.contains("\"klasser\" forts..."));
        QVERIFY(text.contains("oltoma testutskrift"));
        QCOMPARE(text.count(QChar('\f')), 2);  // two pages
    }
};

OLTOMA_QTEST_MAIN(CupsReportTest)
#include "cups_report_test.moc"
