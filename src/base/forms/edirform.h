// The folder dialog "välj bibliotek" (Tedatadir): picks one folder, the data
// directory behind "datadir" or the target folder of a backup copy.
//
//   client area 334 x 372, dialog frame without title-bar buttons
//   Image1             background picture over the client area
//   DriveComboBox1     (32, 8), width 283, bound to the folder list
//   DirectoryListBox1  (32, 24), 283 x 245
//   editDir            (32, 277), 283 x 21: the folder that OK takes
//   BitBtn1 "OK"       (32, 312), 75 x 25, the default button
//   BitBtn2 "Avbryt"   (120, 312), 75 x 25
//   StatusBar1         one panel at the bottom for hints; the form's hint is
//                      "väljer biblioteket som  är öppnat"
//
// What is shown is what is used: editDir shows the folder of the
// highlighted line (a click or the first letters of its name highlight it;
// a double click or Enter on a line lists it), and OK takes the folder
// editDir names, also one the user typed there. A name that is no folder
// is reported in the hint bar and the dialog stays open. Folders are
// Windows-1252 texts, absolute, without a trailing "/" except the root.
#pragma once

#include <QDialog>

#include <string>
#include <string_view>

class QLineEdit;
class QPushButton;
class QStatusBar;

namespace oltoma::forms {

class DirectoryListBox;
class DriveComboBox;

class Tedatadir final : public QDialog {
    Q_OBJECT
public:
    // Scaled by WindowScale; starts at the process's current directory.
    explicit Tedatadir(QWidget* owner);

    // sdir and tmpdir := folder; the caption := title.
    void Prepare(std::string_view title, std::string_view folder);

    // Lists sdir when it is an existing folder (sdir is emptied when it is
    // not). When the folder cannot be entered, MessageLine (and the hint
    // bar) get the error text and the folder in double quotes, and the list
    // stays where it was.
    void ShowDirectory();

    // The folder chosen so far.
    std::string egetdir() const { return sdir_; }

    // OK: sdir := the folder editDir names (the highlighted one unless the
    // user typed another) and closes with Accepted; when that is no folder
    // that can be listed, reports it as ShowDirectory does and stays open.
    void BitBtn1Click();
    // Cancel (also Escape): sdir := the starting folder; closes with
    // Rejected.
    void BitBtn2Click();
    // Entering the folder list and choosing a drive: sdir := the listed
    // folder, then ShowDirectory.
    void DirectoryListBox1Enter();
    void DriveComboBox1Change();

    void reject() override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ReportFolderError(int systemError, const std::string& folder);

    std::string sdir_;
    std::string tmpdir_;
    DriveComboBox* DriveComboBox1;
    DirectoryListBox* DirectoryListBox1;
    QLineEdit* editDir;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QStatusBar* StatusBar1;
};

// Runs Tedatadir with the title, starting at `folder` (Windows-1252).
// Returns the chosen folder after OK, an empty text after Cancel. The
// process's current directory is left as it was.
std::string ChooseDataDirectory(QWidget* owner, std::string_view title, std::string_view folder);

}  // namespace oltoma::forms
