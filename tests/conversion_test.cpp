// What students type, across the operations: the program text each reading
// becomes (or its refusal), and every converted text run through the same
// session velsira-batch runs, which must answer it without an error.
#include <gtest/gtest.h>

#include <iostream>
#include <string>
#include <string_view>

#include "algebra/Conversion.h"
#include "algebra/Reader.h"
#include "batch/BatchSession.h"

namespace velsira::algebra {
namespace {

struct Row {
  Operation op;
  std::string_view typed;
  std::string_view program;  // empty: the operation's syntax cannot hold it
};

// clang-format off
const Row kRows[] = {
    {Operation::Derive, "x^2+sin(x)", "[(x²)]+[Sin(x)]"},
    {Operation::Derive, "2x+3", "[(2x+3)]"},
    {Operation::Derive, "cos(2x)", "[Cos(2x)]"},
    {Operation::Derive, "(x+1)(x-1)", "[(x+1)*(x-1)]"},
    {Operation::Derive, "e^x", "[Üstele(x)]"},
    {Operation::Derive, "sqrt(x)", "[Kök(x)]"},
    {Operation::Derive, "1/x", "[(1)/(x)]"},
    {Operation::Derive, "0,5x^2", "[(0,5x²)]"},
    {Operation::Derive, "x sin(x)", "[(x)*Sin(x)]"},
    {Operation::Derive, "-sin(x)", "[(0)]-[Sin(x)]"},
    {Operation::Derive, "sin(cos(x))", "Sin[Cos(x)]"},
    {Operation::Derive, "sin(x)^2", "Kuvvet2[Sin(x)]"},
    {Operation::Derive, "3sin(x)cos(x)", "[3Sin(x)*Cos(x)]"},
    {Operation::Derive, "ln(x^2+1)", "[ln(x²+1)]"},
    {Operation::Derive, "x^2*sin(x)/cos(x)", "[(x²)*Sin(x)/Cos(x)]"},
    {Operation::Derive, "2^x", "[Üstel2(x)]"},
    {Operation::Derive, "x^-2", "[(1)/(x²)]"},
    {Operation::Derive, "(x^2+1)^3", "[Kuvvet3(x²+1)]"},
    {Operation::Derive, "tan x", "[Tan(x)]"},
    {Operation::Derive, "arctan(x)", "[ArcTan(x)]"},
    {Operation::Derive, "log(x)", "[log10(x)]"},
    {Operation::Derive, "x³−2x² + 5", "[(x³-2x²+5)]"},
    {Operation::Derive, "cos²(x)", "Kuvvet2[Cos(x)]"},
    {Operation::Derive, "x·e^x", "[(x)*Üstele(x)]"},
    {Operation::Derive, "sinh(x)+cosh(x)", "[Sinh(x)]+[Cosh(x)]"},
    {Operation::Integrate, "x^2+sin(x)", "(x²)+Sin(x)"},
    {Operation::Integrate, "3x^2+2x+1", "(3x²+2x+1)"},
    {Operation::Integrate, "cos(2x+1)", "Cos(2x+1)"},
    {Operation::Integrate, "-sin(x)", "(0)-Sin(x)"},
    {Operation::Integrate, "x^3-x", "(x³-x)"},
    {Operation::Integrate, "sinh(3x)", "Sinh(3x)"},
    {Operation::Integrate, "5", "(5)"},
    {Operation::Calc, "sin(30)", "[Sin(30)]"},
    {Operation::Calc, "2^3^2", "[(2^9)]"},
    {Operation::Derive, "x^2^2", "[(x^4)]"},
    {Operation::Calc, "2^10+3²", "[(2^10+3^2)]"},
    {Operation::Calc, "sqrt(16)+log(100)", "[Kök(16)]+[log10(100)]"},
    {Operation::Calc, "pi*2", "[(pi*2)]"},
    {Operation::Calc, "1,5E-3*2", "[(0,0015*2)]"},
    {Operation::Calc, "5!", "[!(5)]"},
    {Operation::Calc, "2·3+4÷2", "[(2*3+4/2)]"},
    {Operation::Calc, "ln(e)", "[ln(e)]"},
    {Operation::Calc, "-cos(60)", "[(0)]-[Cos(60)]"},
    {Operation::At, "x^2+sin(x)", "[(x²)]+[Sin(x)]"},
    {Operation::At, "e^x", "[Üstel2,71828182845905(x)]"},
    {Operation::At, "1/x", "[(1)/(x)]"},
    {Operation::At, "(x+1)(x-1)", "[(x+1)*(x-1)]"},
    {Operation::Roots, "x^2+x-2", "[(x²+x-2)]"},
    {Operation::Roots, "x^3-x=0", "[(x³-x)]"},
    {Operation::Plot, "x^3-2x", "[(x³-2x)]"},
    {Operation::Plot, "sin(x)", "[Sin(x)]"},
    {Operation::Quadratic, "x^2-x-2=0", "[(1x²-1x-2)]"},
    {Operation::Quadratic, "2x²-3x+1", "[(2x²-3x+1)]"},
    {Operation::Quadratic, "x^2-4", "[(1x²+0x-4)]"},
    {Operation::Quadratic, "(x+1)(x-2)", "[(1x²-1x-2)]"},
    {Operation::DeltaEpsilon, "lim(2x+1)\nx=3", "lim(2x+1)\nx=3"},
    {Operation::DeltaEpsilon, "lim x→3 (x-5)", "lim(1x-5)\nx=3"},
    {Operation::Limit, "2x+1", "lim(2x+1)\nx="},
    {Operation::Derive, "3x⁴ − 2x + 1", "[(3x^4-2x+1)]"},
    {Operation::Derive, "(2x+1)/(x−1)", "[(2x+1)/(x-1)]"},
    {Operation::Derive, "x×sin x", "[(x)*Sin(x)]"},
    {Operation::Derive, "√x + 1/x", "[Kök(x)]+[(1)/(x)]"},
    {Operation::Derive, "kök(x)+Sin(x)", "[Kök(x)]+[Sin(x)]"},
    {Operation::Derive, "Sin[(x²)]", "[Sin(x²)]"},
    {Operation::Derive, "[(x²)]+[Sin(x)]", "[(x²)]+[Sin(x)]"},
    {Operation::Derive, "sec(x)", "[Sec(x)]"},
    {Operation::Derive, "arcsin(2x)", "[ArcSin(2x)]"},
    {Operation::Derive, "x^0,5", "[(x^0,5)]"},
    {Operation::Derive, "e^(x^2)", "[Üstele(x²)]"},
    {Operation::Derive, "sin(cos(tan(x)))", ""},
    {Operation::Derive, "|x|", ""},
    {Operation::Derive, "x^x", ""},
    {Operation::Derive, "(x^2+1)^(1/2)", "[Kök(x²+1)]"},
    {Operation::Derive, "x^(1/3)", "[Kök3(x)]"},
    {Operation::Derive, "sin(x)^x", ""},
    {Operation::Integrate, "(x²)+Sin(x)", "(x²)+Sin(x)"},
    {Operation::Integrate, "x sin(x)", ""},
    {Operation::Integrate, "0,5x^2", ""},
    {Operation::Integrate, "2e^x", ""},
    {Operation::Integrate, "sin(x^2)", ""},
    {Operation::Integrate, "1/x", ""},
    {Operation::Integrate, "4x^3 + cos(3x) − 2", "(4x³)+Cos(3x)-(2)"},
    {Operation::Calc, "sin(x)", ""},
    {Operation::Calc, "x = 2", ""},
    {Operation::Calc, "2·(3+4)", "[(2)*(3+4)]"},
    {Operation::Calc, "log2(8) + ln(1)", "[log2(8)]+[ln(1)]"},
    {Operation::Calc, "cos(pi)", "[Cos(pi)]"},
    {Operation::At, "x^2−3x+2", "[(x²-3x+2)]"},
    {Operation::At, "sin(x)cos(x)", "[Sin(x)*Cos(x)]"},
    {Operation::At, "(x−1)/(x+1)", "[(x-1)/(x+1)]"},
    {Operation::Roots, "x^2 = 4", "[(x²-4)]"},
    {Operation::Roots, "(x−1)(x+2)(x−3)", "[(x-1)*(x+2)*(x-3)]"},
    {Operation::Plot, "x^2", "[(x²)]"},
    {Operation::Plot, "2x+1", "[(2x+1)]"},
    {Operation::Quadratic, "x² + 5x + 6 = 0", "[(1x²+5x+6)]"},
    {Operation::Quadratic, "x^3-1", ""},
    {Operation::Quadratic, "0,5x^2+1", ""},
    {Operation::Quadratic, "2x+1", ""},
    {Operation::DeltaEpsilon, "2x+1", ""},
    {Operation::DeltaEpsilon, "lim(x^2)\nx=1", ""},
    {Operation::DeltaEpsilon, "lim x→-2 3x+4", "lim(3x+4)\nx=-2"},
    {Operation::Limit, "lim(5x-1)", "lim(5x-1)\nx="},
};
// clang-format on

// The batch op of an operation.
std::string batchOp(Operation op) {
  switch (op) {
    case Operation::Derive: return "derive";
    case Operation::Integrate: return "integrate";
    case Operation::Calc: return "calc";
    case Operation::At: return "at";
    case Operation::Quadratic: return "quadratic";
    case Operation::Roots: return "roots";
    case Operation::Plot: return "plot";
    case Operation::DeltaEpsilon: return "delta-epsilon";
    case Operation::Limit: return "limit";
  }
  return "";
}

// The answer of a fresh program state to op on text; dialogs get small
// ranges, the number box holds 2.
nlohmann::json run(Operation op, const std::string& text) {
  BatchSession session;
  nlohmann::json request = {{"op", batchOp(op)}, {"input", text}, {"edit", "2"}};
  if (op == Operation::Roots) request["answers"] = {"-5", "5"};
  if (op == Operation::Plot) request["answers"] = {"-3", "3", "-100", "100"};
  return session.Handle(request);
}

TEST(Conversion, StudentInputsBecomeProgramTextsTheEngineAnswers) {
  int answered = 0, refused = 0;
  for (const Row& row : kRows) {
    SCOPED_TRACE(std::string(row.typed));
    const Tree tree = Read(row.typed);
    if (row.program.empty()) {
      EXPECT_THROW(ToProgramSyntax(tree, row.op), ConversionError);
      ++refused;
      continue;
    }
    const std::string text = ToProgramSyntax(tree, row.op);
    EXPECT_EQ(text, row.program);
    // Limit's answer is the frame itself: the button does not run on it
    // (it refuses a text that has its second line already).
    if (row.op == Operation::Limit) {
      ++answered;
      continue;
    }
    const nlohmann::json answer = run(row.op, text);
    EXPECT_TRUE(answer["error"].is_null()) << answer["error"];
    if (row.op != Operation::Plot) {
      EXPECT_NE(answer["result"], "");
    }
    if (answer["error"].is_null()) ++answered;
  }
  std::cout << "[ ordinary inputs ] " << answered << " answered, " << refused << " refused, of "
            << std::size(kRows) << "\n";
  EXPECT_GE(std::size(kRows), 60u);
}

// The converted text keeps the value: the engine's value of the typed
// expression at x = 2 equals its value written in plain text, read back.
TEST(Conversion, ConvertedTextKeepsTheValueAtAPoint) {
  const std::pair<std::string_view, std::string_view> rows[] = {
      {"x^2+3x-1", "9"}, {"(x+1)(x-1)", "3"}, {"1/x + 2", "2,5"}, {"x³/4", "2"},
      {"-x^2", "-4"},    {"2^x", "4"},         {"-2x+1", "-3"},    {"6/2x", "1,5"},
  };
  for (const auto& [typed, value] : rows) {
    SCOPED_TRACE(std::string(typed));
    EXPECT_EQ(run(Operation::At, ToProgramSyntax(Read(typed), Operation::At))["result"], value);
  }
}

// Which forms each syntax holds: the names of functions per operation.
TEST(Conversion, FunctionNamesPerOperation) {
  const struct {
    std::string_view typed;
    Operation op;
    std::string_view name;  // empty: no name in that syntax
  } rows[] = {
      {"sin(x)", Operation::Derive, "Sin"},       {"sin(x)", Operation::Integrate, "Sin"},
      {"asin(x)", Operation::Calc, "ArcSin"},     {"asin(x)", Operation::Integrate, ""},
      {"sech(x)", Operation::Derive, "Sech"},     {"sech(x)", Operation::Calc, ""},
      {"log(x)", Operation::Derive, "log10"},     {"log2(x)", Operation::Calc, "log2"},
      {"Kök3(x)", Operation::Plot, "Kök3"},       {"sqrt(x)", Operation::At, "Kök"},
      {"5!", Operation::Calc, "!"},               {"5!", Operation::Derive, ""},
      {"Kom2(5)", Operation::Calc, "Kom2"},       {"abs(x)", Operation::Derive, ""},
      {"log(x)", Operation::DeltaEpsilon, ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.typed));
    EXPECT_EQ(ProgramName(Read(row.typed), row.op), row.name);
  }
}

TEST(Conversion, RefusalsSayWhichPartCannotBeWritten) {
  try {
    ToProgramSyntax(Read("sin(x)+|x|"), Operation::Derive);
    FAIL();
  } catch (const ConversionError& e) {
    EXPECT_STREQ(e.what(), "'abs(x)' kısmı Türev Al yazımıyla yazılamaz");
  }
  try {
    ToProgramSyntax(Read("x sin(x)"), Operation::Integrate);
    FAIL();
  } catch (const ConversionError& e) {
    EXPECT_EQ(std::string(e.what()).find("'x*sin(x)' kısmı İntegral Al"), 0u);
  }
}

}  // namespace
}  // namespace velsira::algebra
