// TEPickForm: the pick dialog of the pick lists (registers/pick_dialog.h).
//
// Layout at 100 percent (client area 320 x 350, dialog frame without
// title-bar buttons, caption the pick's title):
//
//   Image1        background picture over the client area
//   Bevel1        raised frame (8, 8), 208 x 312, around the list
//   EPickListBox  (12, 12), 200 x 304: fixed-pitch bold font on the pale
//                 tooltip colour; several lines selectable when `multi`;
//                 sorted when `sort`
//   okBtn         "OK"      (228, 12)  80 x 27, the default button
//   allbtn        "&Alla"   (228, 44)  selects all lines, then none
//                 ("&Ingen"); enabled only when `multi`
//   cancelBtn     "Avbryt"  (228, 76)
//   StatusBar1    hints and the counts: selected lines (3 columns, only
//                 when any is), " [", lines (3 columns), "]"
//   cbPdf         "till PDF-fil" (12, 298) 200 x 20, under the list, only
//                 when the pick offers PDF output; the frame and the list are
//                 then 28 lower (208 x 284 and 200 x 276). It starts as it
//                 was left the last time this session (unticked at first).
//
// A double click on a line of a single-selection list closes the dialog
// with OK, choosing that line.
#pragma once

#include <QDialog>

#include <vector>

#include "registers/forms/hint_status_bar.h"
#include "registers/pick_dialog.h"

class QCheckBox;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QStatusBar;

namespace oltoma::registers {

class TEPickForm final : public QDialog {
    Q_OBJECT
public:
    TEPickForm(QWidget* owner, const PickDialogRequest& request);

    // Indexes (into the request's lines) of the selected lines, ascending.
    std::vector<int> SelectedLines() const;

    QLabel* Image1 = nullptr;
    QFrame* Bevel1 = nullptr;
    QListWidget* EPickListBox = nullptr;
    QPushButton* okBtn = nullptr;
    QPushButton* allbtn = nullptr;
    QPushButton* cancelBtn = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QCheckBox* cbPdf = nullptr;  // only when PDF is offered
    bool multi = false;
    bool sort = false;
    std::string xname;
    bool allSw = true;  // the next press of allbtn selects all

    void allbtnClick();
    void EPickListBoxDblClick();
    // The counts in the status bar.
    void ShowCounts();

protected:
    bool event(QEvent* event) override;

private:
    void BuildForm(bool offerPdf);
    void FillList(const PickDialogRequest& request);

    HintStatusBar status_;
};

// The pick dialog the program binds: runs TEPickForm modally and keeps the
// state of its PDF box for the next dialog that offers it.
class QtPickDialog final : public PickDialog {
public:
    PickDialogAnswer Run(const PickDialogRequest& request) override;
    // The PDF box is off again, as at program start.
    void ForgetPdfTicked() { pdfTicked_ = false; }

private:
    bool pdfTicked_ = false;
};

// Binds the Qt pick dialog; the program calls it after creating its
// QApplication.
void BindQtPickDialog();

}  // namespace oltoma::registers
