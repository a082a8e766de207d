// The conversion's shared pieces: which function names each operation's
// syntax has (one table), flattening, number texts and messages.
#include "algebra/ConversionParts.h"


#include "algebra/Reader.h"

namespace velsira::algebra {
namespace conversion {
namespace {

// Which operations write a name: the derivative, the engine's numeric
// calculation (Calc, At, Roots, Plot), the integral's functions of a linear
// argument.
enum Uses : unsigned { kDerive = 1, kNumeric = 2, kIntegral = 4 };

struct NameRow {
  std::string_view canonical;
  std::string_view program;  // the parameter (base, degree, count) follows it
  unsigned uses;
};

constexpr NameRow kNames[] = {
    {"sin", "Sin", kDerive | kNumeric | kIntegral},   {"cos", "Cos", kDerive | kNumeric | kIntegral},
    {"tan", "Tan", kDerive | kNumeric | kIntegral},   {"cot", "Cot", kDerive | kNumeric | kIntegral},
    {"sec", "Sec", kDerive | kNumeric},               {"csc", "Csc", kDerive | kNumeric},
    {"sinh", "Sinh", kDerive | kNumeric | kIntegral}, {"cosh", "Cosh", kDerive | kNumeric | kIntegral},
    {"tanh", "Tanh", kDerive | kNumeric | kIntegral}, {"coth", "Coth", kDerive | kNumeric | kIntegral},
    {"sech", "Sech", kDerive},                        {"csch", "Csch", kDerive},
    {"asin", "ArcSin", kDerive | kNumeric},           {"acos", "ArcCos", kDerive | kNumeric},
    {"atan", "ArcTan", kDerive | kNumeric},           {"acot", "ArcCot", kDerive | kNumeric},
    {"asec", "ArcSec", kDerive},                      {"acsc", "ArcCsc", kDerive},
    {"asinh", "ArcSinh", kDerive | kNumeric},         {"acosh", "ArcCosh", kDerive | kNumeric},
    {"atanh", "ArcTanh", kDerive | kNumeric},         {"acoth", "ArcCoth", kDerive | kNumeric},
    {"ln", "ln", kDerive | kNumeric},                 {"log", "log", kDerive | kNumeric},
    {"sqrt", "Kök", kDerive | kNumeric},              {"root", "Kök", kDerive | kNumeric},
    {"fact", "!", kNumeric},                          {"perm", "Per", kNumeric},
    {"comb", "Kom", kNumeric},
};

unsigned useOf(Operation op) {
  if (op == Operation::Derive) return kDerive;
  if (op == Operation::Integrate) return kIntegral;
  return IsNumeric(op) ? unsigned{kNumeric} : 0u;
}

// The engine's e as the numeric operations read it, the base of «Üstel».
constexpr std::string_view kEulerText = "2,71828182845905";

}  // namespace

bool IsNumeric(Operation op) {
  return op == Operation::Calc || op == Operation::At || op == Operation::Roots || op == Operation::Plot;
}

std::vector<SignedTerm> SumTerms(const Tree& t) {
  std::vector<SignedTerm> out;
  std::vector<SignedTerm> pending{{false, &t}};
  while (!pending.empty()) {
    const SignedTerm s = pending.back();
    pending.pop_back();
    const Tree& n = *s.tree;
    if (n.kind == Tree::Kind::Add || n.kind == Tree::Kind::Sub) {
      pending.push_back({n.kind == Tree::Kind::Sub ? !s.negative : s.negative, &n.kids[1]});
      pending.push_back({s.negative, &n.kids[0]});
    } else if (n.kind == Tree::Kind::Neg && (n.kids[0].kind == Tree::Kind::Add || n.kids[0].kind == Tree::Kind::Sub)) {
      pending.push_back({!s.negative, &n.kids[0]});
    } else {
      out.push_back(s);
    }
  }
  return out;
}

Product ProductOf(const Tree& t, std::deque<Tree>& storage) {
  Product p;
  struct Item { const Tree* tree; bool under; };
  std::vector<Item> pending{{&t, false}};
  while (!pending.empty()) {
    const Item item = pending.back();
    pending.pop_back();
    const Tree& n = *item.tree;
    if (n.kind == Tree::Kind::Mul || n.kind == Tree::Kind::Div) {
      pending.push_back({&n.kids[1], n.kind == Tree::Kind::Div ? !item.under : item.under});
      pending.push_back({&n.kids[0], item.under});
    } else if (n.kind == Tree::Kind::Neg) {
      p.negative = !p.negative;
      pending.push_back({&n.kids[0], item.under});
    } else if (n.kind == Tree::Kind::Pow && n.kids[1].kind == Tree::Kind::Neg) {
      storage.push_back(Tree::Binary(Tree::Kind::Pow, n.kids[0], n.kids[1].kids[0]));
      pending.push_back({&storage.back(), !item.under});
    } else {
      (item.under ? p.under : p.over).push_back(&n);
    }
  }
  return p;
}

bool HasX(const Tree& t) {
  if (t.kind == Tree::Kind::X) return true;
  for (const Tree& k : t.kids)
    if (HasX(k)) return true;
  return false;
}

bool IsPlainNumber(const Tree& t) { return t.kind == Tree::Kind::Number && t.text.find('E') == std::string::npos; }

bool IsWhole(const std::string& digits) { return digits.find_first_not_of("0123456789") == std::string::npos; }

std::string EngineNumber(const std::string& digits) {
  const size_t e = digits.find('E');
  std::string mantissa = digits.substr(0, e);
  long shift = 0;
  if (e != std::string::npos) {
    const std::string exponent = digits.substr(e + 1);
    if (exponent.size() > 3) Refuse(Problem::TooLongNumber, Operation::Calc);
    shift = std::stol(exponent);
  }
  size_t point = mantissa.find('.');
  if (point == std::string::npos) point = mantissa.size();
  else mantissa.erase(point, 1);
  long at = static_cast<long>(point) + shift;
  if (at > 40 || at < -40) Refuse(Problem::TooLongNumber, Operation::Calc);
  while (at <= 0) mantissa.insert(0, "0"), ++at;
  while (static_cast<long>(mantissa.size()) < at) mantissa += '0';
  std::string out = mantissa.substr(0, static_cast<size_t>(at));
  std::string fraction = mantissa.substr(static_cast<size_t>(at));
  if (e != std::string::npos) {
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    while (out.size() > 1 && out[0] == '0') out.erase(0, 1);
  }
  return fraction.empty() ? out : out + "," + fraction;
}

std::optional<Application> ApplicationOf(const Tree& t, Operation op) {
  using K = Tree::Kind;
  const bool numeric = IsNumeric(op);
  if (op != Operation::Derive && !numeric) return std::nullopt;
  if (t.kind == K::Pow && IsPlainNumber(t.kids[1])) return Application{"Kuvvet" + EngineNumber(t.kids[1].text), &t.kids[0]};
  // u^(1/n) is the n-th root.
  const Tree* e = t.kind == K::Pow ? &t.kids[1] : nullptr;
  if (e && e->kind == K::Div && e->kids[0].kind == K::Number && e->kids[0].text == "1" && IsPlainNumber(e->kids[1])) {
    const std::string n = EngineNumber(e->kids[1].text);
    return Application{n == "2" ? "Kök" : "Kök" + n, &t.kids[0]};
  }
  if (t.kind == K::Pow && IsPlainNumber(t.kids[0])) return Application{"Üstel" + EngineNumber(t.kids[0].text), &t.kids[1]};
  const bool exp = (t.kind == K::Pow && t.kids[0].kind == K::E) || (t.kind == K::Call && t.text == "exp");
  if (exp) return Application{numeric ? "Üstel" + std::string(kEulerText) : "Üstele", &t.kids.back()};
  if (t.kind != K::Call) return std::nullopt;
  const std::string name = ProgramName(t, op);
  if (name.empty()) return std::nullopt;
  return Application{name, &t.kids[0]};
}

void Refuse(Problem problem, Operation op, const Tree* part) {
  const std::string button(OperationName(op));
  const std::string piece = part ? PlainText(*part) : std::string();
  const std::string quoted = "'" + (piece.size() > 60 ? piece.substr(0, 60) + "…" : piece) + "'";
  switch (problem) {
    case Problem::NotHeld: throw ConversionError(quoted + " kısmı " + button + " yazımıyla yazılamaz");
    case Problem::HasX: throw ConversionError("Bilimsel Hesaplama x içeren bir ifadeyi hesaplamaz; x'in bir değerdeki sonucu için Yerine Yaz'ı kullanınız");
    case Problem::Equation: throw ConversionError("Denklem ('=') yalnız Basit Denklem Çözme ve Karışık Denklem Çözme ile yazılır");
    case Problem::Limit: throw ConversionError("Limit ('lim') yalnız Limit ve Delta-Epsilon ile yazılır");
    case Problem::NoPoint: throw ConversionError("Delta-Epsilon için limit noktası gerekir, ör: lim(2x+1) ve alt satırda x=3");
    case Problem::NotLinear: throw ConversionError(quoted + " tam sayı katsayılı doğrusal bir fonksiyon (Mx+B, M sıfır değil) değil; " + button + " yalnız bunu yazabilir");
    case Problem::NotQuadratic: throw ConversionError(quoted + " tam sayı katsayılı ikinci derece bir ifade (ax²+bx+c, a sıfır değil) değil ya da katsayıları çok uzun; Basit Denklem Çözme yalnız bunu yazabilir");
    case Problem::TooLongNumber: throw ConversionError("Sayı, programın yazımında yazılamayacak kadar uzun");
    case Problem::IntegralForm: throw ConversionError(quoted + " kısmı İntegral Al yazımıyla yazılamaz: İntegral Al yalnız tam sayı katsayılı polinomları ve doğrusal içli Sin, Cos, Tan, Cot, Sinh, Cosh, Tanh, Coth'u toplar");
  }
  throw ConversionError(quoted);
}

}  // namespace conversion

std::string_view OperationName(Operation op) {
  switch (op) {
    case Operation::Derive: return "Türev Al";
    case Operation::Integrate: return "İntegral Al";
    case Operation::Calc: return "Bilimsel Hesaplama";
    case Operation::At: return "Yerine Yaz";
    case Operation::Quadratic: return "Basit Denklem Çözme";
    case Operation::Roots: return "Karışık Denklem Çözme";
    case Operation::Plot: return "Grafik Çiz";
    case Operation::DeltaEpsilon: return "Delta-Epsilon";
    case Operation::Limit: return "Limit";
  }
  return "";
}

std::string ProgramName(const Tree& call, Operation op) {
  using namespace conversion;
  const unsigned use = useOf(op);
  for (const auto& row : kNames) {
    if (row.canonical != call.text || !(row.uses & use)) continue;
    if (call.param.empty()) return std::string(row.program);
    if (call.param.find('E') != std::string::npos) return {};
    return std::string(row.program) + EngineNumber(call.param);
  }
  return {};
}

}  // namespace velsira::algebra
