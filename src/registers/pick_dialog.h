// The pick dialog as the pick lists see it: the program binds the Qt dialog
// at start, tests bind a scripted double. Unbound, no dialog shows and a
// pick ends unconfirmed.
//
// All texts are Windows-1252.
#pragma once

#include <string>
#include <vector>

#include "platform/services.h"

namespace oltoma::registers {

struct PickDialogRequest {
    platform::WindowHandle owner = 0;
    std::string title;               // the caption
    bool multi = false;              // several lines may be selected
    bool sort = false;               // the list sorts its lines
    std::vector<std::string> lines;  // one per item, in item order
    std::vector<int> preselected;    // indexes into lines selected at start
    bool offerPdf = false;           // offer to write the report as PDF
};

struct PickDialogAnswer {
    bool ok = false;            // closed with OK
    std::vector<int> selected;  // indexes into the request's lines, ascending
    bool pdf = false;           // PDF asked for (only when offered)
};

class PickDialog {
public:
    virtual ~PickDialog() = default;
    // Shows the dialog modally and returns what the user chose.
    virtual PickDialogAnswer Run(const PickDialogRequest& request) = 0;
};

// Binds the dialog (nullptr: none) and returns the one bound before.
PickDialog* BindPickDialog(PickDialog* dialog);

// The bound dialog; nullptr when none is.
PickDialog* BoundPickDialog();

}  // namespace oltoma::registers
