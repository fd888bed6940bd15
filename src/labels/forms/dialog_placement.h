// Where a dialog of the label subsystem opens.
#pragma once

class QWidget;

namespace oltoma::labels::forms {

// Centres the form over its owner's window (nothing without an owner).
void CentreOnOwner(QWidget* form, QWidget* owner);

}  // namespace oltoma::labels::forms
