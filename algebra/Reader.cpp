// The second pass of the reader: precedence climbing over the tokens, one
// short function per grammar rule.
#include "algebra/Reader.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "algebra/ReadMessages.h"
#include "algebra/Tokens.h"

namespace velsira::algebra {
namespace {

using K = Token::Kind;
using T = Tree::Kind;

class Parser {
 public:
  explicit Parser(std::vector<Token> tokens) : t_(std::move(tokens)) {}
  Tree statement();

 private:
  // Counts one level of nesting for as long as it lives.
  struct Level {
    Level(Parser& p) : p_(p) {
      if (++p_.depth_ > kDepthLimit) RaiseRead(ReadProblem::TooDeep, p_.peek().position);
    }
    ~Level() { --p_.depth_; }
    Parser& p_;
  };

  const Token& peek(size_t ahead = 0) const { return t_[std::min(i_ + ahead, t_.size() - 1)]; }
  bool at(K k) const { return peek().kind == k; }
  const Token& take() { return t_[i_ < t_.size() - 1 ? i_++ : i_]; }
  void expect(K k, std::string_view what);
  [[noreturn]] void expected(std::string_view what) const {
    RaiseRead(ReadProblem::Expected, peek().position, what);
  }

  Tree expression();
  Tree term();
  Tree unary();
  Tree implicit(bool stopBeforeName);
  Tree power();
  Tree exponent();
  Tree postfix();
  Tree primary();
  Tree group();
  Tree function();
  Tree argument();
  Tree limit();
  Tree point();

