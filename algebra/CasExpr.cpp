// GiNaC expressions of x: the plain reader with the program's extra
// function names, the angle unit, the size bound and the comparison.
#include "algebra/CasExpr.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <set>

#include "algebra/Answer.h"

namespace velsira::algebra {
namespace {

using GiNaC::ex;
using GiNaC::exvector;

// The factor that turns an angle in the unit into radians.
template <AngleUnit U>
ex ToRadian() {
  if constexpr (U == AngleUnit::Degree)
    return GiNaC::Pi / 180;
  else if constexpr (U == AngleUnit::Grad)
    return GiNaC::Pi / 200;
  else
    return 1;
}

// The readers of the functions whose meaning depends on the angle unit: the
// circular and hyperbolic functions take their argument in the unit, the
// inverse functions give their result in it, as "Bilimsel Hesaplama" does.
// GiNaC's parser tells its own functions from ours by the lowest bit of the
// pointer, so ours must sit at even addresses.
#define VELSIRA_READER(NAME, BODY)                          \
  template <AngleUnit U>                                    \
  __attribute__((aligned(16))) ex NAME(const exvector& a) { \
    const ex k = ToRadian<U>();                             \
    return BODY;                                            \
  }
VELSIRA_READER(ReadSin, GiNaC::sin(a[0] * k))
VELSIRA_READER(ReadCos, GiNaC::cos(a[0] * k))
VELSIRA_READER(ReadTan, GiNaC::tan(a[0] * k))
VELSIRA_READER(ReadCot, 1 / GiNaC::tan(a[0] * k))
VELSIRA_READER(ReadSec, 1 / GiNaC::cos(a[0] * k))
VELSIRA_READER(ReadCsc, 1 / GiNaC::sin(a[0] * k))
VELSIRA_READER(ReadSinh, GiNaC::sinh(a[0] * k))
VELSIRA_READER(ReadCosh, GiNaC::cosh(a[0] * k))
VELSIRA_READER(ReadTanh, GiNaC::tanh(a[0] * k))
VELSIRA_READER(ReadCoth, 1 / GiNaC::tanh(a[0] * k))
VELSIRA_READER(ReadAsin, GiNaC::asin(a[0]) / k)
VELSIRA_READER(ReadAcos, GiNaC::acos(a[0]) / k)
VELSIRA_READER(ReadAtan, GiNaC::atan(a[0]) / k)
// The program's arccot is π/2 at 0 and arctan(1/x) elsewhere, negative for negative x.
VELSIRA_READER(ReadAcot, (a[0].is_zero() ? GiNaC::Pi / 2 : GiNaC::atan(1 / a[0])) / k)
VELSIRA_READER(ReadAsinh, GiNaC::asinh(a[0]) / k)
VELSIRA_READER(ReadAcosh, GiNaC::acosh(a[0]) / k)
VELSIRA_READER(ReadAtanh, GiNaC::atanh(a[0]) / k)
VELSIRA_READER(ReadAcoth, GiNaC::atanh(1 / a[0]) / k)
VELSIRA_READER(ReadLn, GiNaC::log(a[0]))
VELSIRA_READER(ReadLog10, GiNaC::log(a[0]) / GiNaC::log(ex(10)))
VELSIRA_READER(ReadLog2, GiNaC::log(a[0]) / GiNaC::log(ex(2)))
#undef VELSIRA_READER

template <AngleUnit U>
const GiNaC::prototype_table& FunctionTable() {
  static const GiNaC::prototype_table table = [] {
    // Only the functions the plain texts name: GiNaC's others (factorial, zeta, ...) could
    // make one answer take long.
    static const std::set<std::string> kept = {"exp", "log", "sqrt", "abs", "pow"};
    GiNaC::prototype_table t;
    for (const auto& [prototype, reader] : GiNaC::get_default_reader())
      if (kept.count(prototype.first) != 0) t.emplace(prototype, reader);
    const std::pair<const char*, GiNaC::reader_func> rows[] = {
        {"sin", ReadSin<U>},     {"cos", ReadCos<U>},     {"tan", ReadTan<U>},     {"cot", ReadCot<U>},
        {"sec", ReadSec<U>},     {"csc", ReadCsc<U>},     {"sinh", ReadSinh<U>},   {"cosh", ReadCosh<U>},
        {"tanh", ReadTanh<U>},   {"coth", ReadCoth<U>},   {"asin", ReadAsin<U>},   {"acos", ReadAcos<U>},
        {"atan", ReadAtan<U>},   {"acot", ReadAcot<U>},   {"asinh", ReadAsinh<U>}, {"acosh", ReadAcosh<U>},
        {"atanh", ReadAtanh<U>}, {"acoth", ReadAcoth<U>}, {"ln", ReadLn<U>},       {"log10", ReadLog10<U>},
        {"log2", ReadLog2<U>}};
    for (const auto& [name, reader] : rows) t[{name, 1}] = reader;
    return t;
  }();
  return table;
}

const GiNaC::prototype_table& FunctionTableOf(AngleUnit unit) {
  switch (unit) {
    case AngleUnit::Degree:
      return FunctionTable<AngleUnit::Degree>();
    case AngleUnit::Grad:
      return FunctionTable<AngleUnit::Grad>();
    case AngleUnit::Radian:
      break;
  }
  return FunctionTable<AngleUnit::Radian>();
}

bool IsNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

size_t SkipBlanks(std::string_view s, size_t i) {
  while (i < s.size() && s[i] == ' ') ++i;
  return i;
}

// Index after the parenthesis that closes the one at i (or the end of s).
size_t AfterGroup(std::string_view s, size_t i) {
  int depth = 0;
  for (; i < s.size(); ++i) {
    if (s[i] == '(') ++depth;
    if (s[i] == ')' && --depth == 0) return i + 1;
  }
  return s.size();
}

// Index after one operand at power level starting at i: signs, a number, a
// name with its call, or a group, followed by any "^" operands.
size_t AfterPowerOperand(std::string_view s, size_t i) {
  i = SkipBlanks(s, i);
  while (i < s.size() && (s[i] == '-' || s[i] == '+')) i = SkipBlanks(s, i + 1);
  if (i < s.size() && s[i] == '(') {
    i = AfterGroup(s, i);
  } else if (i < s.size() && (std::isdigit(static_cast<unsigned char>(s[i])) || s[i] == '.')) {
    while (i < s.size() && (std::isdigit(static_cast<unsigned char>(s[i])) || s[i] == '.')) ++i;
    if (i + 1 < s.size() && (s[i] == 'e' || s[i] == 'E') &&
        (std::isdigit(static_cast<unsigned char>(s[i + 1])) || s[i + 1] == '-' || s[i + 1] == '+')) {
      i += 2;
      while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i;
    }
  } else {
    while (i < s.size() && IsNameChar(s[i])) ++i;
    size_t j = SkipBlanks(s, i);
    if (j < s.size() && s[j] == '(') i = AfterGroup(s, j);
  }
  size_t j = SkipBlanks(s, i);
  return j < s.size() && s[j] == '^' ? AfterPowerOperand(s, j + 1) : i;
}

// GiNaC's parser reads a sign after "*", "/" or "^" as the sign of all that
// follows ("3*-2+1" as 3*(-(2+1))); the signed operand is put in parentheses
// so that it reads as one operand.
std::string GroupSignedOperands(std::string_view s) {
  std::string out;
  for (size_t i = 0; i < s.size(); ++i) {
    out += s[i];
    if (s[i] != '*' && s[i] != '/' && s[i] != '^') continue;
    size_t j = SkipBlanks(s, i + 1);
    if (j >= s.size() || (s[j] != '-' && s[j] != '+')) continue;
    size_t end = AfterPowerOperand(s, j);
    out += '(' + GroupSignedOperands(s.substr(j, end - j)) + ')';
    i = end - 1;
  }
  return out;
}

// A whole-number exponent of six digits or more is read as a decimal number,
// so that GiNaC does not compute a number such as 2^1000000000 exactly.
std::string DecimalLargeExponents(std::string_view s) {
  std::string out;
  for (size_t i = 0; i < s.size(); ++i) {
    out += s[i];
    if (s[i] != '^') continue;
    size_t j = SkipBlanks(s, i + 1);
    while (j < s.size() && (s[j] == '(' || s[j] == '-' || s[j] == '+' || s[j] == ' ')) ++j;
    size_t end = j;
    while (end < s.size() && std::isdigit(static_cast<unsigned char>(s[end]))) ++end;
    bool whole = end == s.size() || (s[end] != '.' && s[end] != 'e' && s[end] != 'E');
    if (end - j < 6 || !whole) continue;
    out += std::string(s.substr(i + 1, end - i - 1)) + ".0";
    i = end - 1;
  }
  return out;
}

// GiNaC's parser hands a call without arguments («sin()») to the reader of
// the one-argument function, which would read past its arguments; such a
// call is refused first.
void RefuseEmptyCalls(std::string_view s) {
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] != '(' || i == 0) continue;
    size_t before = s.find_last_not_of(' ', i - 1);
    bool called = before != std::string_view::npos && IsNameChar(s[before]);
    size_t after = SkipBlanks(s, i + 1);
    if (called && after < s.size() && s[after] == ')')
      throw std::invalid_argument("a function without an argument at column " + std::to_string(i + 1));
  }
}

