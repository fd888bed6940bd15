// TEPick: a pick list. Before a report is printed for a selection of
// records, the pick reads the candidates of a register, lets the user choose
// in the pick dialog (pick_dialog.h) and then hands the chosen records to
// the report one by one:
//
//   auto pick = TKontrPick::InitM(owner, "kontroller", true);  // dialog runs
//   if (!pick->OkExec()) return;
//   for (int ix = 0; ix < pick->Antal(); ++ix)
//       if (pick->GetPickData(ix) >= 0) ... the record is in its buffer ...
//
// A subclass supplies the register's record access (FixtSelect), the list
// text of the record in the buffer (FormPickStr) and, optionally, a filter
// (doTheFilter); its constructor calls Init, which reads the candidates
// and runs the dialog.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/services.h"
#include "registers/fixt_select.h"

namespace oltoma::registers {

// One candidate: its list text (at most 255 characters) and the number of
// its record.
struct PickItem {
    std::string text;
    std::int32_t rec = 0;
};

inline constexpr std::size_t kMaxPickTextLength = 255;

class TEPick {
public:
    virtual ~TEPick() = default;
    TEPick(const TEPick&) = delete;
    TEPick& operator=(const TEPick&) = delete;

    // True when the dialog was confirmed and at least one item was chosen.
    bool OkExec() const { return OkExecute && Antal() > 0; }
    // Items in the list: after a confirmed dialog, the chosen ones.
    int Antal() const { return static_cast<int>(eitems.size()); }
    const std::vector<PickItem>& Items() const { return eitems; }
    // Candidates read from the register (before the dialog).
    std::int32_t ItemsRead() const { return nitems; }
    // The dialog offered PDF and the user asked for it.
    bool PdfTicked() const { return pdfTicked; }

    // Index of the item with record number rec; -1 when none.
    virtual int CheckPickItem(std::int32_t rec) const;
    // Loads the record of item ix into the register's buffer and returns its
    // number; -1 when ix is outside the list or the record cannot be loaded.
    virtual std::int32_t GetPickData(int ix);
    // Finds the record of key ss and returns its item's index; -1 when the
    // key or its item is not found.
    virtual int CheckPickStr(std::string_view ss);
    // True when every candidate read was chosen.
    virtual bool Alla() const;

protected:
    TEPick() = default;

    // Stores the arguments, reads the candidates (InitTheListData) and runs
    // the dialog (PickDlg). Called by a subclass's constructor, so that the
    // subclass's operations are the ones used. An empty name gives the
    // caption "välj".
    void Init(platform::WindowHandle Aowner, std::string_view Aname, std::int32_t Aparam,
              bool amulti, bool asorted, bool aOfferPdf = false);

    // Shows the dialog unless there is no candidate; keeps the items of the
    // lines selected on OK.
    virtual void PickDlg();
    // Whether the record in the buffer is a candidate; the base takes all.
    virtual bool doTheFilter();
    // Walks the register in key order and appends an item for every live
    // record the filter takes.
    virtual void InitTheListData();
    // The list text of the record in the buffer.
    virtual std::string FormPickStr() = 0;
    // Record access of the register (fixt_select.h).
    virtual void FixtSelect(FixtRtnTypes FixtRtn, std::string_view sStri, std::int32_t& Rc,
                            bool& Exst, bool& FileEnd) = 0;

    bool OkExecute = false;
    bool multi = false;
    bool sort = false;
    std::string xname;
    platform::WindowHandle owner = 0;
    std::vector<PickItem> eitems;
    std::int32_t nitems = 0;
    std::int32_t param = 0;
    bool offerPdf = false;
    bool pdfTicked = false;
};

}  // namespace oltoma::registers
