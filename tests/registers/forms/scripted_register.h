// A register over the district file whose record operations fail when the
// test says so, each failure leaving the files as the data layer leaves
// them after a storage failure, and whose "edit dialog" is a function of
// the test. Lines read "<name> <number>".
#pragma once

#include <functional>
#include <set>
#include <string>

#include "base/messages/messages.h"
#include "base/text/padding.h"
#include "ol/data/files/ol_state.h"
#include "ol/data/files/registers.h"
#include "ol/data/records/record_keys.h"
#include "registers/forms/eregform.h"
#include "storage/access_layer.h"

namespace oltoma::registers::testing {

class ScriptedRegister final : public TERegFormDlg {
public:
    // full: the register refuses new entries; lineWidth: lines are padded
    // with "." to that width.
    explicit ScriptedRegister(QWidget* owner, bool full = false, int lineWidth = 0)
        : TERegFormDlg(owner), full_(full), lineWidth_(lineWidth) {
        FormCreate();
    }

    // The edit dialog: edits Ol().district.rec and returns 1 for OK. Unset:
    // OK without changes.
    std::function<int(bool add)> dialog;
    int failStores = 0;              // AddRecSelect calls still to fail
    bool failKeyRemoval = false;     // DelRecSelect without record fails
    std::set<std::int32_t> refused;  // records whose deletion is refused
    int dialogsRun = 0;
    bool keyFoundDuringDialog = false;  // the edited record's key, while open
    int stopPrints = 0;

    using TERegFormDlg::DoTheDialogJob2;

protected:
    std::string FormRegStr() override {
        const ol::DistrRec& district = ol::Ol().district.rec;
        return PadRight(district.Dname.str() + " " + district.Dnr.str(), '.', lineWidth_);
    }
    bool CheckBeforeAdding() override {
        ol::ClearDistrict();
        return full_;
    }
    void DoTheDialog(bool add, int ix, std::int32_t rec) override {
        const ol::DistrRec before = ol::Ol().district.rec;
        if (!DoTheDialogJob1(add, rec)) {
            return;
        }
        ++dialogsRun;
        storage::FindKey(ol::Ol().districtFile, 1, ol::DistrictKey(before.Dnr));
        keyFoundDuringDialog = storage::IsamSucceeded();
        const int ret = dialog ? dialog(add) : 1;
        if (ret != 1) {
            ol::Ol().district.rec = before;
        }
        DoTheDialogJob2(add, ix, ret, rec);
    }
    void FixtSelect(FixtRtnTypes FixtRtn, std::string_view sStri, std::int32_t& Rc, bool& Exst,
                    bool& FileEnd) override {
        FixtSelectWith(&ol::FindDistrict, FixtRtn, sStri, Rc, Exst, FileEnd);
    }
    bool PutRecSelect(std::int32_t dRec) override { return ol::RewriteDistrict(dRec); }
    bool AddRecSelect(bool recs, std::int32_t& dRec) override {
        if (failStores > 0) {
            --failStores;
            SetMessageLine("lagringsfel");
            if (recs) {
                dRec = 0;
            }
            return false;
        }
        return ol::SaveDistrict(recs, dRec);
    }
    bool DelRecSelect(FixtRtnTypes delRtn, std::string_view sStri, std::int32_t dRec,
                      bool recs) override {
        if ((!recs && failKeyRemoval) || (recs && refused.count(dRec) > 0)) {
            SetMessageLine(recs ? "nekad" : "nyckelfel");
            return false;
        }
        return ol::DeleteDistrict(delRtn, sStri, dRec, recs);
    }
    void StopPrint() override {
        ++stopPrints;
        TERegFormDlg::StopPrint();
    }

private:
    bool full_;
    int lineWidth_;
};

}  // namespace oltoma::registers::testing
