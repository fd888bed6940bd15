// The address dialog TadressDlg (caption "adress"): edits one address or
// contact, five lines of at most 22 characters. Layout at 100 percent:
//
//   client area   300 x 214, dialog border, no title-bar buttons, centred on
//                 its owner
//   frame         "adress" at (8, 8), 284 x 144, holding
//   adressMemo    at (8, 20), 268 x 116: the lines, at most 114 characters,
//                 in the "mellan" font of the current label setting
//   OK, Cancel    at (8, 160) and (108, 160), 92 x 27
//   status bar    along the bottom
//
// The memo shows the five lines one per row, empty lines at the end left
// out. OK stores its first five rows (each cut to 22 characters) and empties
// the rest of the address; Cancel leaves the address as it was.
#pragma once

#include <QDialog>

#include "ol/data/records/record_fields.h"

class QPlainTextEdit;
class QStatusBar;

namespace oltoma::ol {

inline constexpr int kAddressMemoLength = 114;

// The memo text of an address: the lines joined with line breaks, without
// the empty lines at the end (Windows-1252).
std::string AddressMemoText(const AdressLines& address);

// Stores memo text into the address: all 115 bytes cleared, then rows 1 to
// 5 (CR LF or LF separated; breaks at the end ignored), each at most 22
// characters.
void StoreAddressMemoText(std::string_view text, AdressLines& address);

class TadressDlg final : public QDialog {
    Q_OBJECT
public:
    TadressDlg(QWidget* owner, const AdressLines& address);

    // The address as edited; meaningful after OK.
    const AdressLines& address() const { return address_; }

    QPlainTextEdit* memo() const { return adressMemo_; }

public slots:
    void accept() override;

private:
    void LimitMemoLength();

    AdressLines address_;
    QPlainTextEdit* adressMemo_;
    QStatusBar* statusBar_;
};

// Runs the address dialog modally; on OK copies the result into `address`.
// Returns whether it closed with OK.
bool EditAddress(QWidget* owner, AdressLines& address);

}  // namespace oltoma::ol
