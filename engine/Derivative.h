// Symbolic differentiation: "Türev Al". The input is read as bracket terms of
// factors of operands; each level is derived by the combination rule and the
// outer-function rule, and the work lists keep every intermediate text.
#pragma once

#include <string>
#include <string_view>

#include "engine/Preparation.h"
#include "engine/Splitting.h"
#include "engine/WorkArea.h"

namespace velsira {

class Derivative {
 public:
  Derivative(WorkArea& w, Preparation& prep, Splitting& split) : w_(w), prep_(prep), split_(split) {}

  // "Türev Al": prepares Form1.Memo1, derives it factor by factor and term by
  // term, and writes the tidied derivative into Form1.Memo2. Raises
  // "İfadeyi köşeli parantez içine yazınız, ..." when there is no bracket
  // term, the unread-text error, the unknown-name error and the conversion
  // errors; the result box then stays empty.
  void Button1Click();

  // The derivative of factor index of the current term, whose argument has
  // been split into Memo7 (operands) and Memo1 (operators); its name is line
  // index of Memo2.
  std::string DeriveFactor(long index, std::string_view argument);

  // The derivative of bracket term index, from the factor derivatives in
  // Memo13, the factors in Memo2/Memo8/Memo12 and the prefix in Memo5.
  std::string DeriveTerm(long index, std::string_view term);

  // The derivative of the whole input, from the term derivatives in Memo14,
  // the prefixes and terms in Memo5/Memo6 and the operators in Memo9.
  std::string AssembleDerivative();

 private:
  // Refuses "*" or "/" as the last join of a level, with nothing after it.
  static void checkLastJoin(std::string_view op);
  // Refuses, in the factor cut of one term, a function with nothing in its
  // parentheses, an empty factor joined by "*" or "/", and a last "*" or "/".
  static void checkFactors(const TForm2& f);

  WorkArea& w_;
  Preparation& prep_;
  Splitting& split_;
};

}  // namespace velsira
