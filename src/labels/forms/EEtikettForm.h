// The label dialog TEtikettDlg (caption "etikett"): edits the label in the
// label record buffer. Layout at 100 percent (client area 420 x 300):
//
//   etikettMemo   (8, 8) 404 x 150   the label text, at most 240 stored
//                                    bytes, no word wrap, in the "mellan"
//                                    font of the current label setting
//   frame Image1  (8, 166) 200 x 100 the picture of a picture label; a
//                                    click chooses a picture file
//   Edit1/UpDown1 (226, 170)         how many times "S&kriv" prints (1)
//   printbtn      (226, 204)         "S&kriv": prints the label now
//   BitBtn1/2     (226, 239), (320, 239)   OK, Cancel
//   StatusBar1    the hint bar
//
// It keeps tmpEtikett, the label record as it was when the dialog opened,
// which Cancel puts back.
#pragma once

#include <QDialog>

#include <string>

#include "labels/etikett_rec.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;

namespace oltoma {
class UpDown;
}

namespace oltoma::labels::forms {

class LimitedMemo;

class TEtikettDlg : public QDialog {
    Q_OBJECT

public:
    explicit TEtikettDlg(QWidget* owner);

    LimitedMemo* etikettMemo = nullptr;
    QLabel* Image1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    UpDown* UpDown1 = nullptr;
    QPushButton* printbtn = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QStatusBar* StatusBar1 = nullptr;

public slots:
    // OK: the text as it will be stored must not give another label's key
    // (else a beep and "Etiketten finns redan registrerad. ..." in the hint
    // bar, and the dialog stays); then it goes into the label record.
    void accept() override;
    // Cancel (and Escape): the label record as it was.
    void reject() override;
    // The picture: a chosen file makes the label "BITMAP" + its path. A
    // path the label cannot keep (beyond 240 characters with the marker, or
    // with characters outside Windows-1252) is refused with "kan ej lagra
    // filnamnet "<path>"" and the label stays as it was.
    void Image1Click();
    // "S&kriv": the memo's text into the label record, then the label is
    // printed Edit1 times (nothing below 1).
    void printbtnClick();

protected:
    // The picture-open dialog, starting at `start`; empty when cancelled.
    virtual QString ChoosePicture(const QString& start);

    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowPicture(const std::string& fileName);
    std::string MemoText() const;

    TEtikettRec tmpEtikett;
};

}  // namespace oltoma::labels::forms
