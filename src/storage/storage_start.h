// Starting the storage engine at program start.
#pragma once

#include <span>
#include <string>

namespace oltoma::storage {

// Chooses locking mode 2 when any command-line parameter, upper-cased with
// the Swedish case mapping, contains "/NET" (else mode 0) and calls
// InitIsam with 200 page buffers. On failure returns false and sets
// `startFailureMessage` to the start failure text (Windows-1252, at most 160
// characters) for the caller to show with message code 201.
bool InitStorageEngine(std::span<const std::string> parameters, std::string& startFailureMessage);

// The start failure text for the current engine status.
std::string StartFailureMessage();

inline constexpr int kStartPageBuffers = 200;
inline constexpr int kStartFailureMessageCode = 201;

}  // namespace oltoma::storage
