// Reading and converting a request's input for its operation.
#include "batch/OrdinaryNotation.h"

#include <array>
#include <utility>

#include "algebra/Conversion.h"
#include "algebra/Reader.h"

namespace velsira {
namespace {

using algebra::Operation;

constexpr std::array<std::pair<std::string_view, Operation>, 9> kOps = {{
    {"derive", Operation::Derive},
    {"integrate", Operation::Integrate},
    {"calc", Operation::Calc},
    {"at", Operation::At},
    {"quadratic", Operation::Quadratic},
    {"roots", Operation::Roots},
    {"plot", Operation::Plot},
    {"delta-epsilon", Operation::DeltaEpsilon},
    {"limit", Operation::Limit},
}};

}  // namespace

bool ReadsInput(std::string_view op) {
  for (const auto& [name, operation] : kOps)
    if (name == op) return true;
  return false;
}

NotationOutcome ConvertForOp(std::string_view op, std::string_view utf8) {
  for (const auto& [name, operation] : kOps) {
    if (name != op) continue;
    try {
      return {algebra::ToProgramSyntax(algebra::Read(utf8), operation), {}};
    } catch (const algebra::ReadError& e) {
      return {std::nullopt, e.what()};
    } catch (const algebra::ConversionError& e) {
      return {std::nullopt, e.what()};
    }
  }
  return {std::nullopt, "'" + std::string(op) + "' has no input to read"};
}

}  // namespace velsira
