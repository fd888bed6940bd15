#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

#include <cmath>

#include "platform/qt/qt_printer_description.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/qt_text.h"

namespace oltoma::platform {
namespace {

int HundredthsOfMillimetre(qreal millimetres) {
    return static_cast<int>(std::lround(millimetres * 100));
}

// The paper, orientation, resolution and minimum margins of a printer as
// set up.
void DescribePage(const QPrinter& job, PrinterInfo& printer) {
    QPageLayout layout = job.pageLayout();
    QPageSize page = layout.pageSize();
    if (!page.isValid()) {
        page = QPageSize(QPageSize::A4);
    }
    const QSizeF size = page.size(QPageSize::Millimeter);
    printer.paperName = FromQString(page.name());
    printer.paperCode = page.windowsId();
    printer.paperWidth = static_cast<int>(std::lround(size.width() * 10));
    printer.paperLength = static_cast<int>(std::lround(size.height() * 10));
    printer.orientation = layout.orientation() == QPageLayout::Landscape ? 2 : 1;
    printer.resolutionX = job.resolution();
    printer.resolutionY = job.resolution();
    layout.setUnits(QPageLayout::Millimeter);
    const QMarginsF minimum = layout.minimumMargins();
    printer.minimumMargins = {
        HundredthsOfMillimetre(minimum.left()), HundredthsOfMillimetre(minimum.top()),
        HundredthsOfMillimetre(minimum.right()), HundredthsOfMillimetre(minimum.bottom())};
}

}  // namespace

PrinterInfo PrinterInfoOf(const QPrinter& job) {
    const QPrinterInfo info(job);
    PrinterInfo printer;
    printer.name = FromQString(job.printerName());
    printer.driver = FromQString(info.makeAndModel());
    printer.isDefault = !info.isNull() && info.isDefault();
    DescribePage(job, printer);
    return printer;
}

std::vector<std::string> QtPrinterCatalog::PrinterNames() {
    std::vector<std::string> names;
    for (const QString& name : QPrinterInfo::availablePrinterNames()) {
        names.push_back(FromQString(name));
    }
    return names;
}

std::string QtPrinterCatalog::DefaultPrinterName() {
    return FromQString(QPrinterInfo::defaultPrinterName());
}

std::optional<PrinterInfo> QtPrinterCatalog::Describe(std::string_view name) {
    if (name.empty()) {
        return std::nullopt;
    }
    const QPrinterInfo info = QPrinterInfo::printerInfo(ToQString(name));
    if (info.isNull()) {
        return std::nullopt;
    }
    QPageSize page = info.defaultPageSize();
    QPrinter job(info, QPrinter::HighResolution);
    job.setPageSize(page.isValid() ? page : QPageSize(QPageSize::A4));
    job.setPageOrientation(QPageLayout::Portrait);
    return PrinterInfoOf(job);
}

}  // namespace oltoma::platform
