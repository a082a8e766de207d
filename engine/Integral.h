// Symbolic integration: "İntegral Al". The input is read as a sum of factors,
// each a parenthesised polynomial or an elementary function of a linear
// argument, and integrated factor by factor into text.
#pragma once

#include <string>
#include <string_view>

#include "engine/Preparation.h"
#include "engine/Splitting.h"
#include "engine/WorkArea.h"

namespace velsira {

class Integral {
 public:
  Integral(WorkArea& w, Preparation& prep, Splitting& split) : w_(w), prep_(prep), split_(split) {}

  // "İntegral Al": writes the integral of Form1.Memo1, ending in "+c", into
  // Form1.Memo2. Shows one warning per "[" or "]" and one per "*" or "/".
  void Button4Click();

  // The integral of factor index (its name in Memo2, its operands and
  // operators in Memo7 and Memo1) whose argument is argument. Raises
  // "'%s' için integral kuralı yok" for a name without a rule and
  // "'%s' fonksiyonunun içi doğrusal değil; ..." for an argument that is not
  // linear.
  std::string IntegrateTerm(long index, std::string_view argument);

  // The integral table for one operand or one function name: «3x²» gives
  // «(3x³)/3», "Sin" gives "-Cos", a number n gives "nx", a text matching no
  // rule the empty text. Raises the integer conversion error for a
  // coefficient or exponent that is not an integer.
  static std::string IntegrateFactor(std::string_view s);

 private:
  WorkArea& w_;
  Preparation& prep_;
  Splitting& split_;
};

}  // namespace velsira
