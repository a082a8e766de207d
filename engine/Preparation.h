// Input preparation: unit coefficients, the constants pi and e, numeric
// powers, and the tidying of derivative and integral results.
#pragma once

#include <string>
#include <string_view>

#include "engine/WorkArea.h"

namespace velsira {

class Preparation {
 public:
  explicit Preparation(WorkArea& w) : w_(w) {}

  // Writes "1" before every x that follows an operator or "(" in Form1.Memo1.
  void InsertUnitCoefficients();
  // Writes pi and e that follow an operator or "(" as numbers in Form1.Memo1.
  void SubstituteConstants();
  // Replaces each number directly before the superscript character c by its
  // n-th power in Form1.Memo1.
  void ExpandSuperscript(int n, char c);
  // Replaces each base "^" exponent of numbers by its value in Form1.Memo1.
  void ExpandPowers();
  // flag is "1" when s is a plain number (digits, "," and "pi"), else "0".
  static void ConstantFlag(std::string_view s, std::string& flag);
  // Turns "(+(" into "((" and unit coefficients "1x" into "x" in Form1.Memo2.
  void TidyResult();

  // The same rewrites on a text, for the drivers that work on copies.
  static bool isConstantText(std::string_view s);
  // Whether an operand of an argument stands for a constant: blanks and tabs
  // around it aside, a plain number, a run of numbers and the constants "pi"
  // and "e" («2e», «epi»), or a number text such as «2,5E2».
  static bool isConstantOperand(std::string_view s);
  static std::string insertUnitCoefficients(std::string_view t);
  static std::string substituteConstants(std::string_view t);
  static std::string expandSuperscript(std::string_view t, int n, char c);
  static std::string expandPowers(std::string_view t);
  static std::string tidyResult(std::string_view t);

 private:
  // Writes a rewritten text back into the input box; an unchanged text leaves
  // the box (and its caret) alone.
  void writeInput(const std::string& t);

  WorkArea& w_;
};

}  // namespace velsira
