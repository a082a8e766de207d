// Symbolic integration. The driver warns about brackets and products, checks
// that every character of the input belongs to a factor, cuts the input into
// factors and joins their integrals; IntegrateFactor is the table of
// elementary integrals, applied step by step with later matches winning.
#include "engine/Integral.h"

#include <array>
#include <optional>

#include "engine/Cp1254.h"
#include "engine/ElementaryRules.h"
#include "engine/Errors.h"
#include "engine/NumberText.h"
#include "engine/OuterFunction.h"
#include "engine/Text.h"

namespace velsira {
namespace {

// Shown once for every "[" or "]" of the input.
constexpr std::string_view kBracketWarning = "İntegral hesabı yaptırırken,köşeli parantez kullanmayınız..."_cp;
// Shown once for every "*" or "/" of the input.
constexpr std::string_view kProductWarning =
    "Bu program çarpımlı ya da bölümlü ifadelerin intagralini alamaz..."_cp;

// The most times one warning is shown by one operation.
constexpr long kWarningLimit = 10;

struct NameRow {
  std::string_view name;
  std::string_view integral;
};

// The integrals of the function names; a name is written before the
// parenthesised argument, so "-Cos(x)" reads as minus the cosine.
constexpr std::array<NameRow, 9> kNameTable = {{
    {"Sin", "-Cos"},
    {"Cos", "Sin"},
    {"Tan", "-lnCos"},
    {"Cot", "lnSin"},
    {"Sinh", "Cosh"},
    {"Cosh", "Sinh"},
    {"Tanh", "lnCosh"},
    {"Coth", "lnSinh"},
    {"x", "x²/2"_cp},
}};

// Whether name is one of the function names of the table.
bool isFunctionName(std::string_view name) {
  if (name == "x") return false;
  for (const auto& row : kNameTable)
    if (row.name == name) return true;
  return false;
}

// Splits a name such as «2Sin» or «0,5Cos» into its number text and its table
// name; nullopt when name is not a number text followed by a table name.
std::optional<std::pair<std::string_view, std::string_view>> splitNumberPrefix(std::string_view name) {
  size_t end = 0;
  while (end < name.size() && isNumberChar(name[end])) ++end;
  if (end == 0) return std::nullopt;
  const std::string_view number = name.substr(0, end);
  const std::string_view function = name.substr(end);
  long double unused;
  if (!isFunctionName(function) || !TryTextToFloat(number, unused)) return std::nullopt;
  return std::make_pair(number, function);
}

// A derivative text that is a number, as the derivative of a linear operand is.
bool isPlainNumber(std::string_view derivative) {
  long double unused;
  return !derivative.empty() && TryTextToFloat(derivative, unused);
}

// "'%s' için integral kuralı yok": a factor name the table does not know.
[[noreturn]] void raiseNoRule(std::string_view name) {
  raiseMessage(Message::NoIntegralRule, name);
}

// "'%s' fonksiyonunun içi doğrusal değil; integrali alınamaz": the argument
// of a function is not linear, so dividing by its derivative is wrong.
[[noreturn]] void raiseNotLinear(std::string_view name) {
  raiseMessage(Message::NotLinearInside, name);
}

}  // namespace

std::string Integral::IntegrateFactor(std::string_view s) {
  std::string result;
  const size_t len = s.size();
  // The coefficient before the x at 0-based index p, as an integer text.
  auto coefficient = [&](size_t p) { return IntToText(TextToInt(s.substr(0, p))); };
  // 1. A power with a caret: the exponent is the whole run of digits and ","
  //    after the "^", read as an integer.
  for (size_t p = 0; p + 1 < len; ++p) {
    if (s[p] != 'x' || s[p + 1] != '^') continue;
    const std::string c = coefficient(p);
    size_t end = p + 2;
    while (end < len && isNumberChar(s[end])) ++end;
    const std::string m = IntToText(static_cast<long long>(TextToInt(s.substr(p + 2, end - p - 2))) + 1);
    result = "(" + c + "x^" + m + ")/" + m;
  }
  // 2. Cube.
  for (size_t p = 0; p + 1 < len; ++p)
    if (s[p] == 'x' && s[p + 1] == kCube) result = "(" + coefficient(p) + "x^4)/4";
  // 3. Square.
  for (size_t p = 0; p + 1 < len; ++p)
    if (s[p] == 'x' && s[p + 1] == kSquare) result = "(" + coefficient(p) + "x" + kCube + ")/3";
  // 4. A first power with a coefficient.
  if (len >= 2 && s[len - 1] == 'x') result = "(" + coefficient(len - 1) + "x" + kSquare + ")/2";
  // 5. Name table.
  for (const auto& row : kNameTable)
    if (row.name == s) result = std::string(row.integral);
  // 6. Constant.
  if (!s.empty() && Preparation::isConstantText(s)) result = std::string(s) + "x";
  return result;
}

namespace {

// An operand without the blanks and tabs around it: they belong to no number.
std::string_view trimBlanks(std::string_view s) {
  const size_t first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// The operator written between two operand integrals for the operators that
// stand between them with empty operands in between: a run of signs folds
// into one («+-» is "-", «--» is "+"), after an optional "*" or "/". Two
// products or quotients in a row are refused by name.
std::string foldOperators(std::string_view run) {
  size_t i = 0;
  std::string out;
  if (i < run.size() && (run[i] == '*' || run[i] == '/')) out += run[i++];
  bool negative = false;
  bool sign = false;
  for (; i < run.size(); ++i) {
    if (run[i] == '*' || run[i] == '/') Splitting::RaiseUnread(run);
    sign = true;
    if (run[i] == '-') negative = !negative;
  }
  if (sign && (negative || out.empty())) out += negative ? '-' : '+';
  return out;
}

}  // namespace

std::string Integral::IntegrateTerm(long index, std::string_view argument) {
  TForm2& f = w_.Form2;
  const std::string name = f.Memo2.get(index);
  const long n = f.Memo7.count();
  std::string result;
  if (name.empty()) {
    // A parenthesised polynomial: the operand integrals joined by the
    // operators. An empty operand is a sign, joined with the operators
    // around it; an empty last operand after a sign adds nothing.
    std::string pending;
    for (long k = 0; k < n; ++k) {
      pending += f.Memo1.get(k - 1);
      const std::string_view operand = trimBlanks(f.Memo7.get(k));
      if (operand.empty()) continue;
      std::string integral = IntegrateFactor(operand);
      if (integral.empty()) {
        // A constant the table does not list («e», «2e»), or no operand at all.
        if (!Preparation::isConstantOperand(operand)) Splitting::RaiseUnread(f.Memo7.get(k));
        integral = std::string(operand) + "x";
      }
      const std::string joint = foldOperators(pending);
      // A product or quotient needs an operand on both sides.
      if (result.empty() && !joint.empty() && (joint[0] == '*' || joint[0] == '/')) Splitting::RaiseUnread(pending);
      result += joint + integral;
      checkTextLength(result.size());
      pending.clear();
    }
    if (pending.find_first_of("*/") != std::string::npos) Splitting::RaiseUnread(pending);
    return result;
  }
  // A function of an argument, possibly with a number written before its
  // name; an argument of blanks alone is none.
  if (argument.find_first_not_of(" \t") == std::string_view::npos)
    raiseEmptyArgument(name + "(" + std::string(argument) + ")");
  std::string_view number;
  std::string_view function = name;
  const bool tableName = isFunctionName(name);
  const auto prefixed = tableName ? std::nullopt : splitNumberPrefix(name);
  if (prefixed) {
    number = prefixed->first;
    function = prefixed->second;
  }
  // A function of a constant argument is a constant: its integral is that
  // constant times x, whatever the function.
  bool constant = true;
  for (long k = 0; k < n && constant; ++k) constant = Preparation::isConstantOperand(f.Memo7.get(k));
  if (constant) {
    if (!tableName && !prefixed) {
      if (!IsKnownOuterName(name)) raiseNoRule(name);
      ApplyOuterFunction(name, argument, "0");  // a power or root whose degree is no number fails here
    }
    return "x*" + name + "(" + std::string(argument) + ")";
  }
  if (!tableName && !prefixed) raiseNoRule(name);
  // Otherwise divide by the derivative of the argument, which must be linear.
  if (argument.find_first_of("*/") != std::string_view::npos) raiseNotLinear(name);
  std::string slope;
  for (long k = 0; k < n; ++k) {
    const std::string& operand = f.Memo7.get(k);
    std::string derivative = DeriveElementary(operand);
    if (derivative.empty() && Preparation::isConstantOperand(operand)) derivative = "0";
    if (!isPlainNumber(derivative)) raiseNotLinear(name);
    slope += f.Memo1.get(k - 1) + derivative;
  }
  result = "1/(" + slope + ")*" + IntegrateFactor(function) + "(" + std::string(argument) + ")";
  if (!number.empty()) result = std::string(number) + "*" + result;
  return result;
}

void Integral::Button4Click() {
  w_.ClearResults();
  Splitting::CheckAfterVariable(w_.Memo1.Text());
  prep_.InsertUnitCoefficients();
  const std::string text = w_.Memo1.Text();
  // Each warning is shown once for every character that calls for it, up to
  // kWarningLimit times: a pasted text must not open a million boxes.
  long brackets = 0, products = 0;
  for (char ch : text) {
    if ((ch == '[' || ch == ']') && brackets < kWarningLimit) ++brackets;
    if ((ch == '*' || ch == '/') && products < kWarningLimit) ++products;
  }
  for (long k = 0; k < brackets; ++k) w_.ui.messages.ShowMessage(std::string(kBracketWarning));
  for (long k = 0; k < products; ++k) w_.ui.messages.ShowMessage(std::string(kProductWarning));
  // Every character must belong to a factor or be the operator after one;
  // anything else would silently drop out of the integral.
  Splitting::CheckAllRead(text, '(', ')');

  TForm2& f = w_.Form2;
  split_.SplitFactors(text);
  const long factors = f.Memo8.count();
  for (long i = 0; i < factors; ++i) {
    f.Memo1.clear();
    f.Memo7.clear();
    const std::string argument = f.Memo8.get(i);
    split_.SplitOperands(argument);
    f.Memo13.add(IntegrateTerm(i, argument));
  }

  std::string joined;
  const long lines = f.Memo13.count();
  for (long k = 0; k < lines; ++k) {
    const std::string& before = f.Memo12.get(k - 1);
    const std::string& integral = f.Memo13.get(k);
    // A minus before a polynomial of several operands applies to all of its
    // integral, so that integral is written in parentheses.
    const std::string& argument = f.Memo8.get(k);
    const bool group = before == "-" && f.Memo2.get(k).empty() &&
                       argument.find_first_of("+-*/") != std::string::npos;
    // An integral that begins with its own sign needs no "+" before it.
    const bool signed_ = !integral.empty() && (integral[0] == '-' || integral[0] == '+');
    if (integral.empty()) continue;  // an empty factor «()» adds nothing, nor its operator
    if (group) joined += before + "(" + integral + ")";
    else if (before == "+" && (signed_ || joined.empty())) joined += integral;
    else joined += before + integral;
    checkTextLength(joined.size() + 2);
  }
  // A product or quotient has no integral here: the warning said so, and the
  // result box stays as after a failure. What could not be read has been
  // named above all the same.
  if (products > 0) return;
  w_.Memo2.SetText(joined + "+c");
  prep_.TidyResult();
}

}  // namespace velsira
