#include "base/forms/directory_list_box.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QStyle>

#include <algorithm>

#include "base/files/folder_access.h"
#include "platform/qt/qt_text.h"

namespace oltoma::forms {
namespace {

constexpr int kFolderRole = Qt::UserRole;
const QString kIndentStep = QStringLiteral("  ");

// 0 when the folder can be listed and stored, else the system error number.
int EnterError(const QString& folder) {
    const std::string stored = platform::FromQString(folder);
    if (platform::ToQString(stored) != folder) {
        return kUnstorableNameError;
    }
    return FolderEnterError(stored);
}

// The name a folder is listed by: its last part, "/" for the root.
QString FolderName(const QString& folder) {
    return folder == "/" ? folder : folder.section('/', -1);
}

// The folders from the root down to `folder`, the root first.
QStringList PathFromRoot(const QString& folder) {
    QStringList path{QStringLiteral("/")};
    QString prefix;
    for (const QString& part : folder.split('/', Qt::SkipEmptyParts)) {
        prefix += '/' + part;
        path.append(prefix);
    }
    return path;
}

}  // namespace

DirectoryListBox::DirectoryListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { enterFolder(item->data(kFolderRole).toString()); });
    if (setDirectory(QDir::currentPath()) != 0) {
        setDirectory(QStringLiteral("/"));
    }
}

QString DirectoryListBox::absoluteFolder(const QString& folder) const {
    const QString base = directory_.isEmpty() ? QDir::currentPath() : directory_;
    QString cleaned = QDir::cleanPath(QDir(base).absoluteFilePath(folder));
    // The root's ".." is the root itself.
    while (cleaned == "/.." || cleaned.startsWith("/../")) {
        cleaned.remove(0, 3);
    }
    return cleaned.isEmpty() ? QStringLiteral("/") : cleaned;
}

int DirectoryListBox::setDirectory(const QString& folder) {
    const QString absolute = absoluteFolder(folder);
    const int error = EnterError(absolute);
    if (error != 0) {
        return error;
    }
    if (absolute != directory_) {
        directory_ = absolute;
        fill();
        emit directoryChanged(directory_);
    }
    return 0;
}

int DirectoryListBox::enterFolder(const QString& folder) {
    const int error = setDirectory(folder);
    if (error != 0) {
        emit enterFailed(absoluteFolder(folder), error);
    }
    return error;
}

QString DirectoryListBox::folderAt(int row) const {
    const QListWidgetItem* line = item(row);
    return line == nullptr ? QString() : line->data(kFolderRole).toString();
}

QString DirectoryListBox::highlightedFolder() const {
    const QString folder = folderAt(currentRow());
    return folder.isEmpty() ? directory_ : folder;
}

int DirectoryListBox::enterError(const QString& folder) const {
    return EnterError(absoluteFolder(folder));
}

void DirectoryListBox::keyboardSearch(const QString& search) {
    if (search.isEmpty() || count() == 0) {
        return;
    }
    if (!sinceLastKey_.isValid() ||
        sinceLastKey_.elapsed() > QApplication::keyboardInputInterval()) {
        typedAhead_.clear();
    }
    sinceLastKey_.start();
    // The same letter again steps on to the next folder with that letter.
    const bool repeated = typedAhead_.size() == 1 && search == typedAhead_;
    if (!repeated) {
        typedAhead_ += search;
    }
    const int start = std::max(0, currentRow()) + (repeated || typedAhead_.size() == 1 ? 1 : 0);
    for (int step = 0; step < count(); ++step) {
        const int row = (start + step) % count();
        if (FolderName(folderAt(row)).startsWith(typedAhead_, Qt::CaseInsensitive)) {
            setCurrentRow(row);
            return;
        }
    }
}

void DirectoryListBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (currentRow() >= 0) {
            enterFolder(folderAt(currentRow()));
        }
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void DirectoryListBox::fill() {
    clear();
    const QIcon opened = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    QString indent;
    for (const QString& folder : PathFromRoot(directory_)) {
        auto* line = new QListWidgetItem(opened, indent + FolderName(folder), this);
        line->setData(kFolderRole, folder);
        indent += kIndentStep;
    }
    const int current = count() - 1;
    const QDir listed(directory_);
    const QStringList subfolders = listed.entryList(
        QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
    for (const QString& name : subfolders) {
        auto* line = new QListWidgetItem(closed, indent + name, this);
        line->setData(kFolderRole, listed.absoluteFilePath(name));
    }
    setCurrentRow(current);
}

}  // namespace oltoma::forms
