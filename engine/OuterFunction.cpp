// The outer-function rule: one row per name (or name beginning), each a text
// template, applied by one routine. The first row that matches wins.
#include "engine/OuterFunction.h"

#include <array>

#include "engine/Arithmetic.h"
#include "engine/Cp1254.h"
#include "engine/ElementaryRules.h"
#include "engine/Errors.h"
#include "engine/NumberText.h"
#include "engine/Preparation.h"
#include "engine/Text.h"

namespace velsira {
namespace {

enum class Match {
  Exact,           // the name is the row's text
  Prefix,          // the name begins with the row's text
  PrefixNumber,    // the row's text followed by a number text («Kök3»)
  ElementaryName,  // a function name of the elementary table ("x" is no function)
  PlainNumber,     // a plain number such as "2" or "2pi"
};

// Template markers: %A the inner derivative, %u the argument, %N the whole
// name, %r the rest of the name after the row's text, %m the rest read as a
// number less one, %d the elementary derivative of the name.
struct OuterRow {
  Match match;
  std::string_view name;
  std::string_view text;
};

constexpr std::array<OuterRow, 24> kOuterRows = {{
    {Match::Exact, "", "%A"},
    {Match::Prefix, "log", "%A/(%u)*log%r(e)"},
    {Match::Exact, "ln", "%A/(%u)"},
    {Match::Exact, "ArcSin", "%A/Kök(1-(%u)²)"_cp},
    {Match::Exact, "ArcCos", "-%A/Kök(1-(%u)²)"_cp},
    {Match::Exact, "ArcTan", "%A/(1+(%u)²)"_cp},
    {Match::Exact, "ArcCot", "-%A/(1+(%u)²)"_cp},
    {Match::Exact, "ArcSec", "%A/(|%u|*Kök((%u)²-1))"_cp},
    {Match::Exact, "ArcCsc", "-%A/(|%u|*Kök((%u)²-1))"_cp},
    {Match::Exact, "ArcSinh", "%A/Kök((%u)²+1)"_cp},
    {Match::Exact, "ArcCosh", "%A/Kök((%u)²-1)"_cp},
    {Match::Exact, "ArcTanh", "%A/(1-(%u)²)"_cp},
    {Match::Exact, "ArcCoth", "%A/(1-(%u)²)"_cp},
    {Match::Exact, "Sec", "%A*(Sec(%u)*(Tan(%u)))"},
    {Match::Exact, "Csc", "%A*(-Csc(%u)*(Cot(%u)))"},
    {Match::Exact, "Sech", "%A*(-Sech(%u)*(Tanh(%u)))"},
    {Match::Exact, "Csch", "%A*(-Csch(%u)*(Coth(%u)))"},
    {Match::Prefix, "Kuvvet", "%r*(%u)^%m*%A"},
    {Match::Prefix, "Üstele"_cp, "e%r^(%u)*%A"},
    {Match::Prefix, "Üstel"_cp, "%r^(%u)*ln(%r)*%A"},
    {Match::Exact, "Kök"_cp, "%A/(2*Kök(%u))"_cp},
    {Match::PrefixNumber, "Kök"_cp, "%A/(%r*Kök%r(%u)^%m)"_cp},
    {Match::ElementaryName, "", "%A*(%d(%u))"},
    {Match::PlainNumber, "", "%N*%A"},
}};

bool matches(const OuterRow& row, std::string_view name) {
  switch (row.match) {
    case Match::Exact: return name == row.name;
    case Match::Prefix: return name.starts_with(row.name);
    case Match::PrefixNumber: {
      if (!name.starts_with(row.name) || name.size() == row.name.size()) return false;
      const std::string_view rest = name.substr(row.name.size());
      long double ignored;
      return rest.find_first_not_of("0123456789,") == std::string_view::npos && TryTextToFloat(rest, ignored);
    }
    case Match::ElementaryName: return name != "x" && IsElementaryName(name);
    case Match::PlainNumber: return Preparation::isConstantText(name);
  }
  return false;
}

const OuterRow* findRow(std::string_view name) {
  for (const auto& row : kOuterRows)
    if (matches(row, name)) return &row;
  return nullptr;
}

// A row that names a function, as opposed to the empty name or a number.
bool namesFunction(const OuterRow& row) {
  return row.match != Match::PlainNumber && !(row.match == Match::Exact && row.name.empty());
}

std::string applyRow(const OuterRow& row, std::string_view name, std::string_view u, std::string_view a) {
  const bool prefix = row.match == Match::Prefix || row.match == Match::PrefixNumber;
  const std::string_view rest = prefix ? name.substr(row.name.size()) : std::string_view{};
  std::string out;
  out.reserve(row.text.size() + 2 * u.size() + a.size());
  for (size_t i = 0; i < row.text.size(); ++i) {
    const char c = row.text[i];
    if (c != '%' || i + 1 == row.text.size()) {
      out += c;
      continue;
    }
    switch (row.text[++i]) {
      case 'A': out += a; break;
      case 'u': out += u; break;
      case 'N': out += name; break;
      case 'r': out += rest; break;
      case 'm': out += FloatToText(Subtract(checked(TextToFloat(rest)), 1)); break;
      case 'd': out += DeriveElementary(name); break;
      default: out += '%'; out += row.text[i]; break;
    }
  }
  return out;
}

// A number typed before a known function name («2Sin», «0,5Cos»): the whole
// leading run of digits and "," when it reads as a number and leaves a known
// name. (A shorter number would leave a name beginning with a digit or ",",
// which no function row knows.) Returns the length of the number, or 0 when
// there is none.
size_t numberPrefixLength(std::string_view name, const OuterRow*& row) {
  size_t run = 0;
  while (run < name.size() && isNumberChar(name[run])) ++run;
  long double ignored;
  if (run == 0 || !TryTextToFloat(name.substr(0, run), ignored)) return 0;
  const OuterRow* r = findRow(name.substr(run));
  if (!r || !namesFunction(*r)) return 0;
  row = r;
  return run;
}

// "'%s' için türev kuralı yok": a name for which no derivative row exists.
[[noreturn]] void raiseNoRule(std::string_view name) {
  raiseMessage(Message::NoDerivativeRule, name);
}

}  // namespace

bool IsKnownOuterName(std::string_view name) {
  if (findRow(name)) return true;
  const OuterRow* row = nullptr;
  return numberPrefixLength(name, row) > 0;
}

std::string ApplyOuterFunction(std::string_view name, std::string_view u, std::string_view a) {
  if (const OuterRow* row = findRow(name)) return applyRow(*row, name, u, a);
  const OuterRow* row = nullptr;
  const size_t len = numberPrefixLength(name, row);
  if (len == 0) raiseNoRule(name);
  return std::string(name.substr(0, len)) + "*" + applyRow(*row, name.substr(len), u, a);
}

}  // namespace velsira
