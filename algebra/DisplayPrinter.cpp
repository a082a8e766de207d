// The simplified form and the display and plain printers: one printer per
// style over GiNaC's tree, one function per kind of node.
#include "algebra/DisplayPrinter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <optional>
#include <sstream>
#include <tuple>
#include <vector>

#include "algebra/CasExpr.h"

namespace velsira::algebra {
namespace {

using GiNaC::ex;
using GiNaC::is_a;
using GiNaC::numeric;

const numeric& AsNumber(const ex& e) { return GiNaC::ex_to<numeric>(e); }

bool IsXPower(const ex& e) {
  return e.is_equal(VarX()) || (is_a<GiNaC::power>(e) && e.op(0).is_equal(VarX()));
}

// The power of x that a term carries as a factor (x²·Cos(x): 2).
long XPower(const ex& term) {
  if (term.is_equal(VarX())) return 1;
  if (is_a<GiNaC::power>(term) && term.op(0).is_equal(VarX()) && is_a<numeric>(term.op(1)) &&
      AsNumber(term.op(1)).is_integer())
    return AsNumber(term.op(1)).to_long();
  long n = 0;
  if (is_a<GiNaC::mul>(term))
    for (const ex& f : term) n += XPower(f);
  return n;
}

// How many terms of a sum carry a negative number.
size_t NegativeTerms(const ex& sum) {
  size_t n = 0;
  for (const ex& t : sum) {
    ex number = is_a<numeric>(t) ? t : ex(1);
    if (is_a<GiNaC::mul>(t))
      for (const ex& f : t)
        if (is_a<numeric>(f)) number = f;
    if (AsNumber(number).is_negative()) ++n;
  }
  return n;
}

// Whether a product shows the number before e joined to it («2x», «3x²»).
bool JoinsNumber(const ex& e) {
  return e.is_equal(VarX()) || e.is_equal(GiNaC::Pi) ||
         (is_a<GiNaC::power>(e) && e.op(0).is_equal(VarX()) && is_a<numeric>(e.op(1)) &&
          AsNumber(e.op(1)).is_pos_integer());
}

// The order of factors in a product: numbers, constants, powers of x, functions, the rest.
int FactorRank(const ex& f) {
  if (is_a<numeric>(f)) return 0;
  if (!f.has(VarX())) return 1;
  if (IsXPower(f)) return 2;
  const ex& base = is_a<GiNaC::power>(f) ? f.op(0) : f;
  return is_a<GiNaC::function>(base) ? 3 : 4;
}

// What orders terms of the same kind and power of x, alike in both styles: the
// names of the functions, bases and constants a term is made of, without their
// arguments («sin», «expx», «^x»), so that the key stays short.
std::string ShapeKey(const ex& e) {
  if (is_a<GiNaC::function>(e)) return GiNaC::ex_to<GiNaC::function>(e).get_name();
  if (is_a<GiNaC::power>(e)) return ShapeKey(e.op(0)) + "^" + ShapeKey(e.op(1));
  if (is_a<GiNaC::mul>(e)) {
    std::vector<std::string> keys;
    for (const ex& f : e) keys.push_back(ShapeKey(f));
    std::sort(keys.begin(), keys.end());
    std::string key;
    for (const std::string& k : keys) key += k;
    return key;
  }
  if (is_a<GiNaC::symbol>(e)) return "x";
  if (is_a<GiNaC::constant>(e)) return "pi";
  return is_a<GiNaC::add>(e) ? "(" : "";
}

// A part of a sum or product with what orders it. GiNaC's own order of the
// parts changes from run to run, so the parts are ordered by their keys and,
// where the keys tie, by their plain text, printed only then.
struct Part {
  std::tuple<int, long, std::string> key;
  ex part;
  mutable std::optional<std::string> plain;
};

void SortParts(std::vector<Part>& parts) {
  std::stable_sort(parts.begin(), parts.end(), [](const Part& a, const Part& b) {
    if (a.key != b.key) return a.key < b.key;
    if (!a.plain) a.plain = PrintPlain(a.part);
    if (!b.plain) b.plain = PrintPlain(b.part);
    return *a.plain < *b.plain;
  });
}

// Everything both styles share: the order of terms and factors, signs and fractions.
class Printer {
 public:
  virtual ~Printer() = default;

