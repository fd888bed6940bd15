// Whether the competition register OLTOMA can be used. Every other file of
// the set refers to it (a competition's number is its record number), so
// the rebuild and the backup refuse a set whose register is damaged instead
// of working on without it.
//
// The register is sound when the engine opens it (a pending journal is
// played back; the header is that of a data file, not marked as written
// without closing, and the file holds every record its header counts) and
// its records are 2364 bytes long.
#pragma once

#include <string>

namespace oltoma::ol {

enum class CompetitionRegisterState {
    sound,
    missing,  // no data file
    damaged,
};

struct CompetitionRegisterCheck {
    CompetitionRegisterState state = CompetitionRegisterState::sound;
    std::string fileName;  // "OLTOMA.DAT"
    // When damaged: the number whose message text says why (FileFailureNumber)
    // and the whole text ("OLTOMA.DAT: " + that text, Windows-1252).
    int failureNumber = 0;
    std::string failureText;
};

// Checks the register of the current data directory; needs it closed.
CompetitionRegisterCheck CheckCompetitionRegister();

}  // namespace oltoma::ol
