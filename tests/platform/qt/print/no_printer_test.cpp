// With no printer installed the Qt printer lists none: ReportOpen returns
// false and the report, the log list and ReportEnd do nothing and fail
// nowhere. The test points the CUPS client at a scheduler that is not there
// before anything asks for printers.
#include <QPrinterInfo>

#include <stdlib.h>

#include <memory>

#include "base/settings/settings_records.h"
#include "platform/qt/print/bind_qt_print.h"
#include "print/log_list.h"
#include "print/report_writer.h"
#include "qtest_main.h"

using namespace oltoma;

class NoPrinterTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ::setenv("CUPS_SERVER", "127.0.0.1:9", 1); }

    void reportOpenFailsQuietly() {
        QVERIFY(QPrinterInfo::availablePrinterNames().isEmpty());
        platform::BindQtPrint();
        auto block = std::make_unique<PrinterBlock>();
        block->deviceName = "oltoma-test";
        QVERIFY(!ReportOpen("klasser", *block, 0));
        Heading("Klasslista");
        WriteLine("line");
        PrintClosingPictures();
        ReportEnd(false);
        LogLine(LogText("log line"));
        LogClose();
        QVERIFY(!LogIsOpen());
    }
};

OLTOMA_QTEST_MAIN(NoPrinterTest)
#include "no_printer_test.moc"