  // e printed in this style.
  std::string Print(const ex& e) const {
    if (is_a<GiNaC::add>(e)) return PrintAdd(e);
    if (is_a<GiNaC::mul>(e)) return PrintMul(e);
    if (is_a<GiNaC::power>(e)) return PrintPower(e);
    if (is_a<GiNaC::function>(e)) return PrintFunction(e);
    if (is_a<numeric>(e)) return PrintNumber(AsNumber(e));
    if (is_a<GiNaC::constant>(e)) return e.is_equal(GiNaC::Pi) ? "pi" : Streamed(e);
    return Streamed(e);  // the symbol x
  }

 protected:
  virtual std::string Plus() const = 0;
  virtual std::string Minus() const = 0;
  // The sign between a factor already printed and the next one.
  virtual std::string Times(const ex& left, const ex& right) const = 0;
  virtual std::string PrintPower(const ex& e) const = 0;
  virtual std::string PrintFunction(const ex& e) const = 0;
  virtual std::string PrintFloat(long double v) const = 0;

  static std::string Streamed(const ex& e) {
    std::ostringstream out;
    out << e;
    return out.str();
  }

  std::string PrintNumber(const numeric& n) const {
    if (n.is_rational()) return Streamed(n);
    return PrintFloat(n.to_double());
  }

  // A part of a larger expression, in parentheses when it is a sum or product.
  std::string Grouped(const ex& e) const {
    std::string s = Print(e);
    bool compound = is_a<GiNaC::add>(e) || is_a<GiNaC::mul>(e) ||
                    (is_a<numeric>(e) && (!AsNumber(e).is_integer() || AsNumber(e) < 0));
    return compound ? "(" + s + ")" : s;
  }

  // Terms by descending power of x: the polynomial terms first, then the others.
  std::string PrintAdd(const ex& e) const {
    std::vector<Part> terms;
    for (const ex& t : e) {
      bool poly = t.is_polynomial(VarX());
      long k = XPower(t);
      terms.push_back({{poly ? 0 : 1, poly ? -k : k, ShapeKey(t)}, t, std::nullopt});
    }
    SortParts(terms);
    std::string out;
    for (const Part& term : terms) {
      std::string text = Print(term.part);
      bool negative = !text.empty() && text[0] == '-';
      if (out.empty())
        out = text;
      else
        out += negative ? Minus() + text.substr(1) : Plus() + text;
    }
    return out;
  }

  // The factors of one side of a fraction in their order, the number first unless it is 1.
  std::string JoinFactors(const numeric& coefficient, const std::vector<ex>& unordered) const {
    std::vector<Part> parts;
    for (const ex& f : unordered) parts.push_back({{FactorRank(f), 0, ShapeKey(f)}, f, std::nullopt});
    SortParts(parts);
    std::vector<ex> factors;
    if (coefficient != 1 || parts.empty()) factors.push_back(coefficient);
    for (const Part& p : parts) factors.push_back(p.part);
    if (factors.size() == 1) return Print(factors[0]);
    std::string out;
    for (size_t i = 0; i < factors.size(); ++i) {
      if (i > 0) out += Times(factors[i - 1], factors[i]);
      // A sum among other factors keeps its parentheses: «2·(x + 1)».
      out += is_a<GiNaC::add>(factors[i]) ? "(" + Print(factors[i]) + ")" : Print(factors[i]);
    }
    return out;
  }

