// The file chooser "välj filer" (TFileDlgActionForm): collects files of one
// folder, shows for each what kind of exchange file it is and in which order
// it will be handled (base/files/file_choice.h), refuses a second file of a
// once-only kind, and after OK runs the caller's action once per file in
// list order. The import uses it.
//
//   client area 567 x 467, dialog frame without title-bar buttons
//   Image1            background picture      Bevel1 (16, 8) 537 x 385
//   editDir           (24, 16) width 217: a folder typed here and confirmed
//                     with Enter becomes the listed folder
//   DriveComboBox1    (16, 48) width 169, bound to the folder list
//   DirectoryListBox1 (24, 72) 169 x 97, bound to the file list
//   FileListBox1      (32, 175) 169 x 161, several files can be selected
//   FilterComboBox1   (32, 344) width 169: the file list's mask
//   IncludeBtn ">"    (216, 96)   excludeBtn "<" (216, 192)
//   excludeAllBtn "<<" (216, 256), each 24 x 41
//   ActionFilesList   (256, 24) 281 x 345, the chosen entries in ascending
//                     order, bold fixed-pitch 11-pixel font
//   btnOK "OK"        (16, 408)   btnCancel "Avbryt" (112, 408), 75 x 25
//   StatusBar1        hints and the refusal text
//
// editDir keeps the case typed: folder names on this platform depend on it.
#pragma once

#include <QDialog>

#include <string>
#include <string_view>

#include <vector>

#include "base/files/file_choice.h"
#include "base/files/file_mask.h"
#include "base/text/nul_terminated_text.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStatusBar;

namespace oltoma::forms {

class DirectoryListBox;
class DriveComboBox;
class FileListBox;

class TFileDlgActionForm final : public QDialog {
    Q_OBJECT
public:
    // Scaled by WindowScale; starts at the process's current directory.
    explicit TFileDlgActionForm(QWidget* owner);

    // notallowed := onceOnlyCodes; sorter := keywordList; the caption :=
    // title (at most 64 characters). The filter list becomes the caller's
    // filter (when not empty) followed by "Alla filer (*.*)|*.*".
    void Prepare(std::string_view title, std::string_view onceOnlyCodes,
                 std::string_view keywordList, std::string_view filter);

    // Lists `folder` (Windows-1252) when it is an existing folder that can
    // be entered and returns true; otherwise returns false and stays at the
    // current folder. editDir shows the listed folder either way.
    bool SetFolder(std::string_view folder);

    // The listed folder (Windows-1252).
    std::string ListedFolder() const;

    // The chosen entries in list order, and the file name of entry `index`.
    const FileChoiceList& Choices() const { return choices_; }
    std::string getTheFile(int index) const;

    // ">" and a double click on the file list: adds the selected files, from
    // the last to the first, each with DescribeFile; a file of a once-only
    // kind already listed is refused with a beep and "endast en förekomst
    // tillåten".
    void IncludeBtnClick();
    // "<" and a double click on the chosen list: removes the selected
    // entries.
    void excludeBtnClick();
    // "<<" and every change of the listed folder while the dialog is
    // visible: empties the chosen list.
    void ExcAllBtnClick();
    // Enter in editDir: lists the folder typed, or stays where it is.
    void editDirKeyPress();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ListedFolderChanged();
    void ShowFilters(std::string_view filter);
    void FilterChosen(int index);
    FileChoiceEntry DescribeChosenFile(const QString& name) const;
    void ShowChoices();
    void UpdateButtons();
    static void SelectRow(QListWidget* list, int row);

    std::string notallowed_;
    std::string sorter_;
    FileChoiceList choices_;
    std::vector<FileFilter> filters_;
    QLineEdit* editDir;
    DriveComboBox* DriveComboBox1;
    DirectoryListBox* DirectoryListBox1;
    FileListBox* FileListBox1;
    QComboBox* FilterComboBox1;
    QPushButton* IncludeBtn;
    QPushButton* excludeBtn;
    QPushButton* excludeAllBtn;
    QListWidget* ActionFilesList;
    QPushButton* btnOK;
    QPushButton* btnCancel;
    QStatusBar* StatusBar1;
};

// Runs TFileDlgActionForm with the title, the once-only codes, the keyword
// list and the filter, starting at `folder` (cleared first when it names no
// existing folder). After OK `folder` holds the folder listed last and the
// action has run once per chosen entry, in list order, with the owner's
// window handle, the file name, that folder, the position from 1 and the
// number of entries; returns true. After Cancel nothing runs and the
// function returns false. The process's current directory is left as it
// was.
bool ChooseFiles(QWidget* owner, std::string_view title, std::string_view onceOnlyCodes,
                 std::string_view keywordList, std::string_view filter, TLongPathName& folder,
                 const FileAction& action);

}  // namespace oltoma::forms
