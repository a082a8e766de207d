// The reader of ordinary notation: readings as plain text, its messages
// and positions, hostile texts, and every derivative and integral answer of
// the end-to-end cases read back.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <string>

#include <ginac/ginac.h>
#include <nlohmann/json.hpp>

#include "algebra/Conversion.h"
#include "algebra/Reader.h"
#include "batch/BatchSession.h"

namespace velsira::algebra {
namespace {

using velsira::BatchSession;

// Whether GiNaC's own parser reads plain, where plain names only functions
// GiNaC knows; names it does not know (cot, sec, ...) count as read.
bool readsWithGinac(const std::string& plain) {
  for (const char* name : {"cot(", "sec(", "csc(", "coth(", "sech(", "csch(", "acot(", "asec(", "acsc(", "acoth("})
    if (plain.find(name) != std::string::npos) return true;
  GiNaC::symtab table;
  table["x"] = GiNaC::symbol("x");
  table["pi"] = GiNaC::Pi;
  GiNaC::parser reader(table, true);
  try {
    reader(plain);
    return true;
  } catch (const std::exception& e) {
    ADD_FAILURE() << "GiNaC does not read " << plain << ": " << e.what();
    return false;
  }
}


TEST(Reader, ReadsOrdinaryNotationAndTheProgramsSyntax) {
  const std::pair<std::string_view, std::string_view> rows[] = {
      // precedence
      {"-x^2", "-(x^2)"},
      {"-2^2", "-(2^2)"},
      {"2^3^2", "2^(3^2)"},
      {"2^-1", "2^(-1)"},
      {"1/2x", "1/(2*x)"},
      {"x/2*3", "x/2*3"},
      {"x-(x-1)", "x-(x-1)"},
      // products without a sign
      {"2x", "2*x"},
      {"3sin(x)", "3*sin(x)"},
      {"x sin(x)", "x*sin(x)"},
      {"(x+1)(x-1)", "(x+1)*(x-1)"},
      {"2(x+1)", "2*(x+1)"},
      {"(x+1)x", "(x+1)*x"},
      // functions
      {"sin x", "sin(x)"},
      {"sin 2x", "sin(2*x)"},
      {"sin x cos x", "sin(x)*cos(x)"},
      {"sin^2(x)", "sin(x)^2"},
      {"SIN²x", "sin(x)^2"},
      {"arcsin(x)+asin(x)", "asin(x)+asin(x)"},
      {"arcsinh(x)", "asinh(x)"},
      {"log(x)", "(log(x)/log(10))"},
      {"log2(x)", "(log(x)/log(2))"},
      {"ln x", "log(x)"},
      {"sqrt(x)+kök(x)+√x", "sqrt(x)+sqrt(x)+sqrt(x)"},
      {"exp(x)+e^x", "exp(x)+exp(x)"},
      {"e", "exp(1)"},
      {"π+pi", "pi+pi"},
      {"|x-1|", "abs(x-1)"},
      // numbers and Unicode signs
      {"0,5x + 1.5", "0.5*x+1.5"},
      {"1,5E20", "1.5*10^20"},
      {"2 − 3 × 4 ÷ 5 · 6", "2-3*4/5*6"},
      {"x²+x³−x⁴+x¹⁰", "x^2+x^3-x^4+x^10"},
      {"x⁻¹", "x^(-1)"},
      // the program's own syntax and the texts it writes
      {"[(x²)]+[Sin(x)]", "x^2+sin(x)"},
      {"Sin[Cos(x)]", "sin(cos(x))"},
      {"[Kuvvet3(2x+1)]", "(2*x+1)^3"},
      {"Üstel2(x)+Üstele(x)", "2^x+exp(x)"},
      {"Kök3(x)", "((x)^(1/3))"},
      {"1/(1)*-Cos(x)", "1/1*(-cos(x))"},
      {"(+(1*2-0*x)/(2)²)", "(1*2-0*x)/2^2"},
      {"1/(1)*-lnCos(x)", "1/1*(-log(cos(x)))"},
      {"(1)/(|x|*Kök((x)²-1))", "1/(abs(x)*sqrt(x^2-1))"},
      {"((1)*(1+tan²(x)))", "1*(1+tan(x)^2)"},
      {"0,5*(x)^-0,5*(1)", "0.5*x^(-0.5)*1"},
      {"(x²)/2+ex+x*Sin(5)", "x^2/2+exp(1)*x+x*sin(5)"},
      {"[!(5)]+Kom2(5)", "factorial(5)+binomial(5,2)"},
      // equations and limits
      {"x^2-x-2=0", "x^2-x-2-(0)"},
      {"lim(2x+1)\nx=3", "2*x+1"},
  };
  for (const auto& [text, plain] : rows) {
    SCOPED_TRACE(std::string(text));
    EXPECT_EQ(PlainOf(text), plain);
    EXPECT_TRUE(readsWithGinac(std::string(plain)));
  }
}

TEST(Reader, LimitsKeepTheirPoint) {
  for (std::string_view text : {"lim(2x+1)\nx=3", "lim x→3 2x+1", "lim(x->3) (2x+1)", "lim(2x+1); x=3"}) {
    SCOPED_TRACE(std::string(text));
    const Tree t = Read(text);
    ASSERT_EQ(t.kind, Tree::Kind::Limit);
    ASSERT_EQ(t.kids.size(), 2u);
    EXPECT_EQ(PlainText(t.kids[1]), "3");
  }
}

TEST(Reader, RefusalsNamePositionAndWhatWasExpected) {
  const struct {
    std::string_view text;
    size_t position;
    std::string_view message;
  } rows[] = {
      {"(x+1", 5, "5. karakterde ')' bekleniyordu"},
      {"[x+1)", 5, "5. karakterde ']' bekleniyordu"},
      {"x²)", 3, "3. karakterde bu kapanan parantezden önce onu açan bir parantez bekleniyordu"},
      {"sin(", 5, "5. karakterde ifadenin devamı bekleniyordu"},
      {"2+*3", 3, "3. karakterde bir sayı, x, bir ad ya da '(' bekleniyordu"},
      {"KuvvetN(x)", 7, "7. karakterde adın arkasında bir sayı bekleniyordu"},
      {"2y+foo(x)", 2, "2. karakterde bilinmeyen ad: 'y'"},
      {"2,5,3", 4, "4. karakterde tek bir ondalık ayırıcı bekleniyordu"},
      {"x # 2", 3, "3. karakterde okunamayan karakter: '#'"},
      {"ağaç", 1, "1. karakterde bilinmeyen ad: 'ağaç'"},
      {"sin^-1(x)", 4, "4. karakterde '(' ya da fonksiyonun bağımsız değişkeni bekleniyordu"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.text));
    try {
      Read(row.text);
      ADD_FAILURE() << "read";
    } catch (const ReadError& e) {
      EXPECT_EQ(e.position(), row.position);
      EXPECT_EQ(std::string(e.what()), row.message);
    }
  }
}

// Reads text and says how it went; only ReadError may come out.
bool readsQuickly(const std::string& text) {
  const auto start = std::chrono::steady_clock::now();
  bool read = true;
  try {
    Read(text);
  } catch (const ReadError&) {
    read = false;
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
  return read;
}

TEST(Reader, HostileTextsAreRefusedQuickly) {
  EXPECT_FALSE(readsQuickly(std::string(1 << 20, '(')));
  EXPECT_FALSE(readsQuickly(std::string(300, '(') + "x" + std::string(300, ')')));
  EXPECT_FALSE(readsQuickly(std::string(300, '-') + "x"));
  EXPECT_FALSE(readsQuickly("2" + std::string(300, '^')));
  EXPECT_TRUE(readsQuickly(std::string(150, '(') + "x" + std::string(150, ')')));
  std::string sum = "x";
  while (sum.size() < 9990) sum += "+x";
  EXPECT_TRUE(readsQuickly(sum));
  EXPECT_FALSE(readsQuickly(sum + "+x+x+x+x+x+x"));
  std::mt19937 random(17);
  for (int k = 0; k < 200; ++k) {
    std::string bytes(1 + random() % 64, '\0');
    for (char& c : bytes) c = static_cast<char>(random() % 256);
    readsQuickly(bytes);
  }
  EXPECT_FALSE(readsQuickly("x" + std::string(5000, '!')));
  EXPECT_FALSE(readsQuickly(std::string(3000, 's') + "in x"));
  // A long reading converts quickly too.
  const auto start = std::chrono::steady_clock::now();
  EXPECT_NO_THROW(ToProgramSyntax(Read(sum), Operation::Derive));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
  try {
    Read(std::string(300, '('));
  } catch (const ReadError& e) {
    EXPECT_EQ(std::string(e.what()), "201. karakterde iç içe en çok 200 düzey okunur");
  }
}

// Every answer of "Türev Al" and "İntegral Al" (without its "+c") to the
// inputs of the end-to-end cases, asked anew, reads back.
TEST(Reader, ReadsEveryDerivativeAndIntegralAnswerToTheCases) {
  int read = 0;
  for (const auto& file : std::filesystem::directory_iterator(VELSIRA_CASES_DIR)) {
    std::ifstream in(file.path());
    for (std::string line; std::getline(in, line);) {
      if (line.empty()) continue;
      const nlohmann::json c = nlohmann::json::parse(line);
      const nlohmann::json requests = c.contains("seq") ? c["seq"] : nlohmann::json::array({c["request"]});
      if (!requests.is_array() || requests.empty() || !requests.back().is_object()) continue;
      const std::string op = requests.back().value("op", "");
      if (op != "derive" && op != "integrate") continue;
      BatchSession session;
      nlohmann::json answer;
      for (const nlohmann::json& r : requests) answer = session.Handle(r);
      if (!answer.contains("result") || !answer["error"].is_null()) continue;
      std::string result = answer["result"];
      if (op == "integrate" && result.ends_with("+c")) result.resize(result.size() - 2);
      if (result.empty() || result == "()" || result.size() > kReadLimit) continue;
      SCOPED_TRACE(file.path().filename().string() + ": " + result);
      std::string plain;
      EXPECT_NO_THROW(plain = PlainOf(result));
      if (readsWithGinac(plain)) ++read;
    }
  }
  std::cout << "[ engine answers read ] " << read << "\n";
  EXPECT_GT(read, 50);
}

}  // namespace
}  // namespace velsira::algebra
