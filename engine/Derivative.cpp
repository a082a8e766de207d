// The derivative driver and the factor and term derivatives.
#include "engine/Derivative.h"

#include "engine/CombinationRule.h"
#include "engine/ElementaryRules.h"
#include "engine/OuterFunction.h"

namespace velsira {
namespace {

constexpr char kSquare = '\xB2';
constexpr char kCube = '\xB3';

}  // namespace

void Derivative::Button1Click() {
  TForm2& f = w_.Form2;
  w_.ClearResults();

  prep_.InsertUnitCoefficients();
  prep_.SubstituteConstants();
  prep_.ExpandSuperscript(2, kSquare);
  prep_.ExpandSuperscript(3, kCube);
  prep_.ExpandPowers();

  split_.SplitBracketTerms();
  if (f.Memo6.count() == 0) Splitting::RaiseNoBracketTerm();
  Splitting::CheckAllRead(w_.Memo1.Text(), '[', ']');
  for (const std::string& term : f.Memo6.lines()) Splitting::CheckAllRead(term, '(', ')');

  f.Memo14.clear();
  const long terms = f.Memo6.count();
  for (long t = 0; t < terms; ++t) {
    f.Memo1.clear();
    f.Memo7.clear();
    split_.SplitFactors(f.Memo6.get(t));
    const long factors = f.Memo8.count();
    for (long k = 0; k < factors; ++k) {
      f.Memo1.clear();
      f.Memo7.clear();
      split_.SplitOperands(f.Memo8.get(k));
      f.Memo13.add(DeriveFactor(k, f.Memo8.get(k)));
    }
    f.Memo14.add(DeriveTerm(t, f.Memo6.get(t)));
    f.Memo13.clear();
  }

  w_.Memo2.SetText(AssembleDerivative());
  prep_.TidyResult();
}

std::string Derivative::DeriveFactor(long index, std::string_view argument) {
  const TForm2& f = w_.Form2;
  const std::string inner = CombineDerivatives(f.Memo7.count(), [&f](long k) {
    const std::string& operand = f.Memo7.get(k);
    return CombinationItem{operand, DeriveElementary(operand), f.Memo1.get(k)};
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
