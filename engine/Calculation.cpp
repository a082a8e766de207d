// Numeric evaluation (being built).
#include "engine/Calculation.h"

#include "engine/Errors.h"

namespace velsira {

void Calculation::Button6Click() { throw EngineError("Calculation is not built yet"); }
void Calculation::Button24Click() { throw EngineError("Calculation is not built yet"); }
void Calculation::EvaluateAt(const std::string&, std::string&) { throw EngineError("Calculation is not built yet"); }

}  // namespace velsira
