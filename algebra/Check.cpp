// Checking engine answers against GiNaC: comparisons and their Turkish
// verdicts.
#include "algebra/Check.h"

#include <cmath>

#include "algebra/CasExpr.h"
#include "algebra/DisplayPrinter.h"

namespace velsira::algebra {
namespace {

using GiNaC::ex;

// An expression as a verdict quotes it: simplified, at most 120 characters.
std::string Shown(const ex& e) {
  constexpr std::size_t kShownNodes = 2000, kShownBytes = 120;
  if (NodeCount(e, kShownNodes) > kShownNodes) return "(çok uzun bir ifade)";
  std::string text = PrintDisplay(Simplified(e));
  if (text.size() <= kShownBytes) return text;
  size_t cut = kShownBytes;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;  // whole characters
  return text.substr(0, cut) + "…";
}

std::string Number(long double v) { return FormatNumber(v, true); }

CheckOutcome TooLarge() { return {CheckStatus::Unknown, "karşılaştırılamadı: ifade çok büyük"}; }

// The verdict of a comparison: what agreed, or where it differs.
CheckOutcome Verdict(const Comparison& c, const std::string& what, const std::string& difference) {
  switch (c.verdict) {
    case Comparison::Verdict::Equal:
      return {CheckStatus::Ok, c.points == 0 ? what + " GiNaC ile aynı"
                                             : what + " GiNaC ile " + std::to_string(c.points) +
                                                   " noktada sayısal olarak aynı"};
    case Comparison::Verdict::Different:
      return {CheckStatus::Wrong,
              difference + "; x = " + Number(c.at) + " için " + Number(c.left) + " ≠ " + Number(c.right)};
    case Comparison::Verdict::TooLarge:
      return TooLarge();
    case Comparison::Verdict::Undecided:
      break;
  }
  return {CheckStatus::Unknown, "karşılaştırılamadı: yeterli noktada iki tarafın da değeri yok"};
}

std::optional<long double> ValueAt(const ex& e, long double x) {
  try {
    return RealValue(e.subs(VarX() == GiNaC::numeric(static_cast<double>(x))));
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

// The size of the values that make up f(x): the sum of its terms' magnitudes.
long double ScaleAt(const ex& f, long double x) {
  long double scale = 1;
  if (!GiNaC::is_a<GiNaC::add>(f)) return std::max(scale, std::fabs(ValueAt(f, x).value_or(0)));
  for (const ex& term : f) scale += std::fabs(ValueAt(term, x).value_or(0));
  return scale;
}

// Whether r is a root of f, up to a rounding of the root by at most h.
bool IsRoot(const ex& f, long double r, long double h) {
  auto value = ValueAt(f, r);
  if (!value) return false;
  if (!DerivativeIsSmall(f)) h = 0;
  ex d1 = h > 0 ? f.diff(VarX()) : ex(0);
  long double slope = std::fabs(ValueAt(d1, r).value_or(0));
  long double bend = std::fabs(ValueAt(d1.diff(VarX()), r).value_or(0));
  long double tolerance = slope * h + bend * h * h / 2 + 1e-9L * ScaleAt(f, r);
  return std::fabs(*value) <= tolerance * (1 + 1e-9L);
}

// The real roots of f when it is a quadratic polynomial with numeric coefficients.
std::optional<std::vector<long double>> QuadraticRealRoots(const ex& f) {
  const ex& x = VarX();
  if (!f.is_polynomial(x)) return std::nullopt;
  ex p = f.expand();
  if (p.degree(x) != 2) return std::nullopt;
  auto a = RealValue(p.coeff(x, 2)), b = RealValue(p.coeff(x, 1)), c = RealValue(p.coeff(x, 0));
  if (!a || !b || !c) return std::nullopt;
  long double d = *b * *b - 4 * *a * *c;
  if (d < 0) return std::vector<long double>{};
  long double s = std::sqrt(d);
  return std::vector<long double>{(-*b - s) / (2 * *a), (-*b + s) / (2 * *a)};
}

// A real root of a quadratic that the engine's roots miss.
std::optional<long double> MissedRoot(const std::vector<long double>& exact, const RootList& found) {
  constexpr long double kRounding = 0.0005L + 1e-9L;
  for (long double r : exact) {
    bool named = false;
    for (long double g : found.roots)
      named = named || std::fabs(r - g) <= kRounding * (1 + std::fabs(r) * 1e-9L);
    if (!named) return r;
  }
  return std::nullopt;
}

}  // namespace

CheckOutcome CheckDerivative(const GiNaC::ex& input, const GiNaC::ex& found) {
  if (!DerivativeIsSmall(input)) return TooLarge();
  ex expected = input.diff(VarX());
  return Verdict(Compare(expected, found), "türev",
                 "türev farklı: beklenen " + Shown(expected) + ", bulunan " + Shown(found));
}

CheckOutcome CheckIntegral(const GiNaC::ex& input, const GiNaC::ex& found) {
  if (!DerivativeIsSmall(found)) return TooLarge();
  ex derivative = found.diff(VarX());
  return Verdict(Compare(input, derivative), "integralin türevi girdiyle",
                 "integral yanlış: sonucun türevi " + Shown(derivative) + ", girdi " + Shown(input));
}

CheckOutcome CheckValue(const GiNaC::ex& input, long double value, std::optional<long double> at) {
  ex e = at ? input.subs(VarX() == GiNaC::numeric(static_cast<double>(*at))) : input;
  if (e.has(VarX())) return {CheckStatus::Unknown, "ifadede x var; değeri için x'e bir sayı gerekir"};
  auto expected = RealValue(e);
  if (!expected) return {CheckStatus::Unknown, "GiNaC ifadenin gerçek bir değerini bulamadı"};
  if (!ValuesAgree(*expected, value))
    return {CheckStatus::Wrong, "değer farklı: beklenen " + Number(*expected) + ", bulunan " + Number(value)};
  return {CheckStatus::Ok, "değer GiNaC ile aynı (" + Number(*expected) + ")"};
}

CheckOutcome CheckRoots(const GiNaC::ex& input, const RootList& roots, bool quadratic) {
  const long double rounding = quadratic ? 0.0005L : 0;
  for (long double r : roots.roots) {
    if (IsRoot(input, r, rounding)) continue;
    auto v = ValueAt(input, r);
    return {CheckStatus::Wrong, "x = " + Number(r) + " kök değil: " +
                                    (v ? "ifadenin değeri " + Number(*v) : "ifade orada tanımsız")};
  }
  auto exact = quadratic ? QuadraticRealRoots(input) : std::nullopt;
  if (exact) {
    if (auto missed = MissedRoot(*exact, roots))
      return {CheckStatus::Wrong, "gerçek kök eksik: x = " + Number(*missed)};
    return {CheckStatus::Ok,
            roots.roots.empty() ? "Delta < 0: gerçek kök yok, GiNaC ile aynı" : "kökler GiNaC ile aynı"};
  }
  if (roots.roots.empty())
    return {CheckStatus::Unknown, "kök bulunmadı; kök olmadığı yerine koyarak doğrulanamaz"};
  return {CheckStatus::Ok, "her kök yerine konunca ifade 0"};
}

}  // namespace velsira::algebra
