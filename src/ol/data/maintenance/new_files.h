// "skapa nya": a fresh competition register, keeping the club, district and
// route description registers that are there.
#pragma once

#include "ol/data/maintenance/maintenance_result.h"

namespace oltoma::ol {

// The files themselves:
//  1. With the common files open nothing is created: ConfirmMessage(16)
//     (MessageLine unchanged), failed. A data directory that cannot be
//     written is refused (information box) before anything changes.
//  2. OLTOMA is created anew (an existing competition register is replaced
//     by an empty one).
//  3. CLUBAR, DISTR, RUTBESKR and RUTB24, in this order, are created only
//     when their data file does not exist. One whose files exist is kept as
//     it is, also when it cannot be opened (an index missing, a journal
//     that cannot be played back, a modified marker): that is reported in
//     an information box (the index rebuild repairs it), never replaced by
//     an empty register.
//  4. OpenCommonFiles.
// Returns done when every register is there and the common files opened.
MaintenanceResult CreateNewFiles();

// The menu command: when the competition register holds a live
// competition, asks message 504 "Befintliga datafiler kommer att
// förstöras. OK?" (yes/no) and stops on no (declined); then closes the
// participant and common files and runs CreateNewFiles.
MaintenanceResult CreateNewFilesCommand();

}  // namespace oltoma::ol
