#include "base/forms/drive_combo_box.h"

#include <QStorageInfo>

#include <algorithm>

#include "base/forms/directory_list_box.h"

namespace oltoma::forms {
namespace {

bool IsWithin(const QString& folder, const QString& root) {
    return root == "/" || folder == root || folder.startsWith(root + '/');
}

QStringList UserDrives() {
    QStringList roots{QStringLiteral("/")};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (volume.isValid() && volume.isReady() && IsUserDrive(root) && !roots.contains(root)) {
            roots.append(root);
        }
    }
    std::sort(roots.begin() + 1, roots.end());
    return roots;
}

}  // namespace

bool IsUserDrive(const QString& rootPath) {
    if (IsWithin(rootPath, "/run/media")) {
        return true;
    }
    for (const char* system : {"/proc", "/sys", "/dev", "/run", "/snap", "/boot", "/efi"}) {
        if (IsWithin(rootPath, system)) {
            return false;
        }
    }
    return rootPath.startsWith('/');
}

DriveComboBox::DriveComboBox(QWidget* parent) : QComboBox(parent) {
    for (const QString& root : UserDrives()) {
        addItem(root, root);
    }
    connect(this, &QComboBox::activated, this, &DriveComboBox::chooseDrive);
}

void DriveComboBox::bindTo(DirectoryListBox* folders) {
    folders_ = folders;
    connect(folders, &DirectoryListBox::directoryChanged, this, &DriveComboBox::showDriveOf);
    showDriveOf(folders->directory());
}

QString DriveComboBox::drive() const {
    return currentData().toString();
}

void DriveComboBox::showDriveOf(const QString& folder) {
    int best = 0;
    for (int i = 1; i < count(); ++i) {
        const QString root = itemData(i).toString();
        if (IsWithin(folder, root) && root.size() > itemData(best).toString().size()) {
            best = i;
        }
    }
    const QSignalBlocker quiet(this);
    setCurrentIndex(best);
}

void DriveComboBox::chooseDrive(int index) {
    if (index < 0 || index >= count()) {
        return;
    }
    setCurrentIndex(index);
    const QString root = itemData(index).toString();
    if (folders_ != nullptr) {
        folders_->enterFolder(root);
        showDriveOf(folders_->directory());
    }
    emit driveChanged(root);
}

}  // namespace oltoma::forms
