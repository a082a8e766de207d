// A model file that includes only from below.
#include "model/Right.h"
#include "engine/Text.h"
#include "worklists/WorkList.h"
