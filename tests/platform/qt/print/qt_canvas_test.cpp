// The Qt canvas on an image of 254 dpi, where a tenth of a millimetre is one
// pixel, and the report progress dialog.
#include "platform/qt/print/qt_canvas.h"

#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>

#include "base/settings/window_scale.h"
#include "platform/print/picture.h"
#include "platform/qt/print/qt_picture_reader.h"
#include "platform/qt/print/trapport_dialog.h"
#include "qtest_main.h"

using namespace oltoma::platform;

class QtCanvasTest : public QObject {
    Q_OBJECT

private:
    static QImage Page() {
        QImage image(400, 400, QImage::Format_ARGB32);
        image.fill(Qt::white);
        image.setDotsPerMeterX(10000);
        image.setDotsPerMeterY(10000);
        return image;
    }

private slots:
    void lowMetricPutsYUpFromTheTopLeft() {
        QImage image = Page();
        QPainter painter(&image);
        QtCanvas canvas;
        canvas.Attach(&painter, 254, 254);
        canvas.SetMapMode(MapMode::LowMetric);
        canvas.SetPen(3, 0);
        canvas.MoveTo({20, -100});
        canvas.LineTo({300, -100});
        Picture red(4, 4, 0xFFFF0000);
        canvas.StretchDraw({50, -200, 150, -300}, red);
        painter.end();
        QCOMPARE(image.pixelColor(150, 100), QColor(Qt::black));
        QCOMPARE(image.pixelColor(150, 50), QColor(Qt::white));
        QCOMPARE(image.pixelColor(100, 250), QColor(Qt::red));
        QCOMPARE(canvas.PenPosition(), (Point{300, -100}));
    }

    void textAdvancesThePenByItsExtent() {
        QImage image = Page();
        QPainter painter(&image);
        QtCanvas canvas;
        canvas.Attach(&painter, 254, 254);
        FontDescription font;
        font.face = "Arial";
        font.SetSize(12);
        canvas.SetFont(font);
        TextMetrics metrics;
        QVERIFY(canvas.GetTextMetrics(metrics));
        QVERIFY(metrics.height > 30 && metrics.height < 60);  // 12 points at 254 dpi: 42
        QVERIFY(metrics.averageCharWidth > 0);
        canvas.SetTextAlignUpdatePosition(true);
        canvas.MoveTo({10, 10});
        canvas.TextOut({}, "Hej");
        QCOMPARE(canvas.PenPosition().x, 10 + canvas.TextExtent("Hej").width);
        painter.end();
        int dark = 0;
        for (int x = 10; x < canvas.PenPosition().x; ++x) {
            for (int y = 10; y < 10 + metrics.height; ++y) {
                dark += image.pixelColor(x, y).lightness() < 128;
            }
        }
        QVERIFY(dark > 20);
    }

    void drawTextMeasuresWrappedBlocksDownwards() {
        QtCanvas canvas;  // measuring needs no painter
        canvas.Attach(nullptr, 254, 254);
        canvas.SetMapMode(MapMode::LowMetric);
        FontDescription font;
        font.SetSize(12);
        canvas.SetFont(font);
        Rect one{0, -100, 2000, -900};
        canvas.DrawText("ett tva tre", one, DrawTextFlag::kCalculateRect);
        Rect narrow{0, -100, 60, -900};
        canvas.DrawText("ett tva tre", narrow,
                        DrawTextFlag::kCalculateRect | DrawTextFlag::kWordBreak);
        QVERIFY(one.bottom < one.top);
        QVERIFY(narrow.top - narrow.bottom >= 2 * (one.top - one.bottom));
    }

    // On a printer whose printable area starts 10 mm in and 15 mm down, the
    // low-metric origin is that corner, not the sheet's: a line 10 mm right
    // of it lies 20 mm from the sheet's left edge.
    void lowMetricCountsFromThePrintableAreasCorner() {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName("margins.pdf");
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageMargins(QMarginsF(10, 15, 10, 10), QPageLayout::Millimeter);
        printer.setResolution(254);
        QPainter painter(&printer);
        QtCanvas canvas;
        canvas.Attach(&painter, printer.resolution(), printer.resolution());
        canvas.SetMapMode(MapMode::LowMetric);
        canvas.SetPen(10, 0);
        canvas.MoveTo({100, -100});
        canvas.LineTo({100, -600});
        painter.end();
        QProcess render;
        render.start("pdftoppm", {"-r", "254", "-gray", "-singlefile", "margins.pdf", "margins"});
        QVERIFY(render.waitForFinished(30000));
        const QImage page("margins.pgm");
        QVERIFY(!page.isNull());
        // 20 mm and 25 to 75 mm down on the sheet, at a pixel a tenth of a mm.
        QVERIFY(qGray(page.pixel(200, 400)) < 128);
        QVERIFY(qGray(page.pixel(100, 400)) > 128);
        QVERIFY(qGray(page.pixel(200, 200)) > 128);
    }

    void pictureReaderReadsPng() {
        QImage image(3, 2, QImage::Format_RGB32);
        image.fill(QColor(10, 20, 30));
        QVERIFY(image.save("small.png"));
        QtPictureReader reader;
        const Picture picture = reader.Read("small.png");
        QCOMPARE(picture.width(), 3);
        QCOMPARE(picture.height(), 2);
        QCOMPARE(picture.Pixel(2, 1), 0xFF0A141Eu);
        QVERIFY(reader.Read("missing.bmp").empty());
    }

    void reportDialogDisablesItsOwnerAndCancels() {
        QWidget owner;
        owner.show();
        QtReportDialog dialog;
        int cancelled = 0;
        dialog.Open(static_cast<WindowHandle>(owner.winId()), [&] { ++cancelled; });
        QVERIFY(!owner.isEnabled());
        QVERIFY(dialog.dialog() != nullptr);
        QCOMPARE(dialog.dialog()->windowTitle(), QString("rapport"));
        dialog.SetCounts("    3", "[    8]");
        dialog.SetProgress(38);
        dialog.SetStatus(5, "PrBildres2");
        QCOMPARE(dialog.dialog()->sbAntal[2]->text(), QString("[    8]"));
        QCOMPARE(dialog.dialog()->ProgressBar1->value(), 38);
        QCOMPARE(dialog.dialog()->StatusBar[4]->text(), QString("PrBildres2"));
        dialog.dialog()->CancelBtn->click();
        QCOMPARE(cancelled, 1);
        dialog.Close();
        QVERIFY(owner.isEnabled());
        QVERIFY(dialog.dialog() == nullptr);
    }

    void reportDialogFollowsTheWindowScale() {
        const int saved = oltoma::WindowScale;
        oltoma::WindowScale = 200;
        TrapportDlg dialog(nullptr);
        oltoma::WindowScale = saved;
        QCOMPARE(dialog.size(), QSize(852, 482));
    }
};

OLTOMA_QTEST_MAIN(QtCanvasTest)
#include "qt_canvas_test.moc"