  std::vector<Token> t_;
  size_t i_ = 0;
  size_t depth_ = 0;
};

void Parser::expect(K k, std::string_view what) {
  if (!at(k)) expected(what);
  take();
}

Tree Parser::statement() {
  Tree tree = at(K::Lim) ? limit() : expression();
  if (at(K::Equals) && tree.kind != T::Limit) {
    take();
    tree = Tree::Binary(T::Equation, std::move(tree), expression());
  }
  if (!at(K::End)) expected(at(K::Close) ? "bu kapanan parantezden önce onu açan bir parantez" : "bir işlem işareti ya da metnin sonu");
  return tree;
}

Tree Parser::expression() {
  Tree tree = term();
  while (at(K::Plus) || at(K::Minus)) {
    const T kind = take().kind == K::Plus ? T::Add : T::Sub;
    tree = Tree::Binary(kind, std::move(tree), term());
  }
  return tree;
}

Tree Parser::term() {
  Tree tree = unary();
  while (at(K::Times) || at(K::Divide)) {
    const T kind = take().kind == K::Times ? T::Mul : T::Div;
    tree = Tree::Binary(kind, std::move(tree), unary());
  }
  return tree;
}

Tree Parser::unary() {
  if (at(K::Minus) || at(K::Plus)) {
    Level level(*this);
    const bool minus = take().kind == K::Minus;
    Tree operand = unary();
    return minus ? Tree::Unary(T::Neg, std::move(operand)) : operand;
  }
  return implicit(false);
}

// Factors written side by side. A function name without parentheses stops
// its argument before the next name.
Tree Parser::implicit(bool stopBeforeName) {
  Tree tree = power();
  while (at(K::Implicit)) {
    if (stopBeforeName && (peek(1).kind == K::Name || peek(1).kind == K::Lim)) break;
    take();
    tree = Tree::Binary(T::Mul, std::move(tree), power());
  }
  return tree;
}

Tree Parser::power() {
  Tree base = postfix();
  if (!at(K::Caret)) return base;
  take();
  return Tree::Binary(T::Pow, std::move(base), exponent());
}

Tree Parser::exponent() {
  Level level(*this);
  if (at(K::Minus)) {
    take();
    return Tree::Unary(T::Neg, exponent());
  }
  if (at(K::Plus)) take();
  return power();
}

// A superscript digit run as a tree: "2" is 2, "-1" is -(1).
Tree superscript(const Token& token) {
  const std::string& s = token.text;
  const size_t digits = s.find_first_not_of('-');
  if (digits == std::string::npos || s.find('-', digits) != std::string::npos)
    RaiseRead(ReadProblem::Expected, token.position, "üst simgede bir sayı");
  Tree n = Tree::Number(s.substr(digits));
  return digits % 2 ? Tree::Unary(T::Neg, std::move(n)) : n;
}

Tree Parser::postfix() {
  Tree tree = primary();
  for (size_t count = 0; at(K::Super) || at(K::Bang); ++count) {
    if (count == kDepthLimit) RaiseRead(ReadProblem::TooDeep, peek().position);
    const Token& token = take();
    if (token.kind == K::Bang) tree = Tree::Call("fact", std::move(tree));
    else tree = Tree::Binary(T::Pow, std::move(tree), superscript(token));
  }
  return tree;
}

Tree Parser::primary() {
  switch (peek().kind) {
    case K::Number: return Tree::Number(take().text);
    case K::X: take(); return Tree::Leaf(T::X);
    case K::Pi: take(); return Tree::Leaf(T::Pi);
    case K::E: take(); return Tree::Leaf(T::E);
    case K::Open: case K::Bar: return group();
    case K::Name: return function();
    case K::Bang:
      take();
      if (at(K::Implicit)) take();
      if (!at(K::Open)) expected("'('");
      return Tree::Call("fact", group());
    default:
      expected(at(K::End) ? "ifadenin devamı" : "bir sayı, x, bir ad ya da '('");
  }
}

// A group in ( ), [ ] or | |.
Tree Parser::group() {
  Level level(*this);
  const Token open = take();
  Tree inside = expression();
  if (open.kind == K::Bar) {
    if (!at(K::Bar)) expected("'|'");
    take();
    return Tree::Call("abs", std::move(inside));
  }
  const bool round = open.text == "(";
  if (!at(K::Close) || (peek().text == ")") != round) expected(round ? "')'" : "']'");
  take();
  return inside;
}

// The argument of a function: in parentheses, or the next function, or
// the next product written without signs.
Tree Parser::argument() {
  if (at(K::Open)) return group();
  Level level(*this);
  if (at(K::Name)) return postfix();
  if (at(K::Number) || at(K::X) || at(K::Pi) || at(K::E) || at(K::Bar)) return implicit(true);
  expected("'(' ya da fonksiyonun bağımsız değişkeni");
}

Tree Parser::function() {
  const Token name = take();
  // sin²(x) and sin^2(x): the power of the function's value.
  std::optional<Tree> power;
  if (at(K::Super)) power = superscript(take());
  else if (at(K::Caret) && peek(1).kind == K::Number) {
    take();
    power = Tree::Number(take().text);
  }
  if (power && at(K::Implicit)) take();
  Tree arg = argument();
  Tree call;
  if (name.text == "kuvvet") call = Tree::Binary(T::Pow, std::move(arg), Tree::Number(name.param));
  else if (name.text == "power" && name.param == "e") call = Tree::Call("exp", std::move(arg));
  else if (name.text == "power") call = Tree::Binary(T::Pow, Tree::Number(name.param), std::move(arg));
  else call = Tree::Call(name.text, std::move(arg), name.param);
  return power ? Tree::Binary(T::Pow, std::move(call), std::move(*power)) : call;
}

// The point of a limit: a number with an optional sign.
Tree Parser::point() {
  const bool minus = at(K::Minus) && (take(), true);
  if (!at(K::Number)) expected("limit noktası olarak bir sayı");
  Tree n = Tree::Number(take().text);
  return minus ? Tree::Unary(T::Neg, std::move(n)) : n;
}

// «lim(f)» with «x=a» after it (on the next line, after «;» or a blank), or
// «lim x→a f», «lim(x→a) f».
Tree Parser::limit() {
  take();
  if (at(K::X) || (at(K::Open) && peek(1).kind == K::X && peek(2).kind == K::Arrow)) {
    const bool paren = at(K::Open) && (take(), true);
    expect(K::X, "'x'");
    expect(K::Arrow, "'→'");
    Tree a = point();
    if (paren) expect(K::Close, "')'");
    if (at(K::Implicit)) take();
    return Tree::With(Tree::Unary(T::Limit, expression()), std::move(a));
  }
  if (!at(K::Open)) expected("'(' ya da 'x→'");
  Tree f = group();
  if (at(K::Semicolon)) take();
  if (at(K::Implicit)) take();
  if (at(K::End)) return Tree::Unary(T::Limit, std::move(f));
  expect(K::X, "'x='");
  expect(K::Equals, "'='");
  if (at(K::End)) return Tree::Unary(T::Limit, std::move(f));
  return Tree::Binary(T::Limit, std::move(f), point());
}

}  // namespace

Tree Read(std::string_view utf8) { return Parser(Tokenize(utf8)).statement(); }

std::string PlainOf(std::string_view utf8) { return PlainText(Read(utf8)); }

}  // namespace velsira::algebra
