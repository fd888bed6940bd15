// The control report ("kontroller").
#include <algorithm>
#include <cmath>
#include <span>
#include <vector>

#include "base/messages/messages.h"
#include "base/text/number_format.h"
#include "ol/data/files/fileblock_handles.h"
#include "ol/data/files/ol_state.h"
#include "ol/reports/definition_reports.h"
#include "ol/reports/description_drawing.h"
#include "ol/reports/description_geometry.h"
#include "ol/reports/report_headers.h"
#include "print/report_writer.h"

namespace oltoma::ol {
namespace {

bool NeverNumbered(std::string_view code) {
    return !code.empty() && (code[0] == 'M' || code[0] == 'S' || code[0] == 'T');
}

bool IsSlotCode(const KontrRec& slot, std::string_view code) {
    return slot.KodNr.view() == code;
}

void MakeSlot(KontrRec& slot, std::string_view code) {
    slot = KontrRec{};
    slot.KodNr = code;
}

// The slots from `first` on close what they held: a control becomes "exi"
// (closing its column), an "exi" becomes "nul".
void CloseSlots(std::vector<KontrRec>& slots, std::size_t first) {
    for (std::size_t k = first; k < slots.size(); ++k) {
        if (IsSlotCode(slots[k], kClosingCode) || IsSlotCode(slots[k], kEmptyCode)) {
            MakeSlot(slots[k], kEmptyCode);
        } else {
            MakeSlot(slots[k], kClosingCode);
        }
    }
}

class ControlReport {
public:
    explicit ControlReport(PickedRecords& controls) : controls_(controls) {}

    void Print() {
        Heading("Kontrollpunkter. (" + ScaleHeadingText());
        Ol().competition.rec.DagStr = 0;
        ControlsHeader();
        ShowStatus(1, "Kontrollpunkter");
        const std::size_t across = static_cast<std::size_t>(BlocksAcross());
        slots_.assign(across, KontrRec{});
        for (KontrRec& slot : slots_) {
            MakeSlot(slot, kClosingCode);
        }
        const int rowHeight = RowHeight();
        while (next_ < controls_.Antal() && !PrintAborted()) {
            const std::size_t taken = TakeRow();
            if (taken == 0) {
                break;
            }
            if (taken < across) {
                CloseSlots(slots_, taken);
            }
            DrawControlRow(slots_, false);
            const double closingRoom = static_cast<int>(std::nearbyint(1.5 * rowHeight));
            if (!RoomFor(false, closingRoom)) {
                CloseSlots(slots_, 0);
                DrawControlRow(std::span(slots_).first(taken), true);
                RoomFor(true, closingRoom);
            }
        }
        CloseSlots(slots_, 0);
        const bool anyOpen = std::any_of(slots_.begin(), slots_.end(), [](const KontrRec& slot) {
            return !IsSlotCode(slot, kEmptyCode);
        });
        if (anyOpen) {
            DrawControlRow(slots_, true);
        }
        Rule();
        ReserveLines({}, 2);
        WriteLine("Antal utskrivna kontrollpunkter " + IntSpacePadded(printed_, 4) + " [" +
                  IntSpacePadded(LiveRecordCount(Ol().controlFile), 4) + "]");
    }

private:
    // Takes the next picked controls into the slots from the first on;
    // returns how many.
    std::size_t TakeRow() {
        std::size_t taken = 0;
        while (taken < slots_.size() && next_ < controls_.Antal()) {
            if (controls_.GetPickData(next_++) < 0) {
                continue;
            }
            const KontrRec& control = Ol().control.rec;
            SetMessageLine(control.KodNr.view());
            ++printed_;
            ShowProgress(printed_, controls_.Antal());
            ShowStatus(2, "KodNr:" + control.KodNr.str());
            KontrRec& slot = slots_[taken++];
            slot = control;
            if (!NeverNumbered(slot.KodNr.view())) {
                slot.R[0] = IntSpacePadded(printed_, 2);
            }
        }
        return taken;
    }

    PickedRecords& controls_;
    std::vector<KontrRec> slots_;
    int next_ = 0;
    int printed_ = 0;
};

}  // namespace

void PrintControlDefinitions(PickedRecords& controls, const ReportRun& run) {
    if (LiveRecordCount(Ol().controlFile) < 1 || controls.Antal() < 1) {
        return;
    }
    if (OpenReport("kontroller", run)) {
        const DescriptionDrawingScope grid;
        ControlReport(controls).Print();
        PrintClosingPictures();
    }
    ReportEnd(false);
}

}  // namespace oltoma::ol
