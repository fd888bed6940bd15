#include "base/settings/window_scale.h"

namespace oltoma {

std::int16_t WindowScale = 100;

}  // namespace oltoma
