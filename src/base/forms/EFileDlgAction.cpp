#include "base/forms/EFileDlgAction.h"

#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>

#include <algorithm>

#include "base/files/folder_access.h"
#include "base/forms/directory_list_box.h"
#include "base/forms/drive_combo_box.h"
#include "base/forms/file_list_box.h"
#include "base/forms/form_parts.h"
#include "base/messages/desktop_services.h"
#include "base/settings/window_scale.h"
#include "platform/qt/form_scaling.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/window_handles.h"

namespace oltoma::forms {
namespace {

constexpr QSize kClient(567, 467);
constexpr std::size_t kMaxTitleLength = 64;

QPushButton* MakeButton(QWidget* form, const char* name, const QString& caption, QRect place) {
    auto* button = new QPushButton(caption, form);
    button->setObjectName(name);
    button->setGeometry(place);
    button->setAutoDefault(false);
    return button;
}

QFont ChosenListFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(11);
    font.setBold(true);
    return font;
}

}  // namespace

TFileDlgActionForm::TFileDlgActionForm(QWidget* owner)
    : QDialog(owner),
      editDir(new QLineEdit(QStringLiteral("*.*"), this)),
      DriveComboBox1(new DriveComboBox(this)),
      DirectoryListBox1(new DirectoryListBox(this)),
      FileListBox1(new FileListBox(this)),
      FilterComboBox1(new QComboBox(this)),
      IncludeBtn(MakeButton(this, "IncludeBtn", ">", QRect(216, 96, 24, 41))),
      excludeBtn(MakeButton(this, "excludeBtn", "<", QRect(216, 192, 24, 41))),
      excludeAllBtn(MakeButton(this, "excludeAllBtn", "<<", QRect(216, 256, 24, 41))),
      ActionFilesList(new QListWidget(this)),
      btnOK(MakeButton(this, "btnOK", "OK", QRect(16, 408, 75, 25))),
      btnCancel(MakeButton(this, "btnCancel", "Avbryt", QRect(112, 408, 75, 25))),
      StatusBar1(nullptr) {
    setObjectName("FileDlgActionForm");
    setWindowTitle(QStringLiteral("välj filer"));
    FixDialogFrame(this, kClient);
    AddBackgroundImage(this, kClient);
    auto* bevel = new QFrame(this);
    bevel->setObjectName("Bevel1");
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(16, 8, 537, 385);
    // The frame lies over the lists and buttons it surrounds: clicks go
    // through it to them.
    bevel->setAttribute(Qt::WA_TransparentForMouseEvents);
    StatusBar1 = AddHintBar(this, kClient);

    editDir->setObjectName("editDir");
    editDir->setGeometry(24, 16, 217, 21);
    editDir->installEventFilter(this);
    DriveComboBox1->setObjectName("DriveComboBox1");
    DriveComboBox1->setGeometry(16, 48, 169, 21);
    DirectoryListBox1->setObjectName("DirectoryListBox1");
    DirectoryListBox1->setGeometry(24, 72, 169, 97);
    SetHint(DirectoryListBox1, QStringLiteral("mappar med systemattribut syns tyvärr inte här, "
                                              "använd ovanstående textinmating"));
    FileListBox1->setObjectName("FileListBox1");
    FileListBox1->setGeometry(32, 175, 169, 161);
    SetHint(FileListBox1, QStringLiteral("dubbelklicka för att lägga till en fil i listan, välj "
                                         "med ctrl och musklick och klicka på pilen för att lägga "
                                         "till i listan"));
    FilterComboBox1->setObjectName("FilterComboBox1");
    FilterComboBox1->setGeometry(32, 344, 169, 21);
    ActionFilesList->setObjectName("ActionFilesList");
    ActionFilesList->setGeometry(256, 24, 281, 345);
    ActionFilesList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ActionFilesList->setFont(ChosenListFont());
    for (QWidget* part :
         std::initializer_list<QWidget*>{editDir, DriveComboBox1, DirectoryListBox1, FileListBox1,
                                         FilterComboBox1, ActionFilesList}) {
        UseInfoBackground(part);
    }

    DriveComboBox1->bindTo(DirectoryListBox1);
    FileListBox1->setDirectory(DirectoryListBox1->directory());
    connect(DirectoryListBox1, &DirectoryListBox::directoryChanged, this,
            &TFileDlgActionForm::ListedFolderChanged);
    connect(DirectoryListBox1, &DirectoryListBox::enterFailed, this,
            [this](const QString& folder, int error) {
                StatusBar1->showMessage(
                    platform::ToQString(FolderErrorMessage(error, platform::FromQString(folder))));
            });
    connect(FileListBox1, &FileListBox::filesChanged, this, &TFileDlgActionForm::UpdateButtons);
    connect(FileListBox1, &QListWidget::itemDoubleClicked, this,
            &TFileDlgActionForm::IncludeBtnClick);
    connect(ActionFilesList, &QListWidget::itemDoubleClicked, this,
            &TFileDlgActionForm::excludeBtnClick);
    connect(FilterComboBox1, &QComboBox::currentIndexChanged, this,
            &TFileDlgActionForm::FilterChosen);
    connect(IncludeBtn, &QPushButton::clicked, this, &TFileDlgActionForm::IncludeBtnClick);
    connect(excludeBtn, &QPushButton::clicked, this, &TFileDlgActionForm::excludeBtnClick);
    connect(excludeAllBtn, &QPushButton::clicked, this, &TFileDlgActionForm::ExcAllBtnClick);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    ShowFilters("");
    UpdateButtons();
    platform::ScaleForm(this, WindowScale);
}

