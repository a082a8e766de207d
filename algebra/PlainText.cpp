// The plain printer: one method per kind of node, parentheses only where
// precedence needs them.
#include <string>

#include "algebra/Reader.h"

namespace velsira::algebra {
namespace {

using T = Tree::Kind;

// Binding strength of a node as printed: sums 1, products 2, signs 3,
// powers 4, everything that prints as one unit 5.
int strength(const Tree& t) {
  switch (t.kind) {
    case T::Add: case T::Sub: case T::Equation: return 1;
    case T::Mul: case T::Div: return 2;
    case T::Neg: return 3;
    case T::Pow: return 4;
    case T::Number: return t.text.find('E') == std::string::npos ? 5 : 2;
    default: return 5;
  }
}

class PlainPrinter {
 public:
  std::string print(const Tree& t);

 private:
  std::string wrapped(const Tree& t, bool wrap) { return wrap ? "(" + print(t) + ")" : print(t); }
  std::string number(const std::string& digits);
  std::string call(const Tree& t);
  std::string binary(const Tree& t);
};

// "1.5E20" as 1.5*10^20: no printer reads an E the same way.
std::string PlainPrinter::number(const std::string& digits) {
  const size_t e = digits.find('E');
  if (e == std::string::npos) return digits;
  const std::string exponent = digits.substr(e + 1);
  return digits.substr(0, e) + "*10^" + (exponent[0] == '-' ? "(" + exponent + ")" : exponent);
}

std::string PlainPrinter::call(const Tree& t) {
  const std::string u = print(t.kids[0]);
  const std::string& name = t.text;
  if (name == "ln") return "log(" + u + ")";
  if (name == "log") return "(log(" + u + ")/log(" + t.param + "))";
  if (name == "root") return "((" + u + ")^(1/" + t.param + "))";
  if (name == "fact") return "factorial(" + u + ")";
  if (name == "comb") return "binomial(" + u + "," + t.param + ")";
  if (name == "perm") return "(factorial(" + u + ")/factorial(" + u + "-" + t.param + "))";
  return name + "(" + u + ")";
}

std::string PlainPrinter::binary(const Tree& t) {
  const Tree& a = t.kids[0];
  const Tree& b = t.kids[1];
  // A sign inside a sum, product or power is always in parentheses.
  const bool signedA = a.kind == T::Neg;
  const bool signedB = b.kind == T::Neg;
  switch (t.kind) {
    case T::Add: return print(a) + "+" + wrapped(b, signedB);
    case T::Sub: return print(a) + "-" + wrapped(b, signedB || strength(b) <= 1);
    case T::Mul: return wrapped(a, signedA || strength(a) < 2) + "*" + wrapped(b, signedB || strength(b) < 2);
    case T::Div: return wrapped(a, signedA || strength(a) < 2) + "/" + wrapped(b, signedB || strength(b) <= 2);
    case T::Pow:
      if (a.kind == T::E) return "exp(" + print(b) + ")";
      return wrapped(a, strength(a) <= 4) + "^" + wrapped(b, strength(b) <= 4);
    default: return print(a) + "-(" + print(b) + ")";  // an equation as its left side less its right
  }
}

std::string PlainPrinter::print(const Tree& t) {
  switch (t.kind) {
    case T::Number: return number(t.text);
    case T::X: return "x";
    case T::Pi: return "pi";
    case T::E: return "exp(1)";
    case T::Neg: return "-" + wrapped(t.kids[0], strength(t.kids[0]) < 5);
    case T::Call: return call(t);
    case T::Limit: return print(t.kids[0]);  // the function whose limit is asked
    default: return binary(t);
  }
}

}  // namespace

std::string PlainText(const Tree& tree) { return PlainPrinter().print(tree); }

}  // namespace velsira::algebra
