// The file list of the file chooser: the files of one folder whose names
// match the mask, sorted by name. Only regular files that are not hidden
// (names that begin with ".") are listed, so no pipe or device is ever
// offered. Several files can be selected.
#pragma once

#include <QListWidget>

#include <string>
#include <vector>

namespace oltoma::forms {

class FileListBox final : public QListWidget {
    Q_OBJECT
public:
    explicit FileListBox(QWidget* parent = nullptr);

    QString directory() const { return directory_; }
    void setDirectory(const QString& folder);

    // File masks as base/files/file_mask.h matches them; none lists every file.
    void setMasks(std::vector<std::string> masks);

    // Reads the folder again.
    void refresh();

    // The names of the selected files, in list order.
    QStringList selectedFileNames() const;
    // The row of the first selected file; -1 when none is selected.
    int firstSelectedRow() const;

signals:
    // The listed files changed (another folder, another mask, refreshed).
    void filesChanged();

private:
    QString directory_;
    std::vector<std::string> masks_;
};

}  // namespace oltoma::forms
