// Where a dialog opens: centred on its owner's window, and moved back onto
// the owner's screen when that would put it partly outside.
#pragma once

class QWidget;

namespace oltoma::platform {

// Nothing without an owner. Call once the form has its final size, after
// it is scaled.
void CentreOnOwner(QWidget* form, QWidget* owner);

}  // namespace oltoma::platform
