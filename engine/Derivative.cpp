// The derivative driver and the factor and term derivatives.
#include "engine/Derivative.h"

#include <vector>

#include "engine/CombinationRule.h"
#include "engine/Cp1254.h"
#include "engine/ElementaryRules.h"
#include "engine/Errors.h"
#include "engine/OuterFunction.h"

namespace velsira {
namespace {

}  // namespace

void Derivative::Button1Click() {
  TForm2& f = w_.Form2;
  w_.ClearResults();
  Splitting::CheckAfterVariable(w_.Memo1.Text());

  prep_.InsertUnitCoefficients();
  prep_.SubstituteConstants();
  prep_.ExpandSuperscript(2, kSquare);
  prep_.ExpandSuperscript(3, kCube);
  prep_.ExpandPowers();

  split_.SplitBracketTerms();
  if (f.Memo6.count() == 0) Splitting::RaiseNoBracketTerm();
  Splitting::CheckAllRead(w_.Memo1.Text(), '[', ']');
  for (const std::string& term : f.Memo6.lines()) Splitting::CheckAllRead(term, '(', ')');
  checkLastJoin(f.Memo9.get(f.Memo9.count() - 1));

  f.Memo14.clear();
  // Every factor and term derivative stands at least once in the result, so
  // their lengths together bound it from below.
  size_t termsWritten = 0;
  const long terms = f.Memo6.count();
  for (long t = 0; t < terms; ++t) {
    f.Memo1.clear();
    f.Memo7.clear();
    split_.SplitFactors(f.Memo6.get(t));
    checkFactors(f);
    const long factors = f.Memo8.count();
    size_t factorsWritten = 0;
    for (long k = 0; k < factors; ++k) {
      f.Memo1.clear();
      f.Memo7.clear();
      split_.SplitOperands(f.Memo8.get(k));
      std::string d = DeriveFactor(k, f.Memo8.get(k));
      checkTextLength(factorsWritten += d.size());
      f.Memo13.add(d);
    }
    std::string d = DeriveTerm(t, f.Memo6.get(t));
    checkTextLength(termsWritten += d.size());
    f.Memo14.add(d);
    f.Memo13.clear();
  }

  w_.Memo2.SetText(AssembleDerivative());
  prep_.TidyResult();
}

namespace {

// The derivative of one operand of a factor argument. An operand no rule
// reads is refused by name rather than written as an empty text; a constant
// the table does not list («2e», «2,5E2», « 3») has the derivative 0.
std::string deriveOperand(std::string_view operand) {
  std::string d = DeriveElementary(operand);
  if (d.empty()) {
    if (!Preparation::isConstantOperand(operand)) Splitting::RaiseUnread(operand);
    d = "0";
  }
  return d;
}

}  // namespace

namespace {

bool isProductOperator(std::string_view op) { return op == "*" || op == "/"; }

// An operand of blanks and tabs alone is no operand.
bool isBlank(std::string_view operand) { return operand.find_first_not_of(" \t") == std::string_view::npos; }

}  // namespace

void Derivative::checkLastJoin(std::string_view op) {
  if (isProductOperator(op)) Splitting::RaiseUnread(op);
}

void Derivative::checkFactors(const TForm2& f) {
  const long factors = f.Memo8.count();
  for (long k = 0; k < factors; ++k) {
    const std::string& name = f.Memo2.get(k);
    const std::string& argument = f.Memo8.get(k);
    const bool joinedByProduct = isProductOperator(f.Memo12.get(k)) || isProductOperator(f.Memo12.get(k - 1));
    if (isBlank(argument) && (!name.empty() || joinedByProduct)) raiseEmptyArgument(name + "(" + argument + ")");
  }
  checkLastJoin(f.Memo12.get(factors - 1));
}

namespace {

// The operand items of a factor argument for the combination rule. A sign
// written after "*" or "/" («12x/-x») belongs to the operand after it: the
// two become one item «(-1x)» with the derivative «(-1)», so the product and
// quotient texts never hold an empty operand. An operand missing next to a
// "*" or "/" («(*x)», «(x*)», «(x**2)») is refused by naming its operators.
// Signs elsewhere («(-x)», «(x+-1)») stay items of their own, each an empty
// operand with the derivative 0.
std::vector<CombinationItem> operandItems(const WorkList& operands, const WorkList& operators) {
  std::vector<CombinationItem> items;
  const long n = operands.count();
  for (long k = 0; k < n; ++k) {
    const std::string& operand = operands.get(k);
    const std::string& before = operators.get(k - 1);
    const std::string& after = operators.get(k);
    if (!isBlank(operand) || (!isProductOperator(before) && !isProductOperator(after))) {
      items.push_back({operand, deriveOperand(operand), after});
      continue;
    }
    if (isProductOperator(after) || k == n - 1) Splitting::RaiseUnread(before + after);
    // A run of signs after a "*" or "/", folded into one, then its operand.
    bool negative = false;
    std::string run = before;
    long m = k;
    while (m < n && isBlank(operands.get(m))) {
      const std::string& sign = operators.get(m);
      run += sign;
      if (m == n - 1 || isProductOperator(sign)) Splitting::RaiseUnread(run);
      if (sign == "-") negative = !negative;
      ++m;
    }
    const std::string& signed_ = operands.get(m);
    std::string d = deriveOperand(signed_);
    if (negative) items.push_back({"(-" + signed_ + ")", "(-" + d + ")", operators.get(m)});
    else items.push_back({signed_, std::move(d), operators.get(m)});
    k = m;
  }
  return items;
}

}  // namespace

std::string Derivative::DeriveFactor(long index, std::string_view argument) {
  const TForm2& f = w_.Form2;
  const std::vector<CombinationItem> items = operandItems(f.Memo7, f.Memo1);
  const std::string inner = CombineDerivatives(static_cast<long>(items.size()), [&items](long k) {
    if (k < static_cast<long>(items.size())) return items[static_cast<size_t>(k)];
    return CombinationItem{"", "0", ""};
  });
  return ApplyOuterFunction(f.Memo2.get(index), argument, inner);
}

std::string Derivative::DeriveTerm(long index, std::string_view term) {
  const TForm2& f = w_.Form2;
  const std::string inner = CombineDerivatives(f.Memo13.count(), [&f](long k) {
    return CombinationItem{f.Memo2.get(k) + "(" + f.Memo8.get(k) + ")", f.Memo13.get(k), f.Memo12.get(k)};
  });
  return ApplyOuterFunction(f.Memo5.get(index), term, inner);
}

std::string Derivative::AssembleDerivative() {
  const TForm2& f = w_.Form2;
  return CombineDerivatives(f.Memo14.count(), [&f](long k) {
    return CombinationItem{f.Memo5.get(k) + "(" + f.Memo6.get(k) + ")", f.Memo14.get(k), f.Memo9.get(k)};
  });
}

}  // namespace velsira
