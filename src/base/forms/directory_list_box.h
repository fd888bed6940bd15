// The folder list of the folder and file dialogs: the folders from the root
// down to the listed folder, each shown opened and indented one step further,
// then the listed folder's subfolders one step further still. Hidden folders
// (names that begin with ".") are not shown. A double click or Enter on a
// line lists that folder. Typing the first letters of a folder's name
// highlights the next line whose folder name begins with them (case is
// ignored; a pause longer than the desktop's key interval starts afresh).
//
// The listed folder is always absolute, without a trailing "/" (except the
// root), at most 1024 characters, and every character of it has a
// Windows-1252 byte, so that the program can store and reopen it. The list
// never changes the process's current directory, which the data files rely
// on.
#pragma once

#include <QElapsedTimer>
#include <QListWidget>

class QKeyEvent;

namespace oltoma::forms {

class DirectoryListBox final : public QListWidget {
    Q_OBJECT
public:
    // Starts at the process's current directory (the root when that cannot
    // be listed).
    explicit DirectoryListBox(QWidget* parent = nullptr);

    QString directory() const { return directory_; }

    // `folder` made absolute (a relative name counts from the listed folder)
    // and cleaned of ".", ".." and trailing "/".
    QString absoluteFolder(const QString& folder) const;

    // Lists `folder`. Returns 0, or the system error number of
    // base/files/folder_access.h why it cannot be entered (123 for a name without
    // Windows-1252 bytes); the list then stays where it was. Lists and emits
    // directoryChanged only when the folder differs from the listed one.
    int setDirectory(const QString& folder);

    // setDirectory as the user's own step (a double click, Enter, a chosen
    // drive): also emits enterFailed when the folder cannot be entered.
    int enterFolder(const QString& folder);

    // The folder that the line at `row` stands for; empty for no line.
    QString folderAt(int row) const;

    // The folder of the highlighted line, or the listed folder when no line
    // is highlighted.
    QString highlightedFolder() const;

    // 0 when `folder` (made absolute as above) can be listed, else the
    // system error number as setDirectory returns it.
    int enterError(const QString& folder) const;

    // Type-ahead over the folder names (see above).
    void keyboardSearch(const QString& search) override;

signals:
    void directoryChanged(const QString& folder);
    void enterFailed(const QString& folder, int systemError);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void fill();

    QString directory_;
    QString typedAhead_;
    QElapsedTimer sinceLastKey_;
};

}  // namespace oltoma::forms
