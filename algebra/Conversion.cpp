// The bracket syntax of the derivative and the numeric operations, written
// at three levels: the operands of a factor argument («2x²+3»), the factors
// of a bracket term («(x)*Sin(x)»), and the bracket terms of the input
// («[(x²)]+Sin[Cos(x)]»). Each level first tries to write a piece at the
// level below and cuts it into its own units only where it must.
#include "algebra/Conversion.h"

#include <functional>

#include "algebra/ConversionParts.h"

namespace velsira::algebra {

using namespace conversion;
using K = Tree::Kind;

namespace {

// The exponent of x in the monomial text: x, x², x³ or x^k.
std::string xPower(const std::string& k) {
  if (k == "1") return "x";
  if (k == "2") return "x²";
  if (k == "3") return "x³";
  return "x^" + k;
}

class BracketWriter {
 public:
  explicit BracketWriter(Operation op) : op_(op) {}
  std::string expression(const Tree& t);

 private:
  std::string operandSum(const Tree& t);
  std::string operandProduct(const Tree& t, bool& negative);
  std::string factorSum(const Tree& t);
  std::string factorProduct(const Tree& t, bool& negative);
  std::string factorUnit(const Tree& t);
  std::string bracketProduct(const Tree& t, bool& negative);
  std::string bracketUnit(const Tree& t);
  std::string joinSum(const Tree& t, const std::string& zero,
                      const std::function<std::string(const Tree&, bool&)>& product);
  std::optional<std::string> tryWrite(const std::function<std::string()>& write);

