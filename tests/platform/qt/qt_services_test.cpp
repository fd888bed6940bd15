#include "platform/qt/qt_services.h"

#include <QDesktopServices>
#include <QFile>
#include <QGuiApplication>
#include <QPrinterInfo>
#include <QUrl>

#include "platform/services.h"
#include "qtest_main.h"

namespace oltoma::platform {

// Receives the addresses the desktop would open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.append(url); }
};

class QtServicesTest : public QObject {
    Q_OBJECT

private slots:
    void bindsEveryService() {
        QtServices& services = BindQtServices();
        QCOMPARE(&CurrentMessageBoxes(), &services.messageBoxes);
        QCOMPARE(&CurrentSound(), &services.sound);
        QCOMPARE(&CurrentCursors(), &services.cursors);
        QCOMPARE(&CurrentNumberPrompt(), &services.numberPrompt);
        QCOMPARE(&CurrentShell(), &services.shell);
        QCOMPARE(static_cast<ProgramLauncher*>(&CurrentProgramLauncher()),
                 static_cast<ProgramLauncher*>(&services.programLauncher));
        QCOMPARE(&CurrentPrinterCatalog(), &services.printerCatalog);
        BindServices({});
    }

    void cursorsOverrideTheWholeApplication() {
        QtCursors cursors;
        QCOMPARE(cursors.Current(), CursorShape::kDefault);
        cursors.Set(CursorShape::kWait);
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        QCOMPARE(cursors.Current(), CursorShape::kWait);
        cursors.Register(7, QCursor(Qt::CrossCursor));
        cursors.Set(7);
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::CrossCursor);
        QCOMPARE(cursors.Current(), 7);
        cursors.Set(CursorShape::kDefault);
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        QCOMPARE(cursors.Current(), CursorShape::kDefault);
    }

    void shellOpensAddressesAndDocuments() {
        UrlCatcher catcher;
        for (const char* scheme : {"https", "mailto", "file"}) {
            QDesktopServices::setUrlHandler(scheme, &catcher, "open");
        }
        QtShell shell;
        QCOMPARE(shell.Open("https://example.org/sida"), 33);
        QCOMPARE(shell.Open("mailto:a@example.org,b@example.org?subject=program: OltomaW64"), 33);
        QFile document("l\xC3\xA4s mig.txt");  // "läs mig.txt"
        QVERIFY(document.open(QIODevice::WriteOnly));
        document.close();
        QCOMPARE(shell.Open("l\xE4s mig.txt"), 33);  // Windows-1252 name
        QCOMPARE(shell.Open("missing.txt"), 2);
        QCOMPARE(shell.Open(""), 2);
        QCOMPARE(catcher.opened.size(), 3);
        QCOMPARE(catcher.opened[0], QUrl("https://example.org/sida"));
        QCOMPARE(catcher.opened[1].scheme(), QString("mailto"));
        QVERIFY(catcher.opened[2].isLocalFile());
        QVERIFY(catcher.opened[2].toLocalFile().endsWith(QString::fromUtf8("läs mig.txt")));
        for (const char* scheme : {"https", "mailto", "file"}) {
            QDesktopServices::unsetUrlHandler(scheme);
        }
    }

    void printerCatalogMirrorsThePrintSystem() {
        QtPrinterCatalog catalog;
        const std::vector<std::string> names = catalog.PrinterNames();
        QCOMPARE(int(names.size()), QPrinterInfo::availablePrinterNames().size());
        QVERIFY(!catalog.Describe("no such printer").has_value());
        QVERIFY(!catalog.Describe("").has_value());
        if (names.empty()) {
            QCOMPARE(catalog.DefaultPrinterName(), std::string());
            QSKIP("no printer installed: only the empty catalog was checked");
        }
        for (const std::string& name : names) {
            const std::optional<PrinterInfo> printer = catalog.Describe(name);
            QVERIFY(printer.has_value());
            QCOMPARE(printer->name, name);
            QVERIFY(printer->paperWidth > 0 && printer->paperLength > 0);
            QVERIFY(printer->resolutionX > 0);
            QCOMPARE(printer->isDefault, name == catalog.DefaultPrinterName());
        }
    }
};

}  // namespace oltoma::platform

OLTOMA_QTEST_MAIN(oltoma::platform::QtServicesTest)
#include "qt_services_test.moc"
