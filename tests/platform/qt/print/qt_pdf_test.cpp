// Reports written to PDF files by the Qt printer, as the program writes
// them: the file's text and pictures, its page, and what Cancel and
// failures leave.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <cmath>
#include <filesystem>

#include "base/settings/program_name.h"
#include "base/settings/settings_state.h"
#include "base/text/windows1252.h"
#include "platform/print/picture.h"
#include "platform/qt/print/qt_printer.h"
#include "print/report_writer.h"
#include "qtest_main.h"
#include "scripted_message_boxes.h"

using namespace oltoma;

namespace {

std::unique_ptr<PrinterBlock> NoPrinterBlock() {
    auto block = std::make_unique<PrinterBlock>();  // no queue, no device mode
    for (FontSpec* font : {&block->stor, &block->mellan, &block->liten}) {
        font->name = "Arial";
        font->size = 12;
        font->height = -16;
    }
    block->columns = 1;
    return block;
}

QString PdfText(const QString& path) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    pdftotext.waitForFinished(30000);
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

QByteArray Bytes(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// Files of the folder, by name.
QStringList Files(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

}  // namespace

class QtPdfTest : public QObject {
    Q_OBJECT

private:
    platform::QtPrinter printer_;
    platform::Printer* previous_ = nullptr;
    QString folder_;

private slots:
    void init() {
        previous_ = platform::BindPrinter(&printer_);
        ProgramName = "OltomaW64";
        WorkingPrintSetting() = PrintSetting{};
        folder_ = QDir::current().absoluteFilePath(QTest::currentTestFunction());
        QDir().mkpath(folder_);
    }
    void cleanup() {
        ReportEnd(true);
        platform::BindPrinter(previous_);
    }

    void reportBecomesAPdfWithTextAndEachPictureOnce() {
        const QString path = folder_ + "/lista.pdf";
        const auto block = NoPrinterBlock();
        QVERIFY(ReportOpen("klasser", *block, 0, {.pdfFile = path.toStdString()}));
        // A4 at 600 dpi less 5 mm on every side.
        QCOMPARE(printer_.PageWidth(), static_cast<int>(std::lround(200 / 25.4 * 600)));
        QCOMPARE(printer_.ResolutionX(), 600);
        Heading("Klasslista");
        WriteLine(Windows1252FromUtf8("Klass H21 - Åre"));
        platform::Picture cross(8, 8);
        cross.set_monochrome(true);
        for (int i = 0; i < 8; ++i) {
            cross.SetPixel(i, i, 0xFF000000);
        }
        const platform::Picture copy = cross;
        platform::Picture other(8, 8, 0xFF000000);
        other.set_monochrome(true);
        for (int i = 0; i < 5; ++i) {
            DrawBitmapScaled(cross, 10, 10);
            DrawBitmapScaled(copy, 10, 10);
        }
        DrawBitmapScaled(other, 10, 10);
        ReportEnd(false);
        QVERIFY(PdfWritten());
        QCOMPARE(Files(folder_), QStringList{"lista.pdf"});
        const QString text = PdfText(path);
        QVERIFY2(text.contains("Klasslista"), qPrintable(text));
        QVERIFY(text.contains(QString::fromUtf8("Klass H21 - Åre")));
        const QByteArray pdf = Bytes(path);
        QCOMPARE(pdf.count("/Subtype /Image"), 2);
        QVERIFY(!pdf.contains("/Interpolate true"));
        QProcess pdfinfo;
        pdfinfo.start(QStringLiteral("pdfinfo"), {path});
        QVERIFY(pdfinfo.waitForFinished(30000));
        const QString info = QString::fromUtf8(pdfinfo.readAllStandardOutput());
        QVERIFY2(info.contains(QRegularExpression("Title: +OltomaW64:klasser\\n")),
                 qPrintable(info));
        QVERIFY(info.contains(QRegularExpression("Page size: +595 x 842 pts \\(A4\\)")));
    }

    void cancelLeavesAnExistingFileAsItWas() {
        const QString path = folder_ + "/lista.pdf";
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old contents");
        old.close();
        const auto block = NoPrinterBlock();
        QVERIFY(ReportOpen("klasser", *block, 0, {.pdfFile = path.toStdString()}));
        WriteLine("rad");
        printer_.Abort();
        ReportEnd(false);
        QVERIFY(!PdfWritten());
        QCOMPARE(Bytes(path), QByteArray("old contents"));
        QCOMPARE(Files(folder_), QStringList{"lista.pdf"});
    }

    void unwritableFilesGiveTheMessageAndNoFile() {
        testing::ScriptedMessageBoxes boxes;
        testing::BoundMessageBoxes bound(boxes);
        const auto block = NoPrinterBlock();
        const QString missing = folder_ + "/saknas/lista.pdf";
        QVERIFY(ReportOpen("klasser", *block, 0, {.pdfFile = missing.toStdString()}));
        QVERIFY(PrintAborted());
        ReportEnd(false);
        // The job ends on a name a folder already has: the rename fails.
        QDir(folder_).mkdir("mapp.pdf");
        const QString folderName = folder_ + "/mapp.pdf";
        QVERIFY(ReportOpen("klasser", *block, 0, {.pdfFile = folderName.toStdString()}));
        WriteLine("rad");
        ReportEnd(false);
        QVERIFY(!PdfWritten());
        QCOMPARE(boxes.shown.size(), std::size_t{2});
        QCOMPARE(QString::fromStdString(boxes.shown[0].text),
                 "Kan ej skriva PDF-filen \"" + missing + "\"");
        QCOMPARE(QString::fromStdString(boxes.shown[1].text),
                 "Kan ej skriva PDF-filen \"" + folderName + "\"");
        QCOMPARE(Files(folder_), QStringList{});
    }
};

OLTOMA_QTEST_MAIN(QtPdfTest)
#include "qt_pdf_test.moc"