// e^u as exp(u), so that it prints and differentiates as the exponential.
ex ExponentialPowers(const ex& e) {
  ex mapped = e.map([](const ex& sub) { return ExponentialPowers(sub); });
  if (GiNaC::is_a<GiNaC::power>(mapped) && mapped.op(0).is_equal(GiNaC::exp(ex(1))))
    return GiNaC::exp(mapped.op(1));
  return mapped;
}

// A rough count of the terms expanding e would give, capped at the limit.
double ExpandedTerms(const ex& e, double limit) {
  if (GiNaC::is_a<GiNaC::add>(e) || GiNaC::is_a<GiNaC::mul>(e)) {
    bool sum = GiNaC::is_a<GiNaC::add>(e);
    double n = sum ? 0 : 1;
    for (const ex& op : e) {
      double k = ExpandedTerms(op, limit);
      n = sum ? n + k : n * k;
      if (n > limit) return limit + 1;
    }
    return n;
  }
  if (GiNaC::is_a<GiNaC::power>(e)) {
    const ex& exponent = e.op(1);
    double base = ExpandedTerms(e.op(0), limit);
    if (!GiNaC::is_a<GiNaC::numeric>(exponent)) return base;
    double k = std::fabs(GiNaC::ex_to<GiNaC::numeric>(exponent).to_double());
    return k > 64 && base > 1 ? limit + 1 : std::min(limit + 1, std::pow(base, std::max(1.0, k)));
  }
  if (GiNaC::is_a<GiNaC::function>(e)) {
    for (const ex& op : e)
      if (ExpandedTerms(op, limit) > limit) return limit + 1;
  }
  return 1;
}

