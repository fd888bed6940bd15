#include "base/settings/program_name.h"

namespace oltoma {

ShortString<10> ProgramName("kvarnix");

}  // namespace oltoma