  Operation op_;
  std::deque<Tree> storage_;
};

std::optional<std::string> BracketWriter::tryWrite(const std::function<std::string()>& write) {
  try {
    return write();
  } catch (const ConversionError&) {
    return std::nullopt;
  }
}

// The terms of t written by product and joined by their signs; a first
// negative term changes places with the first positive one, or follows
// the zero unit.
std::string BracketWriter::joinSum(const Tree& t, const std::string& zero,
                                   const std::function<std::string(const Tree&, bool&)>& product) {
  std::vector<SignedTerm> terms = SumTerms(t);
  std::vector<std::pair<bool, std::string>> written;
  for (const SignedTerm& term : terms) {
    bool negative = false;
    std::string text = product(*term.tree, negative);
    written.emplace_back(negative != term.negative, std::move(text));
  }
  for (size_t i = 0; i < written.size() && written[0].first; ++i)
    if (!written[i].first) std::swap(written[0], written[i]);
  std::string out = written[0].first ? (zero.empty() ? "-" : zero + "-") : "";
  for (size_t i = 0; i < written.size(); ++i) {
    if (i) out += written[i].first ? "-" : "+";
    out += written[i].second;
  }
  return out;
}

// An operand product: numbers, pi, e, a power of x and number powers above
// the line, numbers below it.
std::string BracketWriter::operandProduct(const Tree& t, bool& negative) {
  const Product p = ProductOf(t, storage_);
  negative = p.negative;
  std::vector<std::string> coefficients;
  std::string power;
  for (const Tree* f : p.over) {
    if (f->kind == K::Number) coefficients.push_back(EngineNumber(f->text));
    else if (f->kind == K::Pi) coefficients.push_back("pi");
    else if (f->kind == K::E) coefficients.push_back("e");
    else if (f->kind == K::X && power.empty()) power = "1";
    else if (f->kind == K::Pow && f->kids[0].kind == K::X && IsPlainNumber(f->kids[1]) && power.empty())
      power = EngineNumber(f->kids[1].text);
    else if (f->kind == K::Pow && IsPlainNumber(f->kids[0]) && IsPlainNumber(f->kids[1]))
      coefficients.push_back(EngineNumber(f->kids[0].text) + "^" + EngineNumber(f->kids[1].text));
    else Refuse(Problem::NotHeld, op_, f);
  }
  std::string out;
  for (size_t i = 0; i < coefficients.size(); ++i) {
    const bool last = i + 1 == coefficients.size();
    out += coefficients[i];
    // A plain number stands right before its x («2x»); anything else is
    // joined by "*".
    const bool tight = last && !power.empty() && coefficients[i].find_first_not_of("0123456789,") == std::string::npos;
    if (!last || (!power.empty() && !tight)) out += "*";
  }
  if (!power.empty()) out += xPower(power);
  if (out.empty()) out = "1";
  for (const Tree* f : p.under) {
    if (f->kind == K::Number) out += "/" + EngineNumber(f->text);
    else if (f->kind == K::Pi || f->kind == K::E) out += f->kind == K::Pi ? "/pi" : "/e";
    else Refuse(Problem::NotHeld, op_, f);
  }
  return out;
}

std::string BracketWriter::operandSum(const Tree& t) {
  return joinSum(t, "", [this](const Tree& term, bool& negative) { return operandProduct(term, negative); });
}

// One factor: «(operands)» or «Name(operands)».
std::string BracketWriter::factorUnit(const Tree& t) {
  if (auto a = tryWrite([&] { return operandSum(t); })) return "(" + *a + ")";
  const std::optional<Application> app = ApplicationOf(t, op_);
  if (!app) Refuse(Problem::NotHeld, op_, &t);
  return app->name + "(" + operandSum(*app->argument) + ")";
}

// A product of factors: the operand factors together in one unit, a plain
// number written before the first named factor («2Sin(x)»).
std::string BracketWriter::factorProduct(const Tree& t, bool& negative) {
  if (auto a = tryWrite([&] { return operandProduct(t, negative); })) return "(" + *a + ")";
  Product p = ProductOf(t, storage_);
  negative = p.negative;
  std::vector<const Tree*> operands, named;
  for (const Tree* f : p.over) (tryWrite([&] { bool n; return operandProduct(*f, n); }) ? operands : named).push_back(f);
  std::string out;
  std::vector<std::string> units;
  Tree operandPart = operands.empty() ? Tree::Number("1") : *operands[0];
  for (size_t i = 1; i < operands.size(); ++i) operandPart = Tree::Binary(K::Mul, operandPart, *operands[i]);
  for (const Tree* f : named) units.push_back(factorUnit(*f));
  const bool number = operands.size() == 1 && IsPlainNumber(*operands[0]);
  const bool namedFirst = !units.empty() && units[0][0] != '(';
  if (number && namedFirst) units[0] = EngineNumber(operands[0]->text) + units[0];
  else if (operands.empty() && !units.empty()) {
  } else if (auto unit = tryWrite([&] { return factorUnit(operandPart); })) units.insert(units.begin(), *unit);
  else
    for (size_t i = operands.size(); i-- > 0;) units.insert(units.begin(), factorUnit(*operands[i]));
  for (size_t i = 0; i < units.size(); ++i) out += (i ? "*" : "") + units[i];
  for (const Tree* f : p.under) out += "/" + factorUnit(*f);
  return out;
}

std::string BracketWriter::factorSum(const Tree& t) {
  if (auto a = tryWrite([&] { return operandSum(t); })) return "(" + *a + ")";
  return joinSum(t, "(0)", [this](const Tree& term, bool& negative) { return factorProduct(term, negative); });
}

// One bracket term: «[factors]» or «Name[factors]».
std::string BracketWriter::bracketUnit(const Tree& t) {
  if (auto f = tryWrite([&] { return factorSum(t); })) return "[" + *f + "]";
  const std::optional<Application> app = ApplicationOf(t, op_);
  if (!app) Refuse(Problem::NotHeld, op_, &t);
  return app->name + "[" + factorSum(*app->argument) + "]";
}

std::string BracketWriter::bracketProduct(const Tree& t, bool& negative) {
  if (auto f = tryWrite([&] { return factorProduct(t, negative); })) return "[" + *f + "]";
  const Product p = ProductOf(t, storage_);
  negative = p.negative;
  std::string out;
  for (const Tree* f : p.over) out += (out.empty() ? "" : "*") + bracketUnit(*f);
  if (out.empty()) out = "[(1)]";
  for (const Tree* f : p.under) out += "/" + bracketUnit(*f);
  return out;
}

std::string BracketWriter::expression(const Tree& t) {
  if (auto a = tryWrite([&] { return operandSum(t); })) return "[(" + *a + ")]";
  return joinSum(t, "[(0)]", [this](const Tree& term, bool& negative) { return bracketProduct(term, negative); });
}

}  // namespace

std::string WriteIntegral(const Tree& tree);
std::string WriteQuadratic(const Tree& tree);
std::string WriteLimit(const Tree& tree, Operation op);

namespace {

// A whole number's digits, or nullopt for any other tree or one past 10^15.
std::optional<unsigned long long> WholeNumber(const Tree& t) {
  if (t.kind != K::Number || t.text.empty() || t.text.size() > 15 ||
      t.text.find_first_not_of("0123456789") != std::string::npos)
    return std::nullopt;
  return std::stoull(t.text);
}

// t with every power of two whole numbers that stands inside another power
// written as its value while that stays below 10^15 (2^3^2 is 2^9): the
// program reads no power of a number inside the argument of a power name
// (Üstel2(3^2) is refused).
Tree WithWholePowersFolded(Tree t, bool insidePower = false) {
  for (Tree& kid : t.kids) kid = WithWholePowersFolded(std::move(kid), t.kind == K::Pow);
  if (t.kind != K::Pow || !insidePower) return t;
  const auto base = WholeNumber(t.kids[0]), exponent = WholeNumber(t.kids[1]);
  if (!base || !exponent || *exponent > 64) return t;
  constexpr unsigned long long kLimit = 1000000000000000ULL;
  unsigned long long value = 1;
  for (unsigned long long k = 0; k < *exponent; ++k) {
    if (*base != 0 && value > kLimit / *base) return t;
    value *= *base;
  }
  return Tree::Number(std::to_string(value));
}

}  // namespace

std::string ToProgramSyntax(const Tree& read, Operation op) {
  const Tree tree = WithWholePowersFolded(read);
  const bool limitOp = op == Operation::DeltaEpsilon || op == Operation::Limit;
  if (tree.kind == K::Limit || limitOp) {
    if (!limitOp) Refuse(Problem::Limit, op);
    return WriteLimit(tree, op);
  }
  if (tree.kind == K::Equation && op != Operation::Quadratic && op != Operation::Roots) Refuse(Problem::Equation, op);
  if (op == Operation::Quadratic) return WriteQuadratic(tree);
  if (op == Operation::Integrate) return WriteIntegral(tree);
  if (op == Operation::Calc && HasX(tree)) Refuse(Problem::HasX, op);
  if (tree.kind == K::Equation) {
    const Tree difference = Tree::Binary(K::Sub, tree.kids[0], tree.kids[1]);
    const bool zero = tree.kids[1].kind == K::Number && tree.kids[1].text.find_first_not_of("0.") == std::string::npos;
    return BracketWriter(op).expression(zero ? tree.kids[0] : difference);
  }
  return BracketWriter(op).expression(tree);
}

std::optional<Operation> OperationNamed(std::string_view name) {
  static constexpr std::pair<std::string_view, Operation> kNames[] = {
      {"derive", Operation::Derive},   {"integrate", Operation::Integrate},
      {"calc", Operation::Calc},       {"at", Operation::At},
      {"quadratic", Operation::Quadratic}, {"roots", Operation::Roots},
      {"plot", Operation::Plot},       {"delta-epsilon", Operation::DeltaEpsilon},
      {"limit", Operation::Limit},
  };
  for (const auto& [n, op] : kNames)
    if (n == name) return op;
  return std::nullopt;
}

}  // namespace velsira::algebra
