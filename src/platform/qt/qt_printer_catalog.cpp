#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

#include <cmath>

#include "platform/qt/qt_services.h"
#include "platform/qt/qt_text.h"

namespace oltoma::platform {
namespace {

int HundredthsOfMillimetre(qreal millimetres) {
    return static_cast<int>(std::lround(millimetres * 100));
}

void DescribePage(const QPrinterInfo& info, PrinterInfo& printer) {
    QPageSize page = info.defaultPageSize();
    if (!page.isValid()) {
        page = QPageSize(QPageSize::A4);
    }
    const QSizeF size = page.size(QPageSize::Millimeter);
    printer.paperName = FromQString(page.name());
    printer.paperCode = page.windowsId();
    printer.paperWidth = static_cast<int>(std::lround(size.width() * 10));
    printer.paperLength = static_cast<int>(std::lround(size.height() * 10));
    printer.orientation = 1;

    QPrinter job(info, QPrinter::HighResolution);
    job.setPageSize(page);
    printer.resolutionX = job.resolution();
    printer.resolutionY = job.resolution();
    QPageLayout layout = job.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    const QMarginsF minimum = layout.minimumMargins();
    printer.minimumMargins = {
        HundredthsOfMillimetre(minimum.left()), HundredthsOfMillimetre(minimum.top()),
        HundredthsOfMillimetre(minimum.right()), HundredthsOfMillimetre(minimum.bottom())};
}

}  // namespace

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
    PrinterInfo printer;
    printer.name = FromQString(info.printerName());
    printer.driver = FromQString(info.makeAndModel());
    printer.isDefault = info.isDefault();
    DescribePage(info, printer);
    return printer;
}

}  // namespace oltoma::platform
