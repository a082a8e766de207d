// The expression tree of the algebra layer: what the reader makes of a text
// in ordinary notation or in the program's own syntax, and what the
// conversion and the plain printer write out again.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace velsira::algebra {

// One node. Numbers keep the digits as typed, with "." as the decimal
// separator and "E" before an exponent («1,5E20» is "1.5E20"). A function
// application keeps its canonical name, lower case:
//   sin cos tan cot sec csc, asin acos atan acot asec acsc,
//   sinh cosh tanh coth sech csch, asinh acosh atanh acoth,
//   ln, log (param = the base, "10" when none is written), sqrt,
//   root (param = the degree), exp, abs, fact (n!), perm and comb
//   (param = the count r of PerN and KomN).
// Powers written with the pad's names are powers: Kuvvet3(u) is u^3,
// Üstel2(u) is 2^u, Üstele(u) is exp(u).
struct Tree {
  enum class Kind {
    Number,    // text: the digits
    X,         // the variable x
    Pi,        // the constant pi
    E,         // Euler's number e
    Add,       // kids[0] + kids[1]
    Sub,       // kids[0] - kids[1]
    Mul,       // kids[0] * kids[1]
    Div,       // kids[0] / kids[1]
    Pow,       // kids[0] ^ kids[1]
    Neg,       // -kids[0]
    Call,      // text(kids[0]), with param for log, root, perm, comb
    Equation,  // kids[0] = kids[1]
    Limit,     // the limit of kids[0] as x tends to the number kids[1]
  };

  Kind kind = Kind::Number;
  std::string text;   // the digits of a Number, the name of a Call
  std::string param;  // the base, degree or count of a Call ("" when none)
  std::vector<Tree> kids;

  // The builders move their subtrees in (a brace list would copy them).
  static Tree Number(std::string digits) { return Tree{Kind::Number, std::move(digits), {}, {}}; }
  static Tree Leaf(Kind k) { return Tree{k, {}, {}, {}}; }
  static Tree Unary(Kind k, Tree a) { return With(Tree{k, {}, {}, {}}, std::move(a)); }
  static Tree Binary(Kind k, Tree a, Tree b) { return With(With(Tree{k, {}, {}, {}}, std::move(a)), std::move(b)); }
  static Tree Call(std::string name, Tree arg, std::string param = {}) {
    return With(Tree{Kind::Call, std::move(name), std::move(param), {}}, std::move(arg));
  }
  static Tree With(Tree t, Tree kid) {
    t.kids.reserve(2);
    t.kids.push_back(std::move(kid));
    return t;
  }
};

}  // namespace velsira::algebra
