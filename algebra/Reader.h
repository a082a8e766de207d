// The reader of ordinary notation: turns what a student types («x^2+sin(x)»,
// «2x+3», «(x+1)(x-1)», «e^x», «√x»...) or the program's own syntax
// («[(x²)]+[Sin(x)]», «Kuvvet3(x)», the texts of the derivative and the
// integral) into an expression tree, and writes a tree as plain text.
//
// Reading rules:
//  - + - * / ^ with the usual precedence; ^ is right-associative and binds
//    tighter than a unary minus (-x^2 is -(x²), -2^2 is -4); the superscripts
//    ⁰-⁹ (and ⁻) are powers.
//  - A product written without a sign («2x», «3sin(x)», «x sin x»,
//    «(x+1)(x-1)», «2(x+1)», «)x») binds tighter than * and /, as the
//    program's «6/2x» does: 1/2x is 1/(2x).
//  - Function names in any letter case and as the pad writes them; a name
//    without parentheses takes the next product without signs, or the next
//    function («sin 2x» is sin(2x), «lnCos(x)» is ln(cos(x))); sin²(x) and
//    sin^2(x) are (sin x)²; log is the base-10 logarithm, log2 and logN
//    carry their base.
//  - «,» or «.» is the decimal separator; «E» (capital) starts an exponent
//    after digits; a lower-case e is Euler's number.
//  - ( ) and [ ] group alike; |u| is the absolute value.
//  - «lim(f)» and «x=a» on the next line, or «lim x→a f», read a limit;
//    one «=» reads an equation.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

#include "algebra/Tree.h"

namespace velsira::algebra {

// The longest text the reader takes, in characters.
inline constexpr std::size_t kReadLimit = 10000;
// The deepest nesting of groups, signs and exponents it takes.
inline constexpr std::size_t kDepthLimit = 200;

// A text the reader cannot read. what() is the Turkish message in UTF-8,
// naming the position and what was expected.
class ReadError : public std::runtime_error {
 public:
  ReadError(const std::string& message, std::size_t position)
      : std::runtime_error(message), position_(position) {}
  // The 1-based character position the message names.
  std::size_t position() const { return position_; }

 private:
  std::size_t position_;
};

// Reads utf8 as ordinary notation or the program's syntax; ReadError when it
// cannot.
Tree Read(std::string_view utf8);

// The tree as plain ASCII that GiNaC's parser and SymPy's sympify both read:
// "*", "^", a decimal point, pi, lower-case function names, log for the
// natural logarithm (log(x)/log(10) for the base-10 one), sqrt, exp, and
// exp(1) for e. An equation is written as its left side less its right, a
// limit as its function.
std::string PlainText(const Tree& tree);

// PlainText(Read(utf8)).
std::string PlainOf(std::string_view utf8);

}  // namespace velsira::algebra
