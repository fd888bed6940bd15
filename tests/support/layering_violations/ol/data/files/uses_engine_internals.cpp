// The engine's internals outside storage/.
#include "storage/internal/page_cache.h"
