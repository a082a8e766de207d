// Numeric evaluation: "Bilimsel Hesaplama" (the value of the input box),
// "Yerine Yaz" and EvaluateAt (its value at one x), on which the plot and the
// root scan rest.
#pragma once

#include <string>
#include <string_view>

#include "engine/Evaluator.h"
#include "engine/Preparation.h"
#include "engine/Reduction.h"
#include "engine/Splitting.h"
#include "engine/WorkArea.h"

namespace velsira {

class PointScan;

class Calculation {
 public:
  Calculation(WorkArea& w, Preparation& prep, Splitting& split)
      : w_(w), prep_(prep), split_(split), evaluator_(w), reduction_(w, evaluator_) {}

  // "Bilimsel Hesaplama": writes the value of Form1.Memo1 into Form1.Memo2.
  // The input box keeps its prepared text.
  void Button6Click();
  // "Yerine Yaz": the value of Form1.Memo1 at the number of Edit1.
  void Button24Click();
  // The value of the input at x = xText, as the text of the result box. The
  // input box gets its text back, also when the calculation fails.
  void EvaluateAt(const std::string& xText, std::string& result);

  // The term text of the bracket term SplitFactors has just cut: the value
  // of each factor joined with the operators between the factors.
  void EvaluateFactors(std::string& termText);

  // The input text with every x replaced by the value: "*" and the value, or
  // "/" and the value where the coefficient of x follows a "/".
  static std::string SubstituteX(std::string_view text, std::string_view value);

  const Evaluator& Functions() const { return evaluator_; }
  Reduction& Reducer() { return reduction_; }

 private:
  // A scan plans its points from the same substitution.
  friend class PointScan;

  // Clears the operand lists and the summand lines, then cuts t into them.
  void SplitForReduction(std::string_view t);
  // SubstituteX into out; with unitCoefficients, the unit coefficients of
  // InsertUnitCoefficients are written on the way.
  static void substituteXInto(std::string_view text, std::string_view value, bool unitCoefficients, std::string& out);

  WorkArea& w_;
  Preparation& prep_;
  Splitting& split_;
  Evaluator evaluator_;
  Reduction reduction_;

  // Texts of one calculation, kept so that their storage is reused from one
  // point evaluation to the next.
  std::string savedInput_, xPlain_, substituted_;
  std::string totalText_, termText_, termValue_, result_;
  std::string factorText_, factorValue_;
};

}  // namespace velsira
