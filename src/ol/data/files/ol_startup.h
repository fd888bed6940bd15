// Start and end of the orienteering data layer, at the creation and
// destruction of the main window.
#pragma once

#include <span>
#include <string>

namespace oltoma::ol {

// Takes this program's current number and data directory from its entries
// of the per-kind arrays of GlobalSettings, starts the storage engine
// (InitStorageEngine with the command-line parameters; on failure its
// message is put into MessageLine and shown as information, and the layer
// goes on without storage), fills the ordering table with 0..3200, clears
// every record buffer and registers OlShutdown to run at program exit.
// Returns whether the engine started.
bool OlStartup(std::span<const std::string> parameters);

// Stores the current data directory and number back into this program's
// entries of GlobalSettings, forgets every open file and stops the storage
// engine if it was started (which closes any fileblock still open). Runs
// once per OlStartup; later calls, and the exit handler after it, do
// nothing.
void OlShutdown();

}  // namespace oltoma::ol
