// An upward include: records may not use the file set.
#include "ol/data/files/ol_state.h"
