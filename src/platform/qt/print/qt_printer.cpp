#include "platform/qt/print/qt_printer.h"

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

}  // namespace

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

QtPrinter::QtPrinter() : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}

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
    const std::string name = setup.deviceName.empty() ? DefaultPrinterName() : setup.deviceName;
    if (name.empty() || QPrinterInfo::printerInfo(ToQString(name)).isNull()) {
        return false;
    }
    // A fresh QPrinter per selection, so nothing of the previous printer's
    // setup carries over.
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    ApplyPrinterSetup(*printer_, name, setup);
    current_ = name;
    return true;
}

void QtPrinter::SetTitle(std::string_view title) {
    // A running job keeps the title it was started with.
    if (!printing_) {
        printer_->setDocName(ToQString(title));
    }
}

bool QtPrinter::BeginDoc() {
    if (printing_ || current_.empty() || !painter_.begin(printer_.get())) {
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
    if (printing_) {
        Finish();
    }
}

void QtPrinter::Abort() {
    if (!printing_) {
        return;
    }
    printer_->abort();
    Finish();
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
