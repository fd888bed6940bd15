#include "platform/qt/print/qt_pdf_file_prompt.h"

#include <QFileDialog>

#include "base/settings/window_scale.h"
#include "platform/qt/dialog_frame.h"
#include "platform/qt/form_scaling.h"
#include "platform/qt/window_handles.h"

namespace oltoma::platform {

std::string QtPdfFilePrompt::AskPdfFile(WindowHandle owner, const std::string& suggestedPath) {
    QFileDialog dialog(WidgetOf(owner), QStringLiteral("spara rapporten som PDF"));
    dialog.setObjectName("pdfFileDialog");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("PDF-filer (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(QString::fromStdString(suggestedPath));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    SetDialogWindowFlags(&dialog, TitleBarButtons::Close);
    ScaleForm(&dialog, WindowScale);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().first().toStdString();
}

}  // namespace oltoma::platform
