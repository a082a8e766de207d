// Pieces shared by the conversion's writers: the table of function names,
// the flattening of sums and products, number texts and the messages.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "algebra/Conversion.h"
#include "algebra/Tree.h"

namespace velsira::algebra::conversion {

// A term of a sum with its sign.
struct SignedTerm {
  bool negative;
  const Tree* tree;
};

// A product as its sign, the factors above the line and those below.
struct Product {
  bool negative = false;
  std::vector<const Tree*> over;
  std::vector<const Tree*> under;
};

// The terms of a sum, signs of Sub and Neg folded in.
std::vector<SignedTerm> SumTerms(const Tree& t);
// The factors of a product; a power with a negated exponent goes below the
// line as the power with the plain exponent, kept in storage.
Product ProductOf(const Tree& t, std::deque<Tree>& storage);

// Whether t holds the variable x.
bool HasX(const Tree& t);
// The engine's number text of a number's digits: decimal comma, no
// exponent. ConversionError for a number too long to write out.
std::string EngineNumber(const std::string& digits);
// Whether t is a number written without a sign or an exponent.
bool IsPlainNumber(const Tree& t);
// Whether the digits are a whole number.
bool IsWhole(const std::string& digits);

// A function application as the program writes it: the name before the
// parenthesis or bracket and the tree inside.
struct Application {
  std::string name;
  const Tree* argument;
};
// t as an application that op's syntax has a name for (a Call, a power with
// a number exponent «Kuvvet3», a number to a power «Üstel2», e to a power).
std::optional<Application> ApplicationOf(const Tree& t, Operation op);

// Whether op writes the numbers of the engine's calculation (Calc, At,
// Roots, Plot).
bool IsNumeric(Operation op);

// The messages.
enum class Problem { NotHeld, HasX, Equation, Limit, NoPoint, NotLinear, NotQuadratic, TooLongNumber, IntegralForm };
// Throws ConversionError for problem; part is the piece that cannot be
// written (shown as plain text).
[[noreturn]] void Refuse(Problem problem, Operation op, const Tree* part = nullptr);

}  // namespace velsira::algebra::conversion
