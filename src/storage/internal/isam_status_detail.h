// The engine's own setters of the engine status (isam_status.h). Only the
// engine's operations use them; callers outside the engine report their own
// failures through ReportIsamError and ReportFileFailure.
#pragma once

#include "storage/isam_status.h"

namespace oltoma::storage {

namespace detail {

// Starts an operation: succeeded, all numbers 0.
void ClearStatus();
// Sets the error code (0 = success).
void SetIsamError(int code);
// Records a failed primitive: the first one since the status was cleared
// keeps its operation code and system error number.
void RecordDosFailure(int function, int systemError);

}  // namespace detail

}  // namespace oltoma::storage