void TFileDlgActionForm::Prepare(std::string_view title, std::string_view onceOnlyCodes,
                                 std::string_view keywordList, std::string_view filter) {
    notallowed_ = std::string(onceOnlyCodes);
    sorter_ = std::string(keywordList);
    choices_ = FileChoiceList(notallowed_);
    ShowChoices();
    setWindowTitle(platform::ToQString(title.substr(0, kMaxTitleLength)));
    ShowFilters(filter);
}

void TFileDlgActionForm::ShowFilters(std::string_view filter) {
    filters_ = ParseFileFilter(ChooserFilter(filter));
    const QSignalBlocker quiet(FilterComboBox1);
    FilterComboBox1->clear();
    for (const FileFilter& entry : filters_) {
        FilterComboBox1->addItem(platform::ToQString(entry.description));
    }
    FilterComboBox1->setCurrentIndex(0);
    FilterChosen(0);
}

bool TFileDlgActionForm::SetFolder(std::string_view folder) {
    const bool listed = DirectoryPresent(folder) &&
                        DirectoryListBox1->setDirectory(platform::ToQString(folder)) == 0;
    editDir->setText(DirectoryListBox1->directory());
    return listed;
}

std::string TFileDlgActionForm::ListedFolder() const {
    return platform::FromQString(DirectoryListBox1->directory());
}

std::string TFileDlgActionForm::getTheFile(int index) const {
    if (index < 0 || index >= choices_.size()) {
        return std::string();
    }
    return choices_.entries()[index].fileName;
}

FileChoiceEntry TFileDlgActionForm::DescribeChosenFile(const QString& name) const {
    const std::string stored = platform::FromQString(name);
    if (platform::ToQString(stored) != name) {
        return {EntryText(kUnknownOrderCode, UnreadableFileDescription(), stored), stored,
                ListedFolder()};
    }
    return DescribeFile(ListedFolder(), stored, sorter_);
}

