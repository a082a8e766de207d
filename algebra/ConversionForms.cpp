// The syntaxes that hold narrower forms: the integral's sum of factors, the
// quadratic's «[(ax²+bx+c)]» and the limit's «lim(Mx+B)» with «x=a».
#include <deque>
#include <limits>

#include "algebra/ConversionParts.h"

namespace velsira::algebra {

using namespace conversion;
using K = Tree::Kind;

namespace {

// The whole-number coefficients of a polynomial in x, lowest power first;
// nullopt for anything else or coefficients beyond ±10^6.
std::optional<std::vector<long long>> wholePolynomial(const Tree& t, int depth = 0) {
  using P = std::vector<long long>;
  constexpr long long kLimit = 1000000;
  if (depth > 64) return std::nullopt;
  auto fits = [&](const P& p) -> std::optional<P> {
    for (long long c : p)
      if (c > kLimit || c < -kLimit) return std::nullopt;
    return p;
  };
  switch (t.kind) {
    case K::Number:
      if (!IsWhole(t.text) || t.text.size() > 9) return std::nullopt;
      return P{std::stoll(t.text)};
    case K::X: return P{0, 1};
    case K::Neg: {
      auto a = wholePolynomial(t.kids[0], depth + 1);
      if (a) for (long long& c : *a) c = -c;
      return a;
    }
    case K::Add: case K::Sub: case K::Mul: {
      auto a = wholePolynomial(t.kids[0], depth + 1), b = wholePolynomial(t.kids[1], depth + 1);
      if (!a || !b) return std::nullopt;
      P r(t.kind == K::Mul ? a->size() + b->size() - 1 : std::max(a->size(), b->size()), 0);
      if (t.kind != K::Mul) {
        for (size_t i = 0; i < a->size(); ++i) r[i] += (*a)[i];
        for (size_t i = 0; i < b->size(); ++i) r[i] += t.kind == K::Sub ? -(*b)[i] : (*b)[i];
      } else {
        for (size_t i = 0; i < a->size(); ++i)
          for (size_t j = 0; j < b->size(); ++j) r[i + j] += (*a)[i] * (*b)[j];
      }
      return fits(r);
    }
    case K::Pow: {
      if (t.kids[1].kind != K::Number || !IsWhole(t.kids[1].text) || t.kids[1].text.size() > 1) return std::nullopt;
      const auto base = wholePolynomial(t.kids[0], depth + 1);
      std::optional<P> r = P{1};
      for (int k = t.kids[1].text[0] - '0'; k > 0 && r && base; --k) {
        P m(r->size() + base->size() - 1, 0);
        for (size_t i = 0; i < r->size(); ++i)
          for (size_t j = 0; j < base->size(); ++j) m[i + j] += (*r)[i] * (*base)[j];
        r = fits(m);
      }
      return base ? r : std::nullopt;
    }
    default: return std::nullopt;
  }
}

// The polynomial without its zero top coefficients.
std::vector<long long> trimmed(std::vector<long long> p) {
  while (p.size() > 1 && p.back() == 0) p.pop_back();
  return p;
}

std::string signedText(long long v) { return (v < 0 ? "-" : "+") + std::to_string(v < 0 ? -v : v); }

// One term of the integral: a polynomial with whole coefficients and no
// products, or a function of a linear argument with a number before it, or
// a function of a constant.
std::string integralTerm(const Tree& t, bool& negative) {
  const Operation op = Operation::Integrate;
  std::deque<Tree> storage;
  const Product p = ProductOf(t, storage);
  negative = p.negative;
  if (!p.under.empty()) Refuse(Problem::IntegralForm, op, &t);
  const Tree* number = nullptr;
  const Tree* other = nullptr;
  for (const Tree* f : p.over) {
    if (IsPlainNumber(*f) && !number) number = f;
    else if (!other) other = f;
    else Refuse(Problem::IntegralForm, op, &t);
  }
  if (!other) return "(" + EngineNumber(number->text) + ")";
  const std::string coefficient = number ? EngineNumber(number->text) : "";
  if (other->kind == K::Pi || other->kind == K::E) {
    if (number) Refuse(Problem::IntegralForm, op, &t);
    return other->kind == K::Pi ? "(pi)" : "(e)";
  }
  if (other->kind == K::X) return "(" + coefficient + "x)";
  if (other->kind == K::Pow && other->kids[0].kind == K::X && other->kids[1].kind == K::Number &&
      IsWhole(other->kids[1].text) && (!number || IsWhole(number->text))) {
    const std::string& k = other->kids[1].text;
    return "(" + coefficient + (k == "1" ? "x" : k == "2" ? "x²" : k == "3" ? "x³" : "x^" + k) + ")";
  }
  if (other->kind != K::Call) Refuse(Problem::IntegralForm, op, &t);
  const Tree& u = other->kids[0];
  // A function of a constant is a constant; any name of the derivative
  // serves. Otherwise the argument must be a*x+b.
  const std::string name = ProgramName(*other, HasX(u) ? op : Operation::Derive);
  auto linear = wholePolynomial(u);
  const bool isLinear = !HasX(u) || (linear && trimmed(*linear).size() == 2);
  if (name.empty() || !isLinear || (HasX(u) && !linear)) Refuse(Problem::IntegralForm, op, &t);
  std::string argument;
  if (!HasX(u)) {
    if (u.kind != K::Number) Refuse(Problem::IntegralForm, op, &t);
    argument = EngineNumber(u.text);
  } else {
    const std::vector<long long> c = trimmed(*linear);
    argument = (c[1] == 1 ? "x" : c[1] == -1 ? "-x" : std::to_string(c[1]) + "x") + (c[0] ? signedText(c[0]) : "");
  }
  return coefficient + name + "(" + argument + ")";
}

}  // namespace

std::string WriteIntegral(const Tree& tree) {
  std::vector<std::pair<bool, std::string>> written;
  for (const SignedTerm& term : SumTerms(tree)) {
    bool negative = false;
    std::string text = integralTerm(*term.tree, negative);
    written.emplace_back(negative != term.negative, std::move(text));
  }
  // A first negative term: the sign goes inside a polynomial, or the term
  // changes places with a positive one, or follows «(0)».
  for (size_t i = 0; i < written.size() && written[0].first && written[0].second[0] != '('; ++i)
    if (!written[i].first) std::swap(written[0], written[i]);
  // Polynomial terms side by side share one pair of parentheses.
  std::string out;
  bool lastPolynomial = false;
  for (size_t i = 0; i < written.size(); ++i) {
    const auto& [negative, text] = written[i];
    const bool polynomial = text[0] == '(';
    if (i == 0 && negative) out += polynomial ? "(-" + text.substr(1) : "(0)-" + text;
    else if (polynomial && lastPolynomial) out.insert(out.size() - 1, (negative ? "-" : "+") + text.substr(1, text.size() - 2));
    else out += (i ? (negative ? "-" : "+") : "") + text;
    lastPolynomial = polynomial;
  }
  return out;
}

std::string WriteQuadratic(const Tree& tree) {
  const Operation op = Operation::Quadratic;
  const Tree difference = tree.kind == K::Equation ? Tree::Binary(K::Sub, tree.kids[0], tree.kids[1]) : tree;
  auto p = wholePolynomial(difference);
  if (!p || trimmed(*p).size() != 3) Refuse(Problem::NotQuadratic, op, &difference);
  const std::vector<long long> c = trimmed(*p);
  // The solver reads a from before «x²», b between «x²» and the next x, and
  // c from as many characters after that x as b's text has plus two; both x
  // within the first nine characters. b's text is widened with zeros to
  // make room for c.
  const std::string a = std::to_string(c[2]);
  std::string b = signedText(c[1]);
  const std::string cText = signedText(c[0]);
  while (cText.size() > b.size() + 2) b.insert(1, "0");
  const std::string s = a + "x²" + b + "x" + cText;
  // Positions in characters: «²» counts one.
  if (a.size() + 2 > 9 || a.size() + 2 + b.size() + 1 > 9) Refuse(Problem::NotQuadratic, op, &difference);
  return "[(" + s + ")]";
}

std::string WriteLimit(const Tree& tree, Operation op) {
  const bool limit = tree.kind == K::Limit;
  const Tree& f = limit ? tree.kids[0] : tree;
  const bool hasPoint = limit && tree.kids.size() > 1;
  if (!hasPoint && op == Operation::DeltaEpsilon) Refuse(Problem::NoPoint, op);
  auto p = wholePolynomial(f);
  if (!p || trimmed(*p).size() != 2 || p->at(1) > 2147483647) Refuse(Problem::NotLinear, op, &f);
  const std::vector<long long> c = trimmed(*p);
  std::string point;
  if (hasPoint) {
    auto a = wholePolynomial(tree.kids[1]);
    if (!a || a->size() != 1) Refuse(Problem::NotLinear, op, &tree.kids[1]);
    point = std::to_string((*a)[0]);
  }
  // The x must stand within the first nine characters and have its
  // coefficient before it; B is read from after the x, "+0" when none.
  const std::string m = std::to_string(c[1]);
  if (m.size() + 1 > 9) Refuse(Problem::NotLinear, op, &f);
  return "lim(" + m + "x" + signedText(c[0]) + ")\nx=" + point;
}

}  // namespace velsira::algebra
