#include "base/forms/file_list_box.h"

#include <QDir>

#include "base/files/file_mask.h"
#include "platform/qt/qt_text.h"

namespace oltoma::forms {

FileListBox::FileListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::ExtendedSelection);
}

void FileListBox::setDirectory(const QString& folder) {
    directory_ = folder;
    refresh();
}

void FileListBox::setMasks(std::vector<std::string> masks) {
    masks_ = std::move(masks);
    refresh();
}

void FileListBox::refresh() {
    clear();
    if (!directory_.isEmpty()) {
        const QStringList names =
            QDir(directory_)
                .entryList(QDir::Files, QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
        for (const QString& name : names) {
            if (masks_.empty() || MatchesAnyFileMask(platform::FromQString(name), masks_)) {
                addItem(name);
            }
        }
    }
    emit filesChanged();
}

QStringList FileListBox::selectedFileNames() const {
    QStringList names;
    for (int row = 0; row < count(); ++row) {
        if (item(row)->isSelected()) {
            names.append(item(row)->text());
        }
    }
    return names;
}

int FileListBox::firstSelectedRow() const {
    for (int row = 0; row < count(); ++row) {
        if (item(row)->isSelected()) {
            return row;
        }
    }
    return -1;
}

}  // namespace oltoma::forms
