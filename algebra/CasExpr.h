// GiNaC expressions of x for the answer layer: reading plain ASCII texts,
// the angle unit of numeric values, a bound on symbolic work, and deciding
// whether two expressions are equal (symbolically where GiNaC can, else at
// sample points).
#pragma once

#include <ginac/ginac.h>

#include <optional>
#include <string>
#include <string_view>

namespace velsira::algebra {

enum class AngleUnit;  // of Answer.h

// The one variable of every expression.
const GiNaC::symbol& VarX();

// Reads a plain ASCII text (x, pi, + - * / ^, the plain function names, cot, sec, csc, acot,
// coth, acoth, ln, log10, log2) into an expression; throws std::exception when it cannot.
// In degrees and grads the circular and hyperbolic functions take their argument in the
// unit and the inverse functions give their result in it, as the program's values do.
GiNaC::ex ParsePlain(std::string_view plain, AngleUnit unit);

// How many nodes e's tree has, counted up to limit (limit + 1 when more).
std::size_t NodeCount(const GiNaC::ex& e, std::size_t limit);

// Whether e's derivative stays small enough to build and compare quickly (a product of
// hundreds of factors or functions nested forty deep do not).
bool DerivativeIsSmall(const GiNaC::ex& e);

// Whether expanding and normalising e stays within a small size; larger expressions are
// only printed as they are and compared at sample points.
bool SymbolicWorkIsCheap(const GiNaC::ex& e);

// The real value of a constant expression, or nullopt where it is undefined, not real or
// not finite.
std::optional<long double> RealValue(const GiNaC::ex& e);

// Where two expressions of x were compared.
struct Comparison {
  enum class Verdict { Equal, Different, Undecided, TooLarge } verdict;
  double at = 0;         // Different: the x where they differ
  long double left = 0;  // Different: the two values there
  long double right = 0;
  int points = 0;  // Equal by sampling: how many points agreed (0: symbolically)
};

// Compares a and b as functions of x: symbolically when cheap, else at sample points
// inside both domains; expressions of more than 20,000 nodes are not compared.
Comparison Compare(const GiNaC::ex& a, const GiNaC::ex& b);

// Whether two values agree within the rounding of the engine's number texts.
bool ValuesAgree(long double a, long double b);

}  // namespace velsira::algebra
