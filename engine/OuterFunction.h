// The outer-function rule of the derivative: the chain rule for the name
// written before a factor's "(" or a bracket term's "[", as rows of text
// templates.
#pragma once

#include <string>
#include <string_view>

namespace velsira {

// The derivative of name(u) given the inner derivative a of u: for example
// "Sin" with u "1x" and a "(1)" gives «(1)*(Cos(1x))», the empty name gives a.
// A name that is a plain number c gives c + "*" + a; a number typed before a
// known name («2Sin») multiplies that name's text. Raises
// "'%s' için türev kuralı yok" for a name no row knows, and the conversion
// error for a power or root whose degree is not a number («KuvvetN»).
std::string ApplyOuterFunction(std::string_view name, std::string_view u, std::string_view a);

// Whether the outer-function rule knows name (it then raises no
// unknown-name error for it).
bool IsKnownOuterName(std::string_view name);

}  // namespace velsira
