// Equation solving (being built).
#include "engine/Equations.h"

#include "engine/Errors.h"

namespace velsira {

void Equations::Button2Click() { throw EngineError("Equations are not built yet"); }
void Equations::Button39Click() { throw EngineError("Equations are not built yet"); }

}  // namespace velsira