  // A product as one fraction: the factors with negative exponents below the line.
  std::string PrintMul(const ex& e) const {
    numeric coefficient = 1;
    std::vector<ex> above, below;
    for (const ex& f : e) {
      if (is_a<numeric>(f))
        coefficient *= AsNumber(f);
      else if (is_a<GiNaC::power>(f) && is_a<numeric>(f.op(1)) && AsNumber(f.op(1)).is_negative())
        below.push_back(GiNaC::pow(f.op(0), -f.op(1)));
      else
        above.push_back(f);
    }
    // A sign before one sum goes into it when that writes no more minus
    // signs: «(1 - ln(x))/x²», not «-(-1 + ln(x))/x²»; «-(x³ + x - 1)» stays.
    if (coefficient == -1 && above.size() == 1 && is_a<GiNaC::add>(above[0])) {
      const ex negated = (-above[0]).expand();
      if (is_a<GiNaC::add>(negated) && NegativeTerms(negated) <= NegativeTerms(above[0])) {
        above[0] = negated;
        coefficient = 1;
      }
    }
    std::string sign = coefficient.is_negative() ? "-" : "";
    coefficient = GiNaC::abs(coefficient);
    numeric top = coefficient.is_rational() ? coefficient.numer() : coefficient;
    numeric bottom = coefficient.is_rational() ? coefficient.denom() : numeric(1);
    std::string numerator = JoinFactors(top, above);
    if (below.empty() && bottom == 1) return sign + numerator;
    if (above.size() == 1 && top == 1 && is_a<GiNaC::add>(above[0])) numerator = "(" + numerator + ")";
    bool oneBelow = (below.size() == 1 && bottom == 1 && !is_a<GiNaC::add>(below[0])) || (below.empty());
    std::string denominator = JoinFactors(bottom, below);
    return sign + numerator + "/" + (oneBelow ? denominator : "(" + denominator + ")");
  }
};

const char* const kSuperscripts[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};

std::string Superscript(long n) {
  std::string digits = std::to_string(n), out;
  for (char c : digits) out += kSuperscripts[c - '0'];
  return out;
}

// The program's display style.
class DisplayStyle : public Printer {
 protected:
  std::string Plus() const override { return " + "; }
  std::string Minus() const override { return " - "; }
  std::string PrintFloat(long double v) const override { return FormatNumber(v, true); }

  std::string Times(const ex& left, const ex& right) const override {
    bool implicit = is_a<numeric>(left) && JoinsNumber(right);
    return implicit ? "" : "·";
  }

  std::string PrintPower(const ex& e) const override {
    const ex& base = e.op(0);
    const ex& exponent = e.op(1);
    std::string b = is_a<GiNaC::power>(base) ? "(" + Print(base) + ")" : Grouped(base);
    if (!is_a<numeric>(exponent)) {
      if (is_a<numeric>(base) && AsNumber(base).is_pos_integer())
        return "Üstel" + Print(base) + "(" + Print(exponent) + ")";
      return b + "^(" + Print(exponent) + ")";
    }
    const numeric& n = AsNumber(exponent);
    if (n.is_negative()) return "1/" + Print(GiNaC::pow(base, -exponent));
    if (n.is_integer()) return b + Superscript(n.to_long());
    if (n.is_rational()) {
      long q = n.denom().to_long(), p = n.numer().to_long();
      std::string root = (q == 2 ? "Kök(" : "Kök" + std::to_string(q) + "(") + Print(base) + ")";
      return p == 1 ? root : root + Superscript(p);
    }
    return b + "^" + PrintFloat(n.to_double());
  }

  std::string PrintFunction(const ex& e) const override {
    static const std::map<std::string, std::string> names = {
        {"sin", "Sin"},     {"cos", "Cos"},       {"tan", "Tan"},       {"asin", "ArcSin"},
        {"acos", "ArcCos"}, {"atan", "ArcTan"},   {"sinh", "Sinh"},     {"cosh", "Cosh"},
        {"tanh", "Tanh"},   {"asinh", "ArcSinh"}, {"acosh", "ArcCosh"}, {"atanh", "ArcTanh"},
        {"log", "ln"}};
    const std::string name = GiNaC::ex_to<GiNaC::function>(e).get_name();
    if (name == "exp") {
      const ex& u = e.op(0);
      if (is_a<numeric>(u) && AsNumber(u).is_pos_integer())
        return u.is_equal(1) ? "e" : "e" + Superscript(AsNumber(u).to_long());
      return u.is_equal(VarX()) ? "e^x" : "e^(" + Print(u) + ")";
    }
    if (name == "abs") return "|" + Print(e.op(0)) + "|";
    auto found = names.find(name);
    std::string out = (found != names.end() ? found->second : name) + "(";
    for (size_t i = 0; i < e.nops(); ++i) out += (i ? "; " : "") + Print(e.op(i));
    return out + ")";
  }
};

// Plain ASCII.
class PlainStyle : public Printer {
 protected:
  std::string Plus() const override { return "+"; }
  std::string Minus() const override { return "-"; }
  std::string Times(const ex&, const ex&) const override { return "*"; }
  std::string PrintFloat(long double v) const override { return FormatNumber(v, false); }

