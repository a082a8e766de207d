// The function evaluator: the numeric value of one function application, a
// function name and a plain number argument, in the angle unit of the
// checked radio button. It is the only place where names get a numeric
// meaning.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/WorkArea.h"

namespace velsira {

class Evaluator {
 public:
  explicit Evaluator(WorkArea& w) : w_(w) {}

  // Writes the value of the function Name at Argument into Result, rounded
  // to 12 decimal places. A name may carry a leading number text, which
  // multiplies the value («2Sin»), or be a number text alone («2»). Raises
  // "'%s' tanınmayan bir fonksiyon" for a name that matches no row, and the
  // conversion, domain, division and overflow errors of the rows.
  void EvaluateFunction(std::string_view name, std::string_view argument, std::string& result) const;

  // n!/(n-r)!: the product of n-r+1 .. n, 1 when r < 1. "Integer overflow"
  // when the exact value does not fit in 64 bits.
  static int64_t PermutationCount(int64_t n, int64_t r);
  // 1 * 2 * ... * n, 1 when n <= 0. "Integer overflow" beyond 64 bits.
  static int64_t Factorial(int64_t n);
  // PermutationCount(n, r) divided by Factorial(r), exactly, also where the
  // two do not fit in 64 bits themselves. "Integer overflow" when the
  // quotient does not.
  static int64_t CombinationCount(int64_t n, int64_t r);

  // Whether some row applies to name (the rows of every angle unit count).
  static bool IsKnownName(std::string_view name);

  // The rounding step: the number text t, rounded to 12 decimal places and
  // written again as a number text.
  static std::string RoundTo12Decimals(std::string_view t);

 private:
  // Applies the rows to name in order, the last row that applies giving
  // value; false when none applies.
  bool ApplyRows(std::string_view name, std::string_view argument, long double& value) const;
  // The rounding step on the value of a number text.
  static void roundValueTo12Decimals(long double v, std::string& result);

  WorkArea& w_;
};

}  // namespace velsira
