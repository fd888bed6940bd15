// The outcome of a maintenance command, for callers that act on it (the
// tool's exit status); the user has been told already.
#pragma once

namespace oltoma::ol {

enum class MaintenanceResult {
    done,      // the command did its work
    declined,  // the user said no or cancelled; nothing was changed
    failed,    // refused or failed; the messages say why
};

}  // namespace oltoma::ol
