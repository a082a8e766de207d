// The simplified answer and its check: the guide's engine answers read
// through a small hand-written reader, the display and plain printers, and
// the outcomes ok, wrong and unknown.
#include <algorithm>
#include <chrono>
#include <map>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "algebra/Answer.h"
#include "algebra/Reader.h"
#include "algebra/AnswerText.h"
#include "algebra/CasExpr.h"
#include "algebra/DisplayPrinter.h"

namespace velsira::algebra {
namespace {

// The plain text of each engine text the tests use, written by hand.
const std::map<std::string, std::string, std::less<>> kPlain = {
    {"[(x²)]+[Sin(x)]", "x^2+sin(x)"},
    {"[Sin(x)/Cos(x)]", "sin(x)/cos(x)"},
    {"ln(x)/x", "log(x)/x"},
    {"(1-ln(x))/x^2", "(1-log(x))/x^2"},
    {"((((1)*(Cos(x))*Cos(x)-(1)*(-Sin(x))*Sin(x))/(Cos(x))²))", "((((1)*(cos(x))*cos(x)-(1)*(-sin(x))*sin(x))/(cos(x))^2))"},
    {"(((2x))+((1)*(Cos(x))))", "(((2*x))+((1)*(cos(x))))"},
    {"[(3x²+2x)]", "3*x^2+2*x"},
    {"(((6x+2)))", "(((6*x+2)))"},
    {"[(x)*Cos(x)]", "x*cos(x)"},
    {"(((1)*Cos(x)+(1)*(-Sin(x))*(x)))", "(((1)*cos(x)+(1)*(-sin(x))*(x)))"},
    {"[(x)*Sin(x)]", "x*sin(x)"},
    {"(((1)*Sin(x)+(1)*(Cos(x))*(x)))", "(((1)*sin(x)+(1)*(cos(x))*(x)))"},
    {"Sin[(x²)]", "sin(x^2)"},
    {"(((2x))*(Cos((x²))))", "(((2*x))*(cos((x^2))))"},
    {"[Kuvvet3(2x+1)]", "(2*x+1)^3"},
    {"((3*(2x+1)^2*(2+0)))", "((3*(2*x+1)^2*(2+0)))"},
    {"[(1)/(x)]", "1/x"},
    {"((((0)*(x)-(1)*(1))/((x))²))", "((((0)*(x)-(1)*(1))/((x))^2))"},
    {"[Kök(x)]", "sqrt(x)"},
    {"(((1)/(2*Kök(x))))", "(((1)/(2*sqrt(x))))"},
    {"[(x²)]", "x^2"},
    {"(((3x)))", "(((3*x)))"},
    {"[(2)*Sin(30)]+[(3)]", "2*sin(30)+3"},
    {"[Kök(16)]+[Kuvvet3(2)]", "sqrt(16)+2^3"},
    {"[(3²+2^3)]", "3^2+2^3"},
    {"[(3,5*2)]", "3.5*2"},
    {"[(2*pi)]", "2*pi"},
    {"[Sin(x)]+[(x²)]", "sin(x)+x^2"},
    {"[Sin(90)]", "sin(90)"},
    {"[ArcTan(1)]", "atan(1)"},
    {"[ArcSin(1)]", "asin(1)"},
    {"[ArcCot(-1)]", "acot(-1)"},
    {"[ArcCot(0)]", "acot(0)"},
    {"[Sin(30)]", "sin(30)"},
    {"(3x²+2)", "3*x^2+2"},
    {"(3x³)/3+2x", "(3*x^3)/3+2*x"},
    {"(x)+Cos(x)", "x+cos(x)"},
    {"(x²)/2+1/(1)*Sin(x)", "(x^2)/2+1/(1)*sin(x)"},
    {"Sin(x)", "sin(x)"},
    {"1/(1)*-Cos(x)", "1/(1)*-cos(x)"},
    {"Tan(x)", "tan(x)"},
    {"1/(1)*-ln(Cos(x))", "1/(1)*-ln(cos(x))"},
    {"(x+e)+Sin(5)", "x+e+sin(5)"},
    {"(x²)/2+e*x+x*Sin(5)", "(x^2)/2+e*x+x*sin(5)"},
    {"(x)*(x)", "x*x"},
    {"(x²)/2*(x²)/2", "(x^2)/2*(x^2)/2"},
    {"(x+1)*(x-1)", "(x+1)*(x-1)"},
    {"(x²)/2+x*(x²)/2-x", "(x^2)/2+x*(x^2)/2-x"},
    {"[(2x²-3x+1)]", "2*x^2-3*x+1"},
    {"[(x²-x-2)]", "x^2-x-2"},
    {"[(x²+2x+5)]", "x^2+2*x+5"},
    {"[(x²-4)]", "x^2-4"},
    {"[(x²-x-1000)]", "x^2-x-1000"},
    {"[Sinh(90)]", "sinh(90)"},
    {"[(x²+x-2)]", "x^2+x-2"},
    {"[(x²+1)]", "x^2+1"},
    {"[(6/x)]", "6/x"},
    {"[(x)+(1)/(x)]", "x+1/x"},
    {"(((1-1/(x)²)))", "1+1/x^2"},  // a wrong derivative: the sign of the second term
    {"[ln(x)]", "ln(x)"},
    {"[Kuvvet2(Sin(x))]+[Kuvvet2(Cos(x))]", "sin(x)^2+cos(x)^2"},
    {"(((0)))", "0"},
};

// Reads only the texts of kPlain; any other text is refused as the real reader refuses.
std::string ReadForTest(std::string_view text) {
  auto found = kPlain.find(text);
  if (found == kPlain.end()) throw std::invalid_argument("okunamadı: " + std::string(text));
  return found->second;
}

Answer Answered(AnswerKind kind, std::string input, std::string result, AngleUnit unit = AngleUnit::Degree,
           std::string at = "", bool quadratic = false) {
  return SimplifyAndCheck({kind, std::move(input), std::move(result), unit, std::move(at), quadratic},
                          ReadForTest);
}

struct GuideRow {
  AnswerKind kind;
  std::string input, result;
  AngleUnit unit;
  std::string at;
  bool quadratic;
  std::string shown, plain;
  CheckStatus status;
};

const char* const kQuadratic21 =
    "Delta=1\nKok Delta=1.000\nBirinci KÖk (3+1.000)/4\nİkinci Kök (3-1.000)/4\nBulunur.\n"
    "Yani yaklaşık X1=1.000 ; X2=0.500'dir";

// The guide's examples: engine answer → simplified display, plain, check.
TEST(AnswerSimplifyTest, GuideExamples) {
  using enum AnswerKind;
  const auto deg = AngleUnit::Degree, rad = AngleUnit::Radian, grad = AngleUnit::Grad;
  const auto ok = CheckStatus::Ok;
  const std::vector<GuideRow> rows = {
      {Derivative, "[(x²)]+[Sin(x)]", "(((2x))+((1)*(Cos(x))))", deg, "", false, "2x + Cos(x)", "2*x+cos(x)", ok},
      {Derivative, "[(3x²+2x)]", "(((6x+2)))", deg, "", false, "6x + 2", "6*x+2", ok},
      {Derivative, "[(x)*Cos(x)]", "(((1)*Cos(x)+(1)*(-Sin(x))*(x)))", deg, "", false, "Cos(x) - x·Sin(x)",
       "cos(x)-x*sin(x)", ok},
      {Derivative, "Sin[(x²)]", "(((2x))*(Cos((x²))))", deg, "", false, "2x·Cos(x²)", "2*x*cos(x^2)", ok},
      {Derivative, "[Kuvvet3(2x+1)]", "((3*(2x+1)^2*(2+0)))", deg, "", false, "24x² + 24x + 6",
       "24*x^2+24*x+6", ok},
      {Value, "[(2)*Sin(30)]+[(3)]", "4", deg, "", false, "4", "4", ok},
      {Value, "[Kök(16)]+[Kuvvet3(2)]", "12", deg, "", false, "12", "12", ok},
      {Value, "[(3²+2^3)]", "17", deg, "", false, "17", "17", ok},
      {Value, "[(3,5*2)]", "7", deg, "", false, "7", "7", ok},
      {Value, "[(2*pi)]", "6,28318530717959", deg, "", false, "6,28318530717959", "6.28318530717959", ok},
      {Integral, "(3x²+2)", "(3x³)/3+2x+c", deg, "", false, "x³ + 2x + c", "x^3+2*x", ok},
      {Integral, "(x)+Cos(x)", "(x²)/2+1/(1)*Sin(x)+c", deg, "", false, "x²/2 + Sin(x) + c", "x^2/2+sin(x)", ok},
      {Integral, "(x+e)+Sin(5)", "(x²)/2+ex+x*Sin(5)+c", deg, "", false, "x²/2 + e·x + Sin(5)·x + c",
       "x^2/2+exp(1)*x+sin(5)*x", ok},
      {Value, "[Sin(x)]+[(x²)]", "900,5", deg, "30", false, "900,5", "900.5", ok},
      {Roots, "[(2x²-3x+1)]", kQuadratic21, deg, "", true, "x = 0,5 ; x = 1", "0.5; 1", ok},
      {Roots, "[(x²-4)]", "-2,2", deg, "", false, "x = -2 ; x = 2", "-2; 2", ok},
      {Roots, "[(x²+x-2)]", "-2,1", deg, "", false, "x = -2 ; x = 1", "-2; 1", ok},
      {Value, "[Sin(90)]", "1", deg, "", false, "1", "1", ok},
      {Value, "[Sin(90)]", "0,893996663601", rad, "", false, "0,893996663601", "0.893996663601", ok},
      {Value, "[Sin(90)]", "0,987688340595", grad, "", false, "0,987688340595", "0.987688340595", ok},
      {Value, "[ArcTan(1)]", "50", grad, "", false, "50", "50", ok},
      {Integral, "(x)*(x)", "(x²)/2*(x²)/2+c", deg, "", false, "x⁴/4 + c", "x^4/4", CheckStatus::Wrong},
  };
  for (const GuideRow& r : rows) {
    SCOPED_TRACE(r.input + " → " + r.result);
    Answer a = Answered(r.kind, r.input, r.result, r.unit, r.at, r.quadratic);
    ASSERT_TRUE(a.simplified.has_value()) << a.check.detail;
    EXPECT_EQ(*a.simplified, r.shown);
    EXPECT_EQ(a.plain, r.plain);
    EXPECT_EQ(StatusName(a.check.status), StatusName(r.status)) << a.check.detail;
  }
}

// Typical answers keep these display texts.
TEST(AnswerSimplifyTest, TypicalDisplays) {
  EXPECT_EQ(Answered(AnswerKind::Derivative, "[(x)*Sin(x)]", "(((1)*Sin(x)+(1)*(Cos(x))*(x)))").simplified,
            "Sin(x) + x·Cos(x)");
  EXPECT_EQ(Answered(AnswerKind::Integral, "Sin(x)", "1/(1)*-Cos(x)+c").simplified, "-Cos(x) + c");
  // A sign goes into a sum when that writes no more minus signs.
  EXPECT_EQ(Answered(AnswerKind::Derivative, "ln(x)/x", "(1-ln(x))/x^2").simplified, "(1 - ln(x))/x²");
  // sin² + cos² = 1 joins the squares of the quotient rule's numerator.
  EXPECT_EQ(Answered(AnswerKind::Derivative, "[Sin(x)/Cos(x)]",
                     "((((1)*(Cos(x))*Cos(x)-(1)*(-Sin(x))*Sin(x))/(Cos(x))²))")
                .simplified,
            "1/Cos(x)²");
  EXPECT_EQ(Answered(AnswerKind::Integral, "Tan(x)", "1/(1)*-lnCos(x)+c").simplified, "-ln(Cos(x)) + c");
  EXPECT_EQ(Answered(AnswerKind::Roots, "[(x²-x-2)]", "-1 ; 2").simplified, "x = -1 ; x = 2");
  EXPECT_EQ(Answered(AnswerKind::Roots, "[(x²-x-2)]", "-1,2").simplified, "x = -1 ; x = 2");
  EXPECT_EQ(Answered(AnswerKind::Derivative, "[(1)/(x)]", "((((0)*(x)-(1)*(1))/((x))²))").simplified, "-1/x²");
  EXPECT_EQ(Answered(AnswerKind::Derivative, "[Kök(x)]", "(((1)/(2*Kök(x))))").simplified, "1/(2·Kök(x))");
}

struct PrintRow {
  std::string plainIn, shown, plainOut;
};

// The printers over simplified expressions; the plain text reads back as the same expression.
TEST(AnswerSimplifyTest, PrintersAndPlainRoundTrip) {
  const std::vector<PrintRow> rows = {
      {"(x+1)/x^2", "(x + 1)/x²", "(x+1)/x^2"},
      {"x^10-x^3+0.5*x", "x¹⁰ - x³ + 0,5x", "x^10-x^3+0.5*x"},
      {"exp(2*x)+2^x", "Üstel2(x) + e^(2x)", "2^x+exp(2*x)"},
      {"x^(1/3)*cos(x)^2", "Kök3(x)·Cos(x)²", "x^(1/3)*cos(x)^2"},
      {"cot(x)", "1/Tan(x)", "1/tan(x)"},
      {"log10(x)", "ln(x)/ln(10)", "log(x)/log(10)"},
      {"pi*x-asinh(x)", "pi·x - ArcSinh(x)", "pi*x-asinh(x)"},
      {"1/(x^2+1)-x", "-(x³ + x - 1)/(x² + 1)", "-(x^3+x-1)/(x^2+1)"},
      {"3*-2+1+x*-x", "-x² - 5", "-x^2-5"},
      {"0.000001*x", "1E-6x", "1e-6*x"},
      {"x^2*sin(x)/2", "x²·Sin(x)/2", "x^2*sin(x)/2"},
  };
  for (const PrintRow& r : rows) {
    SCOPED_TRACE(r.plainIn);
    GiNaC::ex simple = Simplified(ParsePlain(r.plainIn, AngleUnit::Radian));
    EXPECT_EQ(PrintDisplay(simple), r.shown);
    EXPECT_EQ(PrintPlain(simple), r.plainOut);
    EXPECT_TRUE((ParsePlain(PrintPlain(simple), AngleUnit::Radian) - simple).expand().is_zero());
  }
}

struct OutcomeRow {
  AnswerKind kind;
  std::string input, result;
  AngleUnit unit;
  std::string at;
  bool quadratic;
  CheckStatus status;
  std::string detailStart;  // the outcome's detail begins so
};

// Right, wrong and undecidable answers of every kind.
TEST(AnswerCheckTest, Outcomes) {
  using enum AnswerKind;
  using enum CheckStatus;
  const auto deg = AngleUnit::Degree, rad = AngleUnit::Radian;
  const std::string noRealRoots = "Delta=-16\nDelta<0 olduğundan gerçek kök yoktur; X1=-1.000+2.000i ; X2=-1.000-2.000i";
  const std::vector<OutcomeRow> rows = {
      {Derivative, "[(x²)]", "(((3x)))", deg, "", false, Wrong, "türev farklı: beklenen 2x, bulunan 3x; x = 0,37 için"},
      {Derivative, "[(x)+(1)/(x)]", "(((1-1/(x)²)))", deg, "", false, Wrong, "türev farklı"},
      {Derivative, "[ln(x)]", "((((0)*(x)-(1)*(1))/((x))²))", deg, "", false, Wrong, "türev farklı"},
      {Derivative, "[Kuvvet2(Sin(x))]+[Kuvvet2(Cos(x))]", "(((0)))", deg, "", false, Ok, "türev GiNaC ile"},
      {Integral, "(x+1)*(x-1)", "(x²)/2+x*(x²)/2-x+c", deg, "", false, Wrong, "integral yanlış: sonucun türevi"},
      {Integral, "Tan(x)", "1/(1)*-lnCos(x)+c", deg, "", false, Ok, "integralin türevi"},
      {Value, "[Sin(30)]", "0,6", deg, "", false, Wrong, "değer farklı: beklenen 0,5, bulunan 0,6"},
      {Value, "[Sin(30)]", "0,5", deg, "", false, Ok, "değer GiNaC ile aynı"},
      {Value, "[ArcSin(1)]", "90", deg, "", false, Ok, "değer"},
      {Value, "[ArcSin(1)]", "1,570796326795", rad, "", false, Ok, "değer"},
      {Value, "[ArcCot(-1)]", "-45", deg, "", false, Ok, "değer"},
      {Value, "[ArcCot(0)]", "90", deg, "", false, Ok, "değer"},
      // The program takes the hyperbolic functions' arguments in the angle unit too.
      {Value, "[Sinh(90)]", "2,301298902307", deg, "", false, Ok, "değer"},
      {Value, "[(6/x)]", "3", deg, "2", false, Ok, "değer"},
      {Value, "[(6/x)]", "12", deg, "2", false, Wrong, "değer farklı: beklenen 3, bulunan 12"},
      {Value, "[(x²)]", "4", deg, "", false, Unknown, "ifadede x var"},
      {Roots, "[(x²-4)]", "-2,3", deg, "", false, Wrong, "x = 3 kök değil: ifadenin değeri 5"},
      {Roots, "[(x²+1)]", "", deg, "", false, Unknown, "kök bulunmadı"},
      {Roots, "[(x²+1)]", "Bu aralıkta tam sayı kök bulunamadı.", deg, "", false, Unknown, "kök bulunmadı"},
      {Roots, "[(x²-x-2)]", "Yani yaklaşık X1=2.000 ; X2=2.000'dir", deg, "", true, Wrong, "gerçek kök eksik: x = -1"},
      {Roots, "[(x²+2x+5)]", noRealRoots, deg, "", true, Ok, "Delta < 0"},
      {Roots, "[(x²-x-1000)]", "Yani yaklaşık X1=32.127 ; X2=-31.127'dir", deg, "", true, Ok, "kökler"},
      {Roots, "[(x²-x-1000)]", "Yani yaklaşık X1=32.137 ; X2=-31.127'dir", deg, "", true, Wrong,
       "x = 32,137 kök değil"},
      {Roots, "[(x²-4)]", noRealRoots, deg, "", true, Wrong, "gerçek kök eksik"},
      {Derivative, "[(x²)]", "(((2x)))", deg, "", false, Ok, ""},  // no plain text for the answer
      {Derivative, "[(x^^2)]", "(((6x+2)))", deg, "", false, Unknown, "girdi okunamadı"},
  };
  for (const OutcomeRow& r : rows) {
    SCOPED_TRACE(r.input + " → " + r.result);
    Answer a = Answered(r.kind, r.input, r.result, r.unit, r.at, r.quadratic);
    if (r.result == "(((2x)))") {  // the reader refuses it: nothing to show, nothing checked
      EXPECT_FALSE(a.simplified.has_value());
      EXPECT_EQ(a.plain, "");
      EXPECT_EQ(a.check.status, Unknown);
      EXPECT_EQ(a.check.detail.rfind("sonuç okunamadı", 0), 0u) << a.check.detail;
      continue;
    }
    EXPECT_EQ(StatusName(a.check.status), StatusName(r.status)) << a.check.detail;
    EXPECT_EQ(a.check.detail.rfind(r.detailStart, 0), 0u) << a.check.detail;
  }
}

// Texts over the length limit, broken texts and a reader that throws give unknown, never an exception.
TEST(AnswerCheckTest, UnknownWithoutThrowing) {
  std::string longInput = "[(x²)]" + std::string(kAnswerTextLimit, ' ');
  Answer tooLong = Answered(AnswerKind::Derivative, longInput, "(((2x)))");
  EXPECT_FALSE(tooLong.simplified.has_value());
  EXPECT_EQ(tooLong.check.status, CheckStatus::Unknown);
  EXPECT_NE(tooLong.check.detail.find("çok uzun"), std::string::npos);

  for (const char* garbage : {"2*+", ")(", "x^", "sin()"}) {
    Answer a = SimplifyAndCheck({AnswerKind::Derivative, "[(x²)]", "(((2x)))", AngleUnit::Degree, "", false},
                                [&](std::string_view) { return std::string(garbage); });
    EXPECT_FALSE(a.simplified.has_value()) << garbage;
    EXPECT_EQ(a.check.status, CheckStatus::Unknown) << garbage;
  }
  for (const char* result : {"", "+c", "Delta=9", "abc"}) {
    for (AnswerKind kind : {AnswerKind::Derivative, AnswerKind::Integral, AnswerKind::Value}) {
      Answer a = Answered(kind, "[(x²)]", result);
      EXPECT_FALSE(a.simplified.has_value()) << result;
      EXPECT_EQ(a.check.status, CheckStatus::Unknown) << result;
    }
  }
  Answer quadratic = Answered(AnswerKind::Roots, "[(x²)]", "Delta=9", AngleUnit::Degree, "", true);
  EXPECT_FALSE(quadratic.simplified.has_value());
}

// Random texts through reader and parser: every call returns, quickly, whatever the text.
TEST(AnswerCheckTest, RandomTextsNeverThrowOrHang) {
  const std::vector<std::string> tokens = {"x",     "sin(", "cos(", "tan(", "cot(", "ln(", "sqrt(", "exp(",
                                           "asin(", "acot(", "coth(", "(",    ")",    "+",    "-",   "*",
                                           "/",     "^",    "2",    "0.5",  "pi",   "e",    "10",  "1e-6"};
  std::mt19937 random(17);
  for (int i = 0; i < 3000; ++i) {
    std::string text;
    for (size_t n = 1 + random() % 12; n > 0; --n) text += tokens[random() % tokens.size()];
    for (size_t open = std::count(text.begin(), text.end(), '('); open > 0; --open) text += ')';
    for (AnswerKind kind : {AnswerKind::Derivative, AnswerKind::Integral, AnswerKind::Value}) {
      auto start = std::chrono::steady_clock::now();
      Answer a = SimplifyAndCheck({kind, text, text, AngleUnit::Degree, "", false},
                                  [](std::string_view t) { return std::string(t); });
      double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      EXPECT_LT(seconds, 1.0) << text;
      if (!a.simplified) {
        EXPECT_EQ(a.check.status, CheckStatus::Unknown) << text;
      }
    }
  }
}

// A large power is printed as it is and checked at sample points, quickly.
TEST(AnswerCheckTest, LargeExpressionsStayBounded) {
  GiNaC::ex big = ParsePlain("(x+1)^5000", AngleUnit::Radian);
  EXPECT_FALSE(SymbolicWorkIsCheap(big));
  EXPECT_EQ(PrintPlain(Simplified(big)), "(x+1)^5000");
  Answer a = SimplifyAndCheck({AnswerKind::Derivative, "in", "out", AngleUnit::Degree, "", false},
                              [](std::string_view t) {
                                return std::string(t == "in" ? "(x+1)^5000" : "5000*(x+1)^4999");
                              });
  ASSERT_TRUE(a.simplified.has_value());
  EXPECT_EQ(*a.simplified, "5000·(x + 1)⁴⁹⁹⁹");
  EXPECT_NE(a.check.status, CheckStatus::Wrong) << a.check.detail;

  // Functions nested deep and products of many factors: shown, not checked, within a second.
  std::string nested, product;
  for (int i = 0; i < 300; ++i) nested = "sin(x+" + nested;
  nested += "x" + std::string(300, ')');
  for (int i = 0; i < 700; ++i) product += "(x+" + std::to_string(i) + ")*";
  product += "1";
  for (const std::string& text : {nested, product}) {
    for (AnswerKind kind : {AnswerKind::Derivative, AnswerKind::Integral}) {
      auto start = std::chrono::steady_clock::now();
      Answer shown = SimplifyAndCheck({kind, text, text, AngleUnit::Degree, "", false},
                                      [](std::string_view t) { return std::string(t); });
      EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 1.0);
      EXPECT_TRUE(shown.simplified.has_value());
      EXPECT_EQ(shown.check.detail, "karşılaştırılamadı: ifade çok büyük");
    }
  }

