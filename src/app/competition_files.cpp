#include "app/competition_files.h"

#include "base/settings_state.h"

namespace oltoma {

void NoCompetitionFiles::ReopenCompetition() {
    // No competition register, so the remembered competition cannot exist.
    WorkingGlobalSettings().currentNumber = 0;
}

}  // namespace oltoma
