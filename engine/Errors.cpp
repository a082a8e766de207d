// Error texts of the engine, thrown from one place per kind.
#include "engine/Errors.h"

#include <cmath>

namespace velsira {

void raiseNotFloat(std::string_view text) {
  throw EngineError("'" + std::string(text) + "' is not a valid floating point value");
}

void raiseNotInteger(std::string_view text) {
  throw EngineError("'" + std::string(text) + "' is not a valid integer value");
}

void raiseInvalidOperation() { throw EngineError("Invalid floating point operation"); }

void raiseDivisionByZero() { throw EngineError("Floating point division by zero"); }

void raiseOverflow() { throw EngineError("Floating point overflow"); }

void raiseIntegerDivisionByZero() { throw EngineError("Division by zero"); }

void raiseIntegerOverflow() { throw EngineError("Integer overflow"); }

std::string presentError(std::string_view text) {
  std::string shown(text);
  if (!shown.empty() && static_cast<unsigned char>(shown.back()) > static_cast<unsigned char>('.'))
    shown += '.';
  return shown;
}

long double checked(long double v) {
  if (std::isnan(v)) raiseInvalidOperation();
  if (std::isinf(v)) raiseOverflow();
  return v;
}

}  // namespace velsira
