// The program speaks Swedish in every dialog, whatever translations the
// machine has installed: the standard buttons of message boxes and button
// boxes read "OK", "&Ja", "&Nej", "&Avbryt", "&Försök igen", "&Ignorera" and
// so on.
//
//   int main(...) { QApplication app(...); platform::InstallSwedishTranslations(); ... }
#pragma once

#include <QDialogButtonBox>
#include <QString>

class QMessageBox;

namespace oltoma::platform {

// The Swedish caption of a standard button, with its access key marked by
// "&"; empty for NoButton.
QString SwedishButtonText(QDialogButtonBox::StandardButton button);

// Gives every standard button of the box its Swedish caption.
void UseSwedishButtons(QMessageBox& box);

// Installs Qt's own Swedish translation from the installed translations
// (package qt6-translations-l10n), when it is there, and above it the
// program's Swedish captions of the standard buttons, which take effect
// even where the installed translation lacks them. Call once, after the
// QApplication exists.
void InstallSwedishTranslations();

}  // namespace oltoma::platform
