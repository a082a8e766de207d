// "Bilimsel Hesaplama", "Yerine Yaz" and the point evaluation.
#include "engine/Calculation.h"

#include "engine/Errors.h"
#include "engine/NumberText.h"
#include "engine/Text.h"

namespace velsira {
namespace {

// A value as it is written into a term, total or input text: the number
// format's digits in plain decimal notation, so that the split reads it back
// as one number.
std::string plainNumber(const std::string& numberText) {
  if (numberText.find_first_of("Ee") == std::string::npos) return numberText;
  return FloatToPlainText(TextToFloat(numberText));
}

}  // namespace

void Calculation::SplitForReduction(std::string_view t) {
  TForm2& f = w_.Form2;
  f.Memo1.clear();
  f.Memo7.clear();
  f.Memo13.clear();
  f.Memo15.clear();
  split_.SplitOperands(t);
  split_.JoinSignedOperands();
}

void Calculation::EvaluateFactors(std::string& termText) {
  TForm2& f = w_.Form2;
  std::string text;
  std::string value;
  for (long j = 0; j < f.Memo8.count(); ++j) {
    SplitForReduction(f.Memo8.get(j));
    reduction_.ReduceAndApply(j, f.Memo2, value);
    text += f.Memo12.get(j - 1);
    text += plainNumber(value);
  }
  termText = text;
}

void Calculation::Button6Click() {
  w_.ClearResults();
  prep_.SubstituteConstants();
  prep_.ExpandSuperscript(2, '\xB2');
  prep_.ExpandSuperscript(3, '\xB3');
  prep_.ExpandPowers();
  split_.SplitBracketTerms();

  TForm2& f = w_.Form2;
  if (f.Memo6.count() == 0) Splitting::RaiseNoBracketTerm();
  // Every character must be read before anything is evaluated, or a
  // coefficient written outside the parentheses would be dropped silently.
  Splitting::CheckAllRead(w_.Memo1.Text(), '[', ']');
  for (long i = 0; i < f.Memo6.count(); ++i) Splitting::CheckAllRead(f.Memo6.get(i), '(', ')');

  std::string total;
  std::string termText;
  std::string value;
  for (long i = 0; i < f.Memo6.count(); ++i) {
    split_.SplitFactors(f.Memo6.get(i));
    EvaluateFactors(termText);
    SplitForReduction(termText);
    reduction_.ReduceAndApply(i, f.Memo5, value);
    total += f.Memo9.get(i - 1);
    total += plainNumber(value);
  }

  SplitForReduction(total);
  std::string result;
  reduction_.ReduceToNumber(result);
  w_.Memo2.SetText(result);
}

std::string Calculation::SubstituteX(std::string_view text, std::string_view value) {
  std::string out;
  out.reserve(text.size() + 8 * value.size());
  for (size_t p = 0; p < text.size(); ++p) {
    if (text[p] != 'x') {
      out += text[p];
      continue;
    }
    size_t coefficient = p;
    while (coefficient > 0 && isNumberChar(text[coefficient - 1])) --coefficient;
    const bool divides = coefficient < p && coefficient > 0 && text[coefficient - 1] == '/';
    out += divides ? '/' : '*';
    out += value;
  }
  return out;
}

void Calculation::EvaluateAt(const std::string& xText, std::string& result) {
  w_.ClearResults();
  const std::string saved = w_.Memo1.Text();
  // A value in exponent form would be cut at the sign of its exponent.
  const std::string value = xText.find_first_of("Ee") == std::string::npos ? xText : plainNumber(xText);
  try {
    prep_.InsertUnitCoefficients();
    w_.Memo1.SetText(SubstituteX(w_.Memo1.Text(), value));
    Button6Click();
    result = w_.Memo2.Text();
  } catch (...) {
    w_.Memo1.SetText(saved);
    throw;
  }
  w_.Memo1.SetText(saved);
}

void Calculation::Button24Click() {
  w_.ClearResults();
  const std::string x = FloatToPlainText(TextToFloat(w_.Edit1.Text));
  std::string result;
  EvaluateAt(x, result);
  w_.Memo2.SetText(result);
}

}  // namespace velsira
