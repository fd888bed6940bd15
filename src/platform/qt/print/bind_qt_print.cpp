#include "platform/qt/print/bind_qt_print.h"

#include "platform/pdf_file_prompt.h"
#include "platform/print/picture_loader.h"
#include "platform/print/printer.h"
#include "platform/print/report_dialog.h"
#include "platform/qt/print/qt_pdf_file_prompt.h"
#include "platform/qt/print/qt_picture_reader.h"
#include "platform/qt/print/qt_printer.h"
#include "platform/qt/print/trapport_dialog.h"

namespace oltoma::platform {

void BindQtPrint() {
    // Kept to the end of the process on purpose: the printer must not be
    // destroyed after the application object is gone.
    static auto* printer = new QtPrinter;
    static auto* dialog = new QtReportDialog;
    static auto* reader = new QtPictureReader;
    static auto* pdfPrompt = new QtPdfFilePrompt;
    BindPrinter(printer);
    BindPdfFilePrompt(pdfPrompt);
    BindReportDialog(dialog);
    BindPictureFileReader(reader);
}

}  // namespace oltoma::platform