// How deeply function calls nest in e, counted up to the limit.
int FunctionDepth(const ex& e, int limit) {
  int deepest = 0;
  for (const ex& op : e) {
    deepest = std::max(deepest, FunctionDepth(op, limit));
    if (deepest > limit) break;
  }
  return GiNaC::is_a<GiNaC::function>(e) ? deepest + 1 : deepest;
}

// The x of the sample points: inside the usual domains, away from 0 and the
// whole numbers, where the functions of the program have their special values.
constexpr std::array<double, 14> kSamplePoints = {0.37,  1.23, -0.61, 2.47,  -1.39, 0.83, 3.19,
                                                  -2.71, 0.59, 5.13,  -4.29, 1.71,  0.13, 7.77};
// The largest expression that is evaluated at the sample points.
constexpr std::size_t kSampledNodeLimit = 20000;
// How many sample points must agree when GiNaC cannot decide symbolically.
constexpr int kAgreeingPoints = 4;

}  // namespace

const GiNaC::symbol& VarX() {
  static const GiNaC::realsymbol x("x");
  return x;
}

GiNaC::ex ParsePlain(std::string_view plain, AngleUnit unit) {
  GiNaC::symtab symbols;
  symbols["x"] = VarX();
  symbols["pi"] = GiNaC::Pi;
  symbols["e"] = GiNaC::exp(ex(1));
  RefuseEmptyCalls(plain);
  GiNaC::parser reader(symbols, true, FunctionTableOf(unit));
  return ExponentialPowers(reader(GroupSignedOperands(DecimalLargeExponents(plain))));
}