  std::string PrintPower(const ex& e) const override {
    const ex& base = e.op(0);
    const ex& exponent = e.op(1);
    std::string b = is_a<GiNaC::power>(base) ? "(" + Print(base) + ")" : Grouped(base);
    if (is_a<numeric>(exponent) && AsNumber(exponent).is_negative())
      return "1/" + Print(GiNaC::pow(base, -exponent));
    if (exponent.is_equal(GiNaC::numeric(1, 2))) return "sqrt(" + Print(base) + ")";
    bool simple =
        exponent.is_equal(VarX()) || (is_a<numeric>(exponent) && AsNumber(exponent).is_pos_integer());
    return b + "^" + (simple ? Print(exponent) : "(" + Print(exponent) + ")");
  }

  std::string PrintFunction(const ex& e) const override {
    std::string out = GiNaC::ex_to<GiNaC::function>(e).get_name() + "(";
    for (size_t i = 0; i < e.nops(); ++i) out += (i ? "," : "") + Print(e.op(i));
    return out + ")";
  }
};

}  // namespace

namespace {

// e as one fraction: numerator and denominator expanded, a number below a
// sum divided into it. Expanding can multiply out a large form; the one GiNaC
// built is kept then.
ex NormalForm(const ex& e) {
  ex parts = e.normal().numer_denom();
  ex top = parts.op(0).expand();
  ex bottom = parts.op(1).expand();
  ex simple = is_a<numeric>(bottom) ? (top / bottom).expand() : top / bottom;
  constexpr std::size_t kGrowth = 4, kSlack = 60;
  std::size_t before = NodeCount(e, kGrowth * 4000);
  return NodeCount(simple, kGrowth * before + kSlack) > kGrowth * before + kSlack ? e : simple;
}

// The smallest of e and its normal forms after sin² + cos² = 1 (and
// cosh² - sinh² = 1) is used each way: (Cos(x)² + Sin(x)²)/Cos(x)² becomes
// 1/Cos(x)².
ex WithSquaresJoined(const ex& e) {
  const ex w = GiNaC::wild();
  if (!e.has(GiNaC::sin(w)) && !e.has(GiNaC::cos(w)) && !e.has(GiNaC::sinh(w)) && !e.has(GiNaC::cosh(w)))
    return e;
  const ex rules[] = {
      GiNaC::pow(GiNaC::sin(w), 2) == 1 - GiNaC::pow(GiNaC::cos(w), 2),
      GiNaC::pow(GiNaC::cos(w), 2) == 1 - GiNaC::pow(GiNaC::sin(w), 2),
      GiNaC::pow(GiNaC::sinh(w), 2) == GiNaC::pow(GiNaC::cosh(w), 2) - 1,
      GiNaC::pow(GiNaC::cosh(w), 2) == 1 + GiNaC::pow(GiNaC::sinh(w), 2),
  };
  constexpr std::size_t kLimit = 100000;
  ex best = e;
  std::size_t bestSize = NodeCount(e, kLimit);
  for (const ex& rule : rules) {
    const ex candidate = NormalForm(e.subs(rule, GiNaC::subs_options::algebraic));
    const std::size_t size = NodeCount(candidate, kLimit);
    if (size < bestSize) {
      best = candidate;
      bestSize = size;
    }
  }
  return best;
}

}  // namespace

GiNaC::ex Simplified(const GiNaC::ex& e) {
  if (!SymbolicWorkIsCheap(e)) return e;
  // normal() brings the arguments of functions into normal form too.
  return WithSquaresJoined(NormalForm(e));
}

std::string PrintDisplay(const GiNaC::ex& e) { return DisplayStyle().Print(e); }

std::string PrintPlain(const GiNaC::ex& e) { return PlainStyle().Print(e); }

std::string FormatNumber(long double value, bool display) {
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  if (value == 0) return "0";
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.15Lg", value);
  std::string text = buffer, out;
  size_t e = text.find('e');
  std::string mantissa = text.substr(0, e);
  for (char c : mantissa) out += (c == '.' && display) ? ',' : c;
  if (e == std::string::npos) return out;
  std::string exponent = text.substr(e + 1);
  bool negative = exponent[0] == '-';
  exponent.erase(0, exponent.find_first_not_of("+-0"));
  return out + (display ? "E" : "e") + (negative ? "-" : "") + exponent;
}

}  // namespace velsira::algebra