void TFileDlgActionForm::IncludeBtnClick() {
    const int remembered = FileListBox1->firstSelectedRow();
    StatusBar1->clearMessage();
    const QStringList selected = FileListBox1->selectedFileNames();
    for (auto name = selected.crbegin(); name != selected.crend(); ++name) {
        if (choices_.Add(DescribeChosenFile(*name)) < 0) {
            ShortBeep();
            StatusBar1->showMessage(QStringLiteral("endast en förekomst tillåten"));
        }
    }
    ShowChoices();
    FileListBox1->setFocus();
    SelectRow(FileListBox1, remembered);
    UpdateButtons();
}

void TFileDlgActionForm::excludeBtnClick() {
    std::vector<int> rows;
    for (int row = 0; row < ActionFilesList->count(); ++row) {
        if (ActionFilesList->item(row)->isSelected()) {
            rows.push_back(row);
        }
    }
    const int remembered = rows.empty() ? -1 : rows.front();
    choices_.Remove(rows);
    ShowChoices();
    ActionFilesList->setFocus();
    SelectRow(ActionFilesList, remembered);
    UpdateButtons();
}

void TFileDlgActionForm::ExcAllBtnClick() {
    if (!isVisible()) {
        return;
    }
    choices_.Clear();
    ShowChoices();
    ActionFilesList->setFocus();
    UpdateButtons();
    editDir->setText(DirectoryListBox1->directory());
}

void TFileDlgActionForm::editDirKeyPress() {
    const QString previous = DirectoryListBox1->directory();
    QString taken = DirectoryListBox1->absoluteFolder(editDir->text());
    if (editDir->text().isEmpty() || !QFileInfo(taken).isDir()) {
        taken = previous;
    }
    if (DirectoryListBox1->enterFolder(taken) != 0) {
        DirectoryListBox1->setDirectory(previous);
        taken = previous;
    }
    editDir->setText(taken);
}

void TFileDlgActionForm::ListedFolderChanged() {
    FileListBox1->setDirectory(DirectoryListBox1->directory());
    ExcAllBtnClick();
    editDir->setText(DirectoryListBox1->directory());
}

void TFileDlgActionForm::FilterChosen(int index) {
    if (index >= 0 && index < static_cast<int>(filters_.size())) {
        FileListBox1->setMasks(filters_[index].masks);
    }
}

void TFileDlgActionForm::ShowChoices() {
    ActionFilesList->clear();
    for (const FileChoiceEntry& entry : choices_.entries()) {
        ActionFilesList->addItem(platform::ToQString(entry.text));
    }
}

void TFileDlgActionForm::UpdateButtons() {
    IncludeBtn->setEnabled(FileListBox1->count() > 0);
    excludeBtn->setEnabled(ActionFilesList->count() > 0);
    excludeAllBtn->setEnabled(ActionFilesList->count() > 0);
}

void TFileDlgActionForm::SelectRow(QListWidget* list, int row) {
    if (list->count() == 0) {
        return;
    }
    row = row < 0 ? 0 : std::min(row, list->count() - 1);
    list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

bool TFileDlgActionForm::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        StatusBar1->showMessage(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QDialog::event(event);
}

bool TFileDlgActionForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == editDir && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            editDirKeyPress();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool ChooseFiles(QWidget* owner, std::string_view title, std::string_view onceOnlyCodes,
                 std::string_view keywordList, std::string_view filter, TLongPathName& folder,
                 const FileAction& action) {
    TFileDlgActionForm form(owner);
    form.Prepare(title, onceOnlyCodes, keywordList, filter);
    if (!DirectoryPresent(folder.view())) {
        folder.assign("");
    }
    form.SetFolder(folder.view());
    if (form.exec() != QDialog::Accepted) {
        return false;
    }
    folder.assign(form.ListedFolder());
    const std::vector<FileChoiceEntry> chosen = form.Choices().entries();
    const int count = static_cast<int>(chosen.size());
    const platform::WindowHandle handle = platform::HandleOf(owner);
    for (int i = 1; i <= count; ++i) {
        if (action) {
            action(handle, chosen[i - 1].fileName, folder.str(), i, count);
        }
    }
    return true;
}

}  // namespace oltoma::forms
