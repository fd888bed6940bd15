#include "registers/epick.h"

#include <cstdlib>

#include "base/messages/desktop_services.h"
#include "base/text/windows1252.h"
#include "registers/pick_dialog.h"

namespace oltoma::registers {

void TEPick::Init(platform::WindowHandle Aowner, std::string_view Aname, std::int32_t Aparam,
                  bool amulti, bool asorted, bool aOfferPdf) {
    eitems.clear();
    xname = std::string(Aname.substr(0, kMaxPickTextLength));
    multi = amulti;
    sort = asorted;
    owner = Aowner;
    param = Aparam;
    offerPdf = aOfferPdf;
    OkExecute = false;
    pdfTicked = false;
    nitems = 0;
    InitTheListData();
    PickDlg();
}

int TEPick::CheckPickItem(std::int32_t rec) const {
    for (std::size_t i = 0; i < eitems.size(); ++i) {
        if (eitems[i].rec == rec) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::int32_t TEPick::GetPickData(int ix) {
    if (ix < 0 || ix >= Antal()) {
        return -1;
    }
    std::int32_t rc = eitems[static_cast<std::size_t>(ix)].rec;
    bool exst = false;
    bool fileEnd = true;
    FixtSelect(RcRtn, {}, rc, exst, fileEnd);
    return exst ? rc : -1;
}

int TEPick::CheckPickStr(std::string_view ss) {
    std::int32_t rc = 0;
    bool exst = false;
    bool fileEnd = true;
    FixtSelect(FindRtn, ss, rc, exst, fileEnd);
    return exst ? CheckPickItem(rc) : -1;
}

bool TEPick::Alla() const {
    return Antal() == nitems;
}

bool TEPick::doTheFilter() {
    return true;
}

void TEPick::InitTheListData() {
    PushCursor();
    platform::CurrentCursors().Set(platform::CursorShape::kWait);
    std::int32_t rc = 0;
    bool exst = false;
    bool fileEnd = false;
    FixtSelect(ClearRtn, {}, rc, exst, fileEnd);
    FixtSelect(NextRtn, {}, rc, exst, fileEnd);
    while (!fileEnd) {
        if (exst && doTheFilter()) {
            eitems.push_back({FormPickStr().substr(0, kMaxPickTextLength), rc});
            ++nitems;
        }
        FixtSelect(NextRtn, {}, rc, exst, fileEnd);
    }
    PopCursor();
}

void TEPick::PickDlg() {
    if (nitems == 0) {
        return;
    }
    PickDialog* dialog = BoundPickDialog();
    if (dialog == nullptr) {
        return;
    }
    PickDialogRequest request;
    request.owner = owner;
    request.title = xname.empty() ? Windows1252FromUtf8("välj") : xname;
    request.multi = multi;
    request.sort = sort;
    request.offerPdf = offerPdf;
    for (std::size_t i = 0; i < eitems.size(); ++i) {
        PickItem& item = eitems[i];
        if (item.rec < 0 || item.rec == param) {
            request.preselected.push_back(static_cast<int>(i));
        }
        item.rec = std::abs(item.rec);
        request.lines.push_back(item.text);
    }
    const PickDialogAnswer answer = dialog->Run(request);
    OkExecute = answer.ok;
    if (!answer.ok) {
        return;
    }
    pdfTicked = offerPdf && answer.pdf;
    // The items of the selected lines stay, in their order.
    std::vector<bool> keep(eitems.size(), false);
    for (const int index : answer.selected) {
        if (index >= 0 && index < Antal()) {
            keep[static_cast<std::size_t>(index)] = true;
        }
    }
    std::vector<PickItem> chosen;
    for (std::size_t i = 0; i < eitems.size(); ++i) {
        if (keep[i]) {
            chosen.push_back(std::move(eitems[i]));
        }
    }
    eitems = std::move(chosen);
}

}  // namespace oltoma::registers
