// The arithmetic reduction: the operand and operator lists of a flat
// arithmetic text (Memo15 and Memo1, as the splitting leaves them) reduced to
// one number through the summand lines of Memo13, "*" and "/" before "+" and
// "-".
#pragma once

#include <string>
#include <vector>

#include "engine/Evaluator.h"
#include "engine/WorkArea.h"

namespace velsira {

class Reduction {
 public:
  Reduction(WorkArea& w, const Evaluator& evaluator) : w_(w), evaluator_(evaluator) {}

  // x * y for "*", x / y for "/", in double precision. Raises "Floating point
  // division by zero", "Invalid floating point operation" (0 / 0) and
  // "Floating point overflow".
  static double MultiplyPair(std::string_view op, double x, double y);

  // Merges every continuation line of Memo13 (one that begins with "*" or
  // "/") into the line before it.
  void MergeProductChains();

  // The number text of the reduced lists.
  void ReduceToNumber(std::string& result);

  // Reduces the lists to a value v; when line index of names is not empty,
  // applies that function to v, else writes the number text of v.
  void ReduceAndApply(long index, const WorkList& names, std::string& result);

 private:
  // Steps 1 to 3: the summand lines, their merge and their sum.
  long double Reduce();

  WorkArea& w_;
  const Evaluator& evaluator_;
  // For each summand line of Memo13, the two operands of the pair it was
  // made from; first is NaN for a line made from a lone operand.
  struct PairOperands {
    double first;
    double second;
  };
  std::vector<PairOperands> pairs_;
  // A summand line and a function argument as they are composed; kept for
  // their storage.
  std::string line_, argument_;
};

}  // namespace velsira
