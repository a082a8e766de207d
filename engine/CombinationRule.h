// The combination rule of the derivative: the sum, product and quotient
// rules written as text templates, shared by the operand, factor and bracket
// term levels.
#pragma once

#include <functional>
#include <string>

namespace velsira {

// One item of a combined sequence: its source text T, its derivative text D
// and the operator written after it (empty after the last item).
struct CombinationItem {
  std::string source;
  std::string derivative;
  std::string op;
};

// Combines the derivatives of n items joined by operators into
// "(" + sum contributions + product texts + quotient texts + ")".
// item(k) gives item k for 0 <= k <= n; item n is the one after the last,
// formed from what the work lists read past their end, and is asked for only
// when the last item is followed by "*" or "/". The operator before item 0
// reads as the empty text.
//
// Sum pass: every item next to no "*" or "/" contributes its operator before
// it and D. Chains (maximal runs of two or more items joined by "*" or "/"):
// a product of two gives "+D(j)*T(j+1)+D(j+1)*T(j)" in the product pass, a
// quotient of two "+(D(j)*T(j+1)-D(j+1)*T(j))/(T(j+1))²" in the quotient
// pass; a chain of three or more gives one nested text in the product pass.
// After a "-" a chain's text starts with "-" (and a product's middle "+"
// becomes "-").
std::string CombineDerivatives(long n, const std::function<CombinationItem(long)>& item);

}  // namespace velsira
