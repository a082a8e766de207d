// The arithmetic reduction: summand lines of pair values, the merge of
// product chains, and the sum.
#include "engine/Reduction.h"

#include <cmath>
#include <limits>

#include "engine/Arithmetic.h"
#include "engine/Errors.h"
#include "engine/NumberText.h"

namespace velsira {
namespace {

bool isProductOperator(std::string_view op) { return op == "*" || op == "/"; }

// A number text read into double precision: beyond its range it is an
// overflow.
double readDouble(std::string_view text) {
  const double d = static_cast<double>(TextToFloat(text));
  if (std::isinf(d)) raiseOverflow();
  return d;
}

double toDouble(long double v) {
  const double d = static_cast<double>(v);
  if (std::isinf(d)) raiseOverflow();
  return d;
}

constexpr double kNoPair = std::numeric_limits<double>::quiet_NaN();

}  // namespace

double Reduction::MultiplyPair(std::string_view op, double x, double y) {
  if (op == "*") return toDouble(static_cast<long double>(x * y));
  if (y == 0) {
    if (x == 0) raiseInvalidOperation();
    raiseDivisionByZero();
  }
  return toDouble(static_cast<long double>(x / y));
}

void Reduction::MergeProductChains() {
  // Each continuation line is merged into the line kept before it and
  // leaves the list. The merged values are number texts, which the list's
  // sign reduction leaves as they are, so the list is compacted in one pass.
  std::vector<std::string>& lines = w_.Form2.Memo13.reducedLines();
  size_t kept = lines.empty() ? 0 : 1;  // lines[0, kept) stay; the last of them is the one merged into
  for (size_t j = 1; j < lines.size(); ++j) {
    const std::string& line = lines[j];
    const PairOperands pair = j < pairs_.size() ? pairs_[j] : PairOperands{kNoPair, kNoPair};
    const double first = pair.first;
    if (line.empty() || !isProductOperator(std::string_view(line).substr(0, 1)) || std::isnan(first)) {
      if (kept != j) lines[kept] = std::move(lines[j]);
      ++kept;
      continue;
    }
    // x_k o x_(k+1) divided by x_k leaves the factor the chain gains. Where
    // x_k is 0 that quotient is 0 / 0, and the chain gains x_(k+1) itself (or
    // its reciprocal): «2*0*3» is 0, not a fault.
    const long double v = TextToFloat(std::string_view(line).substr(1));
    const long double before = TextToFloat(lines[kept - 1]);
    long double gained;
    if (first != 0)
      gained = Divide(v, first);
    else
      gained = line[0] == '*' ? static_cast<long double>(pair.second) : Divide(1, pair.second);
    const double merged = toDouble(Multiply(before, gained));
    lines[kept - 1] = FloatToText(merged);
  }
  lines.resize(kept);
}

long double Reduction::Reduce() {
  TForm2& f = w_.Form2;
  const WorkList& operands = f.Memo15;
  const WorkList& operators = f.Memo1;
  WorkList& lines = f.Memo13;
  pairs_.clear();

  // Step 1: one summand line per lone operand and per pair.
  const long n = operands.count();
  for (long i = 0; i < n; ++i) {
    const std::string& op = operators.get(i);
    const std::string& opBefore = operators.get(i - 1);
    if (isProductOperator(op)) {
      const double x = readDouble(operands.get(i));
      const double y = readDouble(operands.get(i + 1));
      line_.assign(opBefore);
      AppendFloatText(MultiplyPair(op, x, y), line_);
      lines.add(line_);
      pairs_.push_back({x, y});
    } else if (!isProductOperator(opBefore)) {
      line_.assign(opBefore);
      line_ += operands.get(i);
      lines.add(line_);
      pairs_.push_back({kNoPair, kNoPair});
    }
  }

  // Step 2.
  MergeProductChains();

  // Step 3: every line in double precision, the sum in extended precision.
  long double sum = 0;
  for (const std::string& line : lines.lines())
    if (!line.empty()) sum = Add(sum, readDouble(line));
  return sum;
}

void Reduction::ReduceToNumber(std::string& result) {
  const long double v = Reduce();
  result.clear();
  AppendFloatText(v, result);
}

void Reduction::ReduceAndApply(long index, const WorkList& names, std::string& result) {
  const long double v = Reduce();
  const std::string& name = names.get(index);
  if (name.empty()) {
    result.clear();
    AppendFloatText(v, result);
  } else {
    argument_.clear();
    AppendFloatText(v, argument_);
    evaluator_.EvaluateFunction(name, argument_, result);
  }
}

}  // namespace velsira
