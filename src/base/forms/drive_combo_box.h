// The drive list of the folder and file dialogs. This platform has no drive
// letters; its drives are the root "/" and the mount points of the mounted
// file systems that can hold the user's files (system areas such as /proc,
// /sys, /dev and /run are left out, removable media under /run/media are
// kept). Bound to a folder list, it shows the drive that holds the listed
// folder, and choosing a drive lists that drive's root.
#pragma once

#include <QComboBox>

namespace oltoma::forms {

class DirectoryListBox;

// Whether a mount point belongs in the drive list.
bool IsUserDrive(const QString& rootPath);

class DriveComboBox final : public QComboBox {
    Q_OBJECT
public:
    explicit DriveComboBox(QWidget* parent = nullptr);

    // Follows `folders` from now on and lists a drive's root in it when the
    // user chooses the drive.
    void bindTo(DirectoryListBox* folders);

    // The root of the shown drive.
    QString drive() const;

    // Shows the drive that holds `folder` (the longest root that contains
    // it) without emitting driveChanged.
    void showDriveOf(const QString& folder);

    // Chooses the drive at `index` as the user does.
    void chooseDrive(int index);

signals:
    // The user chose a drive; the bound folder list has been moved first.
    void driveChanged(const QString& root);

private:
    DirectoryListBox* folders_ = nullptr;
};

}  // namespace oltoma::forms
