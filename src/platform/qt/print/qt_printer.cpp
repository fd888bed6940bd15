#include "platform/qt/print/qt_printer.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinterInfo>

#include "base/text/windows1252.h"
#include "platform/qt/qt_text.h"

namespace oltoma::platform {
namespace {

// Paper codes as the stored device mode numbers them.
QPageSize PageSizeOf(int paperSize) {
    switch (paperSize) {
        case 1:
            return QPageSize(QPageSize::Letter);
        case 5:
            return QPageSize(QPageSize::Legal);
        case 8:
            return QPageSize(QPageSize::A3);
        case 9:
            return QPageSize(QPageSize::A4);
        case 11:
            return QPageSize(QPageSize::A5);
        case 40:
            return QPageSize(QSizeF(8.5, 12), QPageSize::Inch, QStringLiteral("Fanfold 8.5x12"));
        default:
            return QPageSize();
    }
}

QPageLayout::Orientation OrientationOf(int orientation) {
    return orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait;
}

// The unprintable border of an installed queue for the paper, in
// millimetres; 5 mm on every side for a queue that is not installed.
QMarginsF BorderOf(const std::string& queueName, const QPageSize& size,
                   QPageLayout::Orientation orientation) {
    const double border = kPdfDefaultBorderMillimetres;
    QMarginsF margins(border, border, border, border);
    if (queueName.empty()) {
        return margins;
    }
    const QPrinterInfo info = QPrinterInfo::printerInfo(ToQString(queueName));
    if (info.isNull()) {
        return margins;
    }
    QPrinter probe(info, QPrinter::HighResolution);
    probe.setPageSize(size);
    probe.setPageOrientation(orientation);
    QPageLayout layout = probe.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    return layout.minimumMargins();
}

// A PDF file Qt finished writing ends with its trailer.
bool PdfComplete(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly) || file.size() < 16) {
        return false;
    }
    file.seek(file.size() - 16);
    return file.read(16).contains("%%EOF");
}

}  // namespace

void ApplyPdfSetup(QPrinter& printer, const PrinterSetup& setup) {
    QPageSize size = PageSizeOf(setup.paperSize > 0 ? setup.paperSize : kPdfDefaultPaper);
    if (!size.isValid()) {
        size = PageSizeOf(kPdfDefaultPaper);
    }
    const QPageLayout::Orientation orientation =
        OrientationOf(setup.orientation > 0 ? setup.orientation : kPdfDefaultOrientation);
    const QMarginsF border = BorderOf(setup.deviceName, size, orientation);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(setup.resolutionX > 0 ? setup.resolutionX : kPdfDefaultResolution);
    printer.setPageSize(size);
    printer.setPageOrientation(orientation);
    printer.setFullPage(false);
    printer.setPageMargins(border, QPageLayout::Millimeter);
}

void ApplyPrinterSetup(QPrinter& printer, const std::string& queueName, const PrinterSetup& setup) {
    printer.setOutputFormat(QPrinter::NativeFormat);
    printer.setPrinterName(QString::fromStdString(Utf8FromWindows1252(queueName)));
    if (const QPageSize size = PageSizeOf(setup.paperSize); size.isValid()) {
        printer.setPageSize(size);
    }
    if (setup.orientation == 1 || setup.orientation == 2) {
        printer.setPageOrientation(setup.orientation == 2 ? QPageLayout::Landscape
                                                          : QPageLayout::Portrait);
    }
    if (setup.resolutionX > 0) {
        printer.setResolution(setup.resolutionX);
    }
    printer.setFullPage(false);
    printer.setPageMargins(printer.pageLayout().minimumMargins(), printer.pageLayout().units());
}

// Until a printer is selected, a PDF printer stands in: constructing it asks
// no print system for its default printer.
QtPrinter::QtPrinter()
    : printer_(std::make_unique<QPrinter>(QPrinterInfo(), QPrinter::HighResolution)) {}

QtPrinter::~QtPrinter() {
    if (printing_) {
        Abort();
    }
}

std::vector<std::string> QtPrinter::InstalledPrinters() {
    std::vector<std::string> names;
    for (const QString& name : QPrinterInfo::availablePrinterNames()) {
        names.push_back(Windows1252FromUtf8(name.toStdString()));
    }
    return names;
}

std::string QtPrinter::DefaultPrinterName() {
    return Windows1252FromUtf8(QPrinterInfo::defaultPrinterName().toStdString());
}

bool QtPrinter::Select(const PrinterSetup& setup) {
    if (printing_) {
        return false;
    }
    if (!setup.pdfFile.empty()) {
        printer_ = std::make_unique<QPrinter>(QPrinterInfo(), QPrinter::HighResolution);
        ApplyPdfSetup(*printer_, setup);
        current_ = setup.deviceName.empty() ? "PDF" : setup.deviceName;
        pdfFile_ = setup.pdfFile;
        return true;
    }
    const std::string name = setup.deviceName.empty() ? DefaultPrinterName() : setup.deviceName;
    if (name.empty() || QPrinterInfo::printerInfo(ToQString(name)).isNull()) {
        return false;
    }
    // A fresh QPrinter per selection, so nothing of the previous printer's
    // setup carries over.
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    ApplyPrinterSetup(*printer_, name, setup);
    current_ = name;
    pdfFile_.clear();
    return true;
}

void QtPrinter::SetTitle(std::string_view title) {
    // A running job keeps the title it was started with.
    if (!printing_) {
        printer_->setDocName(ToQString(title));
    }
}

bool QtPrinter::BeginDoc() {
    outputFailed_ = false;
    if (printing_ || current_.empty()) {
        return false;
    }
    if (!pdfFile_.empty()) {
        output_ = std::make_unique<ReplacingFile>(pdfFile_);
        if (!output_->Create()) {
            output_.reset();
            outputFailed_ = true;
            return false;
        }
        printer_->setOutputFileName(QString::fromStdString(output_->TemporaryName()));
    }
    if (!painter_.begin(printer_.get())) {
        outputFailed_ = output_ != nullptr;
        output_.reset();
        return false;
    }
    printing_ = true;
    aborted_ = false;
    canvas_.Attach(&painter_, printer_->resolution(), printer_->resolution());
    canvas_.SetMapMode(MapMode::Text);
    return true;
}

void QtPrinter::NewPage() {
    if (printing_) {
        printer_->newPage();
    }
}

void QtPrinter::Finish() {
    if (painter_.isActive()) {
        painter_.end();
    }
    canvas_.Attach(nullptr, printer_->resolution(), printer_->resolution());
    printing_ = false;
}

void QtPrinter::EndDoc() {
    if (!printing_) {
        return;
    }
    Finish();
    if (output_ != nullptr) {
        outputFailed_ = !PdfComplete(output_->TemporaryName()) || !output_->Commit();
        output_.reset();
    }
}

void QtPrinter::Abort() {
    if (!printing_) {
        return;
    }
    printer_->abort();
    Finish();
    output_.reset();
    aborted_ = true;
}

int QtPrinter::PageWidth() const {
    return printer_->width();
}

int QtPrinter::PageHeight() const {
    return printer_->height();
}

int QtPrinter::ResolutionX() const {
    return printer_->resolution();
}

int QtPrinter::ResolutionY() const {
    return printer_->resolution();
}

}  // namespace oltoma::platform
