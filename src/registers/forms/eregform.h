// TERegFormDlg: the register dialog every register of the system is browsed
// and edited through (districts, controls, courses, labels, giro slips). It
// lists one line per stored record and offers new, change, delete and
// print; a register subclass supplies the record access, the line text,
// the capacity check and the edit dialog.
//
// Layout at 100 percent (client area 480 x 360, dialog frame without
// title-bar buttons, caption "register"):
//
//   Image1        background picture over the client area
//   Bevel1        raised frame (8, 8), 352 x 320, around the list
//   ERegListBox   (12, 12), 344 x 312: fixed-pitch bold font on the pale
//                 tooltip colour; lines never elided or wrapped (a
//                 horizontal scroll bar instead); Shift and Ctrl select
//                 several when `multi`
//   newbtn        "&Ny"      (372, 12)    96 x 27
//   changebtn     "&Ändra"   (372, 44)
//   deletebtn     "&Radera"  (372, 76)
//   printbtn      "S&kriv"   (372, 108)
//   closebtn      "&Stäng"   (372, 296): default and cancel button
//   StatusBar1    hint bar at the bottom
//
// The list is kept in the order of its lines' texts: the upper-cased texts
// compared as index keys compare, equal ones by their bytes. Each line
// carries the record number of its record (Ttherec) in its item data.
//
// A subclass's constructor builds its part and then calls FormCreate, which
// fills the list (through the subclass's FixtSelect and FormRegStr) and
// scales the form. Every text handed to or from a subclass is Windows-1252.
#pragma once

#include <QDialog>

#include <cstdint>
#include <string>
#include <string_view>

#include "registers/fixt_select.h"
#include "registers/forms/hint_status_bar.h"

class QFrame;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QStatusBar;

namespace oltoma::registers {

// The record number a list line carries.
inline constexpr int kTtherecRole = Qt::UserRole;

class TERegFormDlg : public QDialog {
    Q_OBJECT
public:
    ~TERegFormDlg() override;

    QLabel* Image1 = nullptr;
    QFrame* Bevel1 = nullptr;
    QPushButton* closebtn = nullptr;
    QPushButton* changebtn = nullptr;
    QPushButton* deletebtn = nullptr;
    QPushButton* newbtn = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QListWidget* ERegListBox = nullptr;
    QPushButton* printbtn = nullptr;
    // Several lines may be selected; set before FormCreate to change it.
    bool multi = true;

    // The new (add) and change command: runs the edit dialog on a new
    // record or on the record of the first selected line.
    virtual void EditEntry(bool add);
    // The delete command: deletes the records of the selected lines at once
    // (no question). Returns 2 when no line is selected, 0 when a deletion
    // was refused or failed (its line stays, deselected), else 1.
    virtual int EraseEntry();
    // The print command: prints the selected lines.
    void PrintSelected();
    // The number of lines and of selected lines in the status bar.
    void ERegListBoxClick();
    // Fills the list by walking the register in key order.
    void FillRegList();
    // Shows MessageLine in the status bar when it changed since last shown.
    void ShowRegMessage();

    // The list line of row ix, as the subclass made it.
    std::string LineText(int ix) const;
    // The record number line ix carries; 0 for a row outside the list.
    std::int32_t LineRec(int ix) const;

protected:
    explicit TERegFormDlg(QWidget* owner);

    // Fills the list, scales the form by the window scale and sets the
    // selection mode from `multi`. The subclass's constructor calls it last.
    void FormCreate();

    // The list line of the record in the buffer (at most 255 characters).
    virtual std::string FormRegStr() = 0;
    // Clears the record buffer for a new entry (presetting what the register
    // presets) and returns true when the register is full. The base refuses.
    virtual bool CheckBeforeAdding();
    // Starts the report of the selected lines; true when printing may go on.
    // The base opens the report writer titled by the main window's caption,
    // ": " and this dialog's caption, with its heading and rule.
    virtual bool StartPrint();
    // Ends the report (with its footer). Runs also when StartPrint refused.
    virtual void StopPrint();
    // The printed text of the record in the buffer; the base prints the
    // list line.
    virtual std::string FormPrintStr();
    // Prints line i (1..n) of n: one report line indented 5 characters.
    virtual void DoThePrint(int i, int n);
    // Whether the print walk must stop; the base asks the report writer.
    virtual bool PrintWalkAborted();
    // Whether the record in the buffer may be deleted; the base allows it.
    virtual bool CheckBeforeDeleting();
    // Runs the register's edit dialog: create it on the record buffer, then
    // `if (!DoTheDialogJob1(add, rec)) return;`, run it, and pass its
    // result to DoTheDialogJob2.
    virtual void DoTheDialog(bool add, int ix, std::int32_t rec) = 0;
    // Record access (fixt_select.h): loads the record into the buffer.
    virtual void FixtSelect(FixtRtnTypes FixtRtn, std::string_view sStri, std::int32_t& Rc,
                            bool& Exst, bool& FileEnd) = 0;
    // Rewrites record dRec from the buffer, keys untouched.
    virtual bool PutRecSelect(std::int32_t dRec) = 0;
    // recs: stores the buffer as a new record (dRec gets its number); else
    // rewrites record dRec. Adds the record's keys. False when it failed
    // (the files as before, the reason in MessageLine).
    virtual bool AddRecSelect(bool recs, std::int32_t& dRec) = 0;
    // Removes the keys of record dRec (found by key sStri with FindRtn), and
    // with recs the record too, leaving a deletion notice in MessageLine.
    // False when it refused or failed; nothing is then deleted.
    virtual bool DelRecSelect(FixtRtnTypes delRtn, std::string_view sStri, std::int32_t dRec,
                              bool recs) = 0;

    // Before a change's dialog: removes the record's keys, so the dialog's
    // uniqueness checks do not find the record being edited. False when
    // they could not be removed: the dialog must not run (the reason is in
    // MessageLine).
    bool DoTheDialogJob1(bool add, std::int32_t rec);
    // After the dialog (ret 1 for OK): stores the record and its keys (a
    // change also after Cancel, to put its keys back) and on OK replaces
    // or adds its list line, selected and current. A failed store leaves
    // the list as it was; a failed change stores the record as it was
    // before the dialog again with its keys. True when the dialog was
    // confirmed and its record stored.
    bool DoTheDialogJob2(bool add, int ix, int ret, std::int32_t& rec);

    // Shows a text in the status bar.
    void ShowStatusText(const std::string& text);

    bool event(QEvent* event) override;

private:
    void BuildForm();
    int InsertLine(const std::string& text, std::int32_t rec);
    int FirstSelectedRow() const;
    int SelectedCount() const;
    bool LoadLine(int ix, std::int32_t& rec);
    void RestoreAfterFailedChange(std::int32_t rec);

    std::string shownMessage_;
    HintStatusBar status_;
};

}  // namespace oltoma::registers