std::size_t NodeCount(const GiNaC::ex& e, std::size_t limit) {
  std::size_t n = 1;
  for (const ex& op : e) {
    n += NodeCount(op, limit);
    if (n > limit) return limit + 1;
  }
  return n;
}

// A rough count of the nodes of e's derivative, capped at the limit: a product
// of k factors gives k products.
double DerivativeNodes(const ex& e, double limit) {
  if (e.nops() == 0) return 1;
  double n = 0;
  if (GiNaC::is_a<GiNaC::mul>(e))
    n = static_cast<double>(e.nops()) * NodeCount(e, limit);
  else if (!GiNaC::is_a<GiNaC::add>(e))
    n = NodeCount(e, limit);
  for (const ex& op : e) {
    n += DerivativeNodes(op, limit);
    if (n > limit) return limit + 1;
  }
  return n;
}

bool DerivativeIsSmall(const GiNaC::ex& e) {
  constexpr double kNodeLimit = 20000;
  constexpr int kDepthLimit = 40;
  return FunctionDepth(e, kDepthLimit) <= kDepthLimit && DerivativeNodes(e, kNodeLimit) <= kNodeLimit;
}

bool SymbolicWorkIsCheap(const GiNaC::ex& e) {
  // GiNaC's normal form slows down steeply with the nesting of functions and the size.
  constexpr double kTermLimit = 400;
  constexpr std::size_t kNodeLimit = 600;
  constexpr int kDepthLimit = 6;
  return NodeCount(e, kNodeLimit) <= kNodeLimit && FunctionDepth(e, kDepthLimit) <= kDepthLimit &&
         ExpandedTerms(e, kTermLimit) <= kTermLimit;
}

std::optional<long double> RealValue(const GiNaC::ex& e) {
  try {
    ex v = e.evalf();
    if (!GiNaC::is_a<GiNaC::numeric>(v)) return std::nullopt;
    const auto& n = GiNaC::ex_to<GiNaC::numeric>(v);
    if (!n.is_real()) {
      // Rounding can leave a vanishing imaginary part on a real value.
      if (std::fabs(GiNaC::imag(n).to_double()) > 1e-15 * (1 + std::fabs(GiNaC::real(n).to_double())))
        return std::nullopt;
    }
    long double d = GiNaC::real(n).to_double();
    if (!std::isfinite(d)) return std::nullopt;
    return d;
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

bool ValuesAgree(long double a, long double b) {
  long double scale = std::max({1.0L, std::fabs(a), std::fabs(b)});
  return std::fabs(a - b) <= 1e-9L * scale;
}

Comparison Compare(const GiNaC::ex& a, const GiNaC::ex& b) {
  if (NodeCount(a, kSampledNodeLimit) > kSampledNodeLimit ||
      NodeCount(b, kSampledNodeLimit) > kSampledNodeLimit)
    return {Comparison::Verdict::TooLarge};
  if (SymbolicWorkIsCheap(a) && SymbolicWorkIsCheap(b)) {
    ex d = (a - b).expand();
    if (d.is_zero() || (SymbolicWorkIsCheap(d) && d.normal().is_zero())) return {Comparison::Verdict::Equal};
  }
  int agreeing = 0;
  for (double p : kSamplePoints) {
    GiNaC::exmap at{{VarX(), GiNaC::numeric(p)}};
    std::optional<long double> left, right;
    try {
      left = RealValue(a.subs(at));
      right = RealValue(b.subs(at));
    } catch (const std::exception&) {
      continue;  // a pole or a point outside a domain
    }
    if (!left || !right) continue;
    if (!ValuesAgree(*left, *right)) return {Comparison::Verdict::Different, p, *left, *right};
    ++agreeing;
  }
  if (agreeing < kAgreeingPoints) return {Comparison::Verdict::Undecided, 0, 0, 0, agreeing};
  return {Comparison::Verdict::Equal, 0, 0, 0, agreeing};
}

}  // namespace velsira::algebra
