#include <QApplication>
#include <QFileDialog>
#include <QStringList>

#include "base/files/file_mask.h"
#include "base/settings/window_scale.h"
#include "platform/qt/dialog_frame.h"
#include "platform/qt/form_scaling.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/window_handles.h"

namespace oltoma::platform {
namespace {

// "import/export|*.txt;*.ol" as Qt writes a name filter:
// "import/export (*.txt *.ol)". The entries keep their order.
QStringList NameFilters(const std::vector<FileFilter>& filters) {
    QStringList names;
    for (const FileFilter& filter : filters) {
        QStringList masks;
        for (const std::string& mask : filter.masks) {
            masks << ToQString(mask);
        }
        names << ToQString(filter.description) + " (" + masks.join(' ') + ")";
    }
    return names;
}

// The extension a name typed without one gets: the request's for its first
// filter, a filter's own ("*.xml" gives "xml") for the others.
QString DefaultSuffix(const FileDialogRequest& request, const std::vector<FileFilter>& filters,
                      int chosen) {
    if (chosen > 0 && static_cast<std::size_t>(chosen) < filters.size() &&
        !filters[static_cast<std::size_t>(chosen)].masks.empty()) {
        const std::string& mask = filters[static_cast<std::size_t>(chosen)].masks.front();
        if (mask.starts_with("*.") && mask.find_first_of("*?", 2) == std::string::npos) {
            return ToQString(mask.substr(2));
        }
    }
    return ToQString(request.defaultExtension);
}

}  // namespace

FileDialogAnswer QtFileDialogs::Ask(WindowHandle owner, const FileDialogRequest& request) {
    if (QApplication::instance() == nullptr) {
        return {};
    }
    const bool save = request.kind == FileDialogRequest::Kind::save;
    QFileDialog dialog(WidgetOf(owner), ToQString(request.title), ToQString(request.folder));
    // Qt's own dialog: the same on every desktop, and it never changes the
    // process's current directory.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    SetDialogWindowFlags(&dialog, TitleBarButtons::Close);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save || !request.mustExist ? QFileDialog::AnyFile
                                                  : QFileDialog::ExistingFile);
    const std::vector<FileFilter> filters = ParseFileFilter(request.filter);
    const QStringList names = NameFilters(filters);
    if (!names.isEmpty()) {
        dialog.setNameFilters(names);
    }
    dialog.setDefaultSuffix(DefaultSuffix(request, filters, 0));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& name) {
        dialog.setDefaultSuffix(
            DefaultSuffix(request, filters, static_cast<int>(names.indexOf(name))));
    });
    if (!request.fileName.empty()) {
        dialog.selectFile(ToQString(request.fileName));
    }
    ScaleForm(&dialog, WindowScale);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    FileDialogAnswer answer;
    answer.chosen = true;
    answer.path = FromQString(dialog.selectedFiles().front());
    const int chosenFilter = static_cast<int>(names.indexOf(dialog.selectedNameFilter()));
    if (chosenFilter >= 0) {
        const FileFilter& filter = filters[static_cast<std::size_t>(chosenFilter)];
        std::string masks;
        for (const std::string& mask : filter.masks) {
            masks += (masks.empty() ? "" : ";") + mask;
        }
        answer.filter = filter.description + "|" + masks;
    }
    return answer;
}

}  // namespace oltoma::platform
