// Symbolic integration (being built).
#include "engine/Integral.h"

#include "engine/Errors.h"

namespace velsira {

void Integral::Button4Click() { throw EngineError("Integral is not built yet"); }

}  // namespace velsira
