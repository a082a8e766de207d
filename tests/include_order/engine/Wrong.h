// An engine header that includes from the model above it.
#pragma once

#include <string>

#include "engine/Text.h"
#include "worklists/WorkForm.h"
#include "model/Form1.h"
