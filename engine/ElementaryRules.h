// The elementary derivative rules: the derivative of one monomial, one number
// or one function name, as a text.
#pragma once

#include <string>
#include <string_view>

namespace velsira {

// The derivative text of s with respect to x: «3x²» gives «6x», «2x^4» gives
// «8x^3», "Sin" gives "Cos", a plain number gives "0", a text matching no rule
// the empty text. Raises the conversion error for a malformed coefficient or
// exponent.
std::string DeriveElementary(std::string_view s);

// Whether s is one of the names of the elementary name table ("Sin", "Cos",
// "Tan", "Cot", "Sinh", "Cosh", "Tanh", "Coth", "x").
bool IsElementaryName(std::string_view s);

}  // namespace velsira
