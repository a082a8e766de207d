// The simplified form of an expression and its two printed styles: the
// program's display style (superscripts, the pad's Turkish names, decimal
// comma, "2x" and "x·Cos(x)") and plain ASCII that GiNaC's parser and the
// usual computer algebra readers take back.
#pragma once

#include <ginac/ginac.h>

#include <string>

namespace velsira::algebra {

// Rational normal form: one fraction when the denominator holds x, else an expanded sum
// with numeric denominators kept on their terms. Large expressions come back as they are.
GiNaC::ex Simplified(const GiNaC::ex& e);

// e in the display style, UTF-8 («2x + Cos(x)», «Sin(x) + x·Cos(x)», «(x + 1)/x²»).
std::string PrintDisplay(const GiNaC::ex& e);

// e in plain ASCII («2*x+cos(x)», «sqrt(x)», «log(x)», «pi», «exp(x)»).
std::string PrintPlain(const GiNaC::ex& e);

// A value as the engine writes numbers: 15 significant digits, no trailing zeros, exponent
// form below 0,0001 and from 1E15; with a decimal comma and "E" for display, a point and
// "e" for plain.
std::string FormatNumber(long double value, bool display);

}  // namespace velsira::algebra
