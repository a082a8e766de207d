// Symbolic differentiation (being built).
#include "engine/Derivative.h"

#include "engine/Errors.h"

namespace velsira {

void Derivative::Button1Click() { throw EngineError("Türev Al is not built yet"); }

}  // namespace velsira
