// "Bilimsel Hesaplama", "Yerine Yaz" and the point evaluation.
#include "engine/Calculation.h"

#include "engine/Cp1254.h"
#include "engine/Errors.h"
#include "engine/NumberText.h"
#include "engine/Text.h"

namespace velsira {
namespace {

// A value as it is written into a term, total or input text: the number
// format's digits in plain decimal notation, so that the split reads it back
// as one number.
bool hasExponent(std::string_view numberText) {
  for (const char c : numberText)
    if (c == 'E' || c == 'e') return true;
  return false;
}

void appendPlainNumber(std::string_view numberText, std::string& out) {
  if (!hasExponent(numberText)) {
    out += numberText;
    return;
  }
  AppendPlainText(TextToFloat(numberText), out);
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
  std::string& text = factorText_;
  text.clear();
  for (long j = 0; j < f.Memo8.count(); ++j) {
    SplitForReduction(f.Memo8.get(j));
    reduction_.ReduceAndApply(j, f.Memo2, factorValue_);
    text += f.Memo12.get(j - 1);
    appendPlainNumber(factorValue_, text);
  }
  termText.assign(text);
}

void Calculation::Button6Click() {
  w_.ClearResults();
  Splitting::CheckAfterVariable(w_.Memo1.Text());
  prep_.SubstituteConstants();
  prep_.ExpandSuperscript(2, kSquare);
  prep_.ExpandSuperscript(3, kCube);
  prep_.ExpandPowers();
  split_.SplitBracketTerms();

  TForm2& f = w_.Form2;
  if (f.Memo6.count() == 0) Splitting::RaiseNoBracketTerm();
  // Every character must be read before anything is evaluated, or a
  // coefficient written outside the parentheses would be dropped silently.
  split_.CheckBracketTermsRead();
  split_.CheckFactorsRead();

  std::string& total = totalText_;
  total.clear();
  for (long i = 0; i < f.Memo6.count(); ++i) {
    split_.SplitTermFactors(i);
    EvaluateFactors(termText_);
    SplitForReduction(termText_);
    reduction_.ReduceAndApply(i, f.Memo5, termValue_);
    total += f.Memo9.get(i - 1);
    appendPlainNumber(termValue_, total);
  }

  SplitForReduction(total);
  reduction_.ReduceToNumber(result_);
  w_.Memo2.SetText(result_);
}

std::string Calculation::SubstituteX(std::string_view text, std::string_view value) {
  std::string out;
  substituteXInto(text, value, false, out);
  return out;
}

void Calculation::substituteXInto(std::string_view text, std::string_view value, bool unitCoefficients,
                              std::string& out) {
  out.clear();
  size_t copied = 0;  // text before this position is in out
  for (size_t p = 0; p < text.size(); ++p) {
    if (text[p] != 'x') continue;
    out.append(text.data() + copied, p - copied);
    copied = p + 1;
    // The coefficient of x: the number characters right before it, or the
    // unit coefficient "1" written after an operator or "(".
    bool divides;
    if (unitCoefficients && p > 0 && (isOperator(text[p - 1]) || text[p - 1] == '(')) {
      out += '1';
      divides = text[p - 1] == '/';
    } else {
      size_t coefficient = p;
      while (coefficient > 0 && isNumberChar(text[coefficient - 1])) --coefficient;
      divides = coefficient < p && coefficient > 0 && text[coefficient - 1] == '/';
    }
    out += divides ? '/' : '*';
    out += value;
  }
  out.append(text.data() + copied, text.size() - copied);
}

void Calculation::EvaluateAt(const std::string& xText, std::string& result) {
  w_.ClearResults();
  savedInput_.assign(w_.Memo1.Text());
  Splitting::CheckAfterVariable(savedInput_);
  // A value in exponent form would be cut at the sign of its exponent.
  std::string_view value = xText;
  if (hasExponent(xText)) {
    xPlain_.clear();
    appendPlainNumber(xText, xPlain_);
    value = xPlain_;
  }
  try {
    // The unit coefficients and the substitution in one pass: the text with
    // the coefficients alone is never seen.
    substituteXInto(savedInput_, value, true, substituted_);
    checkTextLength(substituted_.size());
    w_.Memo1.SetText(substituted_);
    Button6Click();
    // The result box holds exactly the one line Button6Click wrote.
    result.assign(result_);
  } catch (...) {
    w_.Memo1.SetText(savedInput_);
    throw;
  }
  w_.Memo1.SetText(savedInput_);
}

void Calculation::Button24Click() {
  w_.ClearResults();
  const std::string x = FloatToPlainText(TextToFloat(w_.Edit1.Text));
  std::string result;
  EvaluateAt(x, result);
  w_.Memo2.SetText(result);
}

}  // namespace velsira
