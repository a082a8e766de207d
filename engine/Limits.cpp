// Limits (being built).
#include "engine/Limits.h"

#include "engine/Errors.h"

namespace velsira {

void Limits::Button17Click() { throw EngineError("Limits are not built yet"); }
void Limits::Button18Click() { throw EngineError("Limits are not built yet"); }

}  // namespace velsira
