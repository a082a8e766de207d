// Reading and converting a request's input for its operation.
#include "batch/OrdinaryNotation.h"

#include "algebra/Conversion.h"
#include "algebra/Reader.h"

namespace velsira {

bool ReadsInput(std::string_view op) { return algebra::OperationNamed(op).has_value(); }

NotationOutcome ConvertForOp(std::string_view op, std::string_view utf8) {
  const std::optional<algebra::Operation> operation = algebra::OperationNamed(op);
  if (!operation) return {std::nullopt, "'" + std::string(op) + "' has no input to read"};
  try {
    return {algebra::ToProgramSyntax(algebra::Read(utf8), *operation), {}};
  } catch (const algebra::ReadError& e) {
    return {std::nullopt, e.what()};
  } catch (const algebra::ConversionError& e) {
    return {std::nullopt, e.what()};
  }
}

}  // namespace velsira