  // A huge whole power of a number is not computed digit by digit.
  Answer huge = SimplifyAndCheck({AnswerKind::Value, "in", "1", AngleUnit::Degree, "", false},
                                 [](std::string_view) { return std::string("2^1000000000-x^2"); });
  EXPECT_EQ(huge.check.status, CheckStatus::Unknown) << huge.check.detail;
}

// The integral's text is taken apart where the engine joins names, and nowhere else.
TEST(AnswerTextTest, IntegralTexts) {
  const std::vector<std::pair<std::string, std::string>> rows = {
      {"(x²)/2+ex+x*Sin(5)+c", "(x²)/2+e*x+x*Sin(5)"},
      {"(x²)/2+pix+c", "(x²)/2+pi*x"},
      {"1/(1)*-lnCos(x)+c", "1/(1)*-ln(Cos(x))"},
      {"1/(2)*lnSin(2x+1)+c\n", "1/(2)*ln(Sin(2x+1))"},
      {"1/(1)*(1x)+Sec(x)*x+c", "1/(1)*(1x)+Sec(x)*x"},
      {"(x³)/3+c", "(x³)/3"},
      {"+c", ""},
  };
  for (const auto& [result, answer] : rows) EXPECT_EQ(IntegralAnswerText(result), answer) << result;
}

// Numbers are written as the engine writes them.
TEST(AnswerTextTest, NumbersAsTheEngineWritesThem) {
  const std::vector<std::tuple<long double, std::string, std::string>> rows = {
      {0.5L, "0,5", "0.5"},         {-45, "-45", "-45"},        {1e-6L, "1E-6", "1e-6"},
      {1.5e20L, "1,5E20", "1.5e20"}, {0.0001L, "0,0001", "0.0001"}, {6.283185307179586L, "6,28318530717959", "6.28318530717959"},
  };
  for (const auto& [value, shown, plain] : rows) {
    EXPECT_EQ(FormatNumber(value, true), shown);
    EXPECT_EQ(FormatNumber(value, false), plain);
    EXPECT_EQ(NumberOfText(shown), NumberOfText(plain));
  }
  for (const char* notANumber : {"INF", "-INF", "", "2x", "1,2,3"}) EXPECT_FALSE(NumberOfText(notANumber)) << notANumber;
}

}  // namespace
}  // namespace velsira::algebra

namespace velsira::algebra {
namespace {

// Roots of a trigonometric input are checked in the angle unit the scan
// used: in grads tan(x³) is 0 at x = ±10 (±1000 grads), in radians it is not.
TEST(AnswerCheckTest, RootsAreCheckedInTheScansAngleUnit) {
  const PlainReader read = [](std::string_view text) { return PlainOf(text); };
  AnswerRequest request{AnswerKind::Roots, "[Tan(x³)]", "-10 ; 0 ; 10", AngleUnit::Grad, "", false};
  EXPECT_EQ(SimplifyAndCheck(request, read).check.status, CheckStatus::Ok);
  request.unit = AngleUnit::Radian;
  EXPECT_EQ(SimplifyAndCheck(request, read).check.status, CheckStatus::Wrong);
  request = {AnswerKind::Roots, "[Sin(x)]", "-180 ; 0 ; 180", AngleUnit::Degree, "", false};
  EXPECT_EQ(SimplifyAndCheck(request, read).check.status, CheckStatus::Ok);
}

}  // namespace
}  // namespace velsira::algebra
