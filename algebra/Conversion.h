// The conversion of a reading into the syntax of one operation of the
// program: bracket terms for the derivative, the calculations, the roots and
// the plot; factors joined by + and - for the integral; «[(ax²+bx+c)]» for
// the quadratic; «lim(Mx+B)» and «x=a» for Limit and Delta-Epsilon. A
// reading the syntax cannot hold is refused, never written as another
// expression; rewrites that keep the value are fine («2x+3» → «[(2x+3)]»,
// «x sin(x)» → «[(x)*Sin(x)]», «-sin(x)» → «[(0)]-[Sin(x)]»).
#pragma once

#include <stdexcept>
#include <optional>
#include <string>
#include <string_view>

#include "algebra/Tree.h"

namespace velsira::algebra {

enum class Operation { Derive, Integrate, Calc, At, Quadratic, Roots, Plot, DeltaEpsilon, Limit };

// The operation that the program's operation called name ("derive",
// "integrate", "calc", "at", "quadratic", "roots", "plot", "delta-epsilon",
// "limit") converts into; nullopt for an operation that reads no input.
std::optional<Operation> OperationNamed(std::string_view name);

// A reading the operation's syntax cannot hold. what() is the Turkish
// message in UTF-8 saying which part cannot be written.
class ConversionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The UTF-8 text of tree in op's syntax (lines separated by "\n");
// ConversionError when that syntax cannot hold it.
std::string ToProgramSyntax(const Tree& tree, Operation op);

// The button of op as the window names it («Türev Al»...).
std::string_view OperationName(Operation op);

// The program's name of a function for op («sin» → «Sin», «log» base 2 →
// «log2»); empty when op's syntax has no name for it.
std::string ProgramName(const Tree& call, Operation op);

}  // namespace velsira::algebra
