// The independent check of an engine answer with GiNaC: a derivative
// against GiNaC's derivative of the input, an integral by differentiating
// it, a value by GiNaC's numeric value in the angle unit, roots by
// substitution.
#pragma once

#include <ginac/ginac.h>

#include <optional>

#include "algebra/Answer.h"
#include "algebra/AnswerText.h"

namespace velsira::algebra {

// Whether found is the derivative of input.
CheckOutcome CheckDerivative(const GiNaC::ex& input, const GiNaC::ex& found);

// Whether the derivative of found is input (found: the integral without its constant).
CheckOutcome CheckIntegral(const GiNaC::ex& input, const GiNaC::ex& found);

// Whether value is the value of input (read in the angle unit of the value), at x = at
// when given.
CheckOutcome CheckValue(const GiNaC::ex& input, long double value, std::optional<long double> at);

// Whether the roots are roots of input; quadratic roots are rounded to three decimals
// and must also be all its real roots.
CheckOutcome CheckRoots(const GiNaC::ex& input, const RootList& roots, bool quadratic);

}  // namespace velsira::algebra
