// The derivative, level by level: elementary rules, the combination rule,
// the outer-function rows, factors, bracket terms and the whole "Türev Al"
// operation through the main-window model.
#include <string>
#include <vector>

#include "engine/CombinationRule.h"
#include "engine/Derivative.h"
#include "engine/ElementaryRules.h"
#include "engine/OuterFunction.h"
#include "engine/Text.h"
#include "test_support.h"

namespace velsira {
namespace {

using testing::errorOf;
using testing::Program;

// Table texts are written in UTF-8 and compared as code page 1254.
std::string cp(const char* utf8) { return utf8ToCp1254(utf8); }

struct TextCase {
  const char* in;
  const char* out;
};

const char* const kNoRule = "' için türev kuralı yok";
const char* const kNotFloat = "' is not a valid floating point value";

// ------------------------------------------------------- elementary rules

TEST(DeriveElementary, MonomialsNamesAndNumbers) {
  const TextCase cases[] = {
      {"3x²", "6x"},         {"1x³", "3x²"},      {"2x^4", "8x^3"},    {"0,5x²", "1x"},
      {"1x^12", "12x^11"},   {"1x^0,5", "0,5x^-0,5"}, {"2,5x", "2,5"}, {"1x", "1"},
      {"x", "1"},            {"7", "0"},          {"3,14", "0"},       {"", "0"},
      {"Sin", "Cos"},        {"Cos", "-Sin"},     {"Tanh", "Sech²"},   {"Coth", "-Csch²"},
      {"Tan", "1+tan²"},     {"Cot", "-1-cot²"},  {"Sec", ""},         {"ArcTan", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(DeriveElementary(cp(c.in)), cp(c.out)) << c.in;
}

TEST(DeriveElementary, MalformedCoefficientsAndExponents) {
  const TextCase cases[] = {
      {"x^2", ""}, {"1x^", ""}, {"Sin(1x)Cos", "Sin(1"}, {"2,5,1x", "2,5,1"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(errorOf([&] { DeriveElementary(cp(c.in)); }), "'" + cp(c.out) + kNotFloat) << c.in;
}

// ------------------------------------------------------- combination rule

struct CombinationCase {
  std::vector<CombinationItem> items;  // the n items, then the one after the last
  const char* expected;
};

std::string combine(const std::vector<CombinationItem>& items) {
  const long n = static_cast<long>(items.size()) - 1;
  return CombineDerivatives(n, [&](long k) { return items[static_cast<size_t>(k)]; });
}

TEST(CombinationRule, SumsProductsQuotientsAndChains) {
  const CombinationItem end{"t", "d", ""};
  const CombinationCase cases[] = {
      {{{"a", "A", ""}, end}, "(A)"},
      {{{"a", "A", "+"}, {"b", "B", "-"}, {"c", "C", ""}, end}, "(A+B-C)"},
      {{{"a", "A", "*"}, {"b", "B", ""}, end}, "(+A*b+B*a)"},
      {{{"a", "A", "/"}, {"b", "B", ""}, end}, "(+(A*b-B*a)/(b)²)"},
      // The sign before a product or quotient of two stays with it.
      {{{"a", "A", "-"}, {"b", "B", "*"}, {"c", "C", ""}, end}, "(A-B*c-C*b)"},
      {{{"a", "A", "-"}, {"b", "B", "/"}, {"c", "C", ""}, end}, "(A-(B*c-C*b)/(c)²)"},
      {{{"a", "A", "+"}, {"b", "B", "*"}, {"c", "C", ""}, end}, "(A+B*c+C*b)"},
      // Sums first, then products, then quotients.
      {{{"a", "A", "*"}, {"b", "B", "+"}, {"c", "C", "/"}, {"d", "D", "+"}, {"e", "E", ""}, end},
       "(+E+A*b+B*a+(C*d-D*c)/(d)²)"},
      // Chains of three or more are one nested text.
      {{{"a", "A", "*"}, {"b", "B", "*"}, {"c", "C", ""}, end}, "(+((A*b+B*a)*c+C*(a*b)))"},
      {{{"a", "A", "*"}, {"b", "B", "/"}, {"c", "C", ""}, end}, "(+(((A*b+B*a)*c-C*(a*b))/(c)²))"},
      {{{"a", "A", "/"}, {"b", "B", "*"}, {"c", "C", ""}, end}, "(+(((A*b-B*a)/(b)²)*c+C*(a/b)))"},
      {{{"a", "A", "-"}, {"b", "B", "*"}, {"c", "C", "*"}, {"d", "D", ""}, end},
       "(A-((B*c+C*b)*d+D*(b*c)))"},
      {{{"a", "A", "*"}, {"b", "B", "*"}, {"c", "C", "*"}, {"d", "D", ""}, end},
       "(+(((A*b+B*a)*c+C*(a*b))*d+D*((a*b)*c)))"},
      // A chain within a longer sum, and a quotient chain placed among products.
      {{{"a", "A", "*"}, {"b", "B", "+"}, {"c", "C", "/"}, {"d", "D", "/"}, {"e", "E", ""}, end},
       "(+A*b+B*a+((((C*d-D*c)/(d)²)*e-E*(c/d))/(e)²))"},
      // An operator after the last item reaches the item after it.
      {{{"a", "A", "*"}, end}, "(+A*t+d*a)"},
      {{end}, "()"},
  };
  for (const auto& c : cases) EXPECT_EQ(combine(c.items), cp(c.expected)) << c.expected;
}

// ------------------------------------------------------- outer function

struct OuterCase {
  const char* name;
  const char* u;
  const char* a;
  const char* expected;
};

TEST(OuterFunction, Rows) {
  const OuterCase cases[] = {
      {"", "1x", "(1)", "(1)"},
      {"Sin", "1x", "(1)", "(1)*(Cos(1x))"},
      {"Cos", "1x", "(1)", "(1)*(-Sin(1x))"},
      {"Tan", "1x", "(1)", "(1)*(1+tan²(1x))"},
      {"Coth", "1x", "(1)", "(1)*(-Csch²(1x))"},
      {"ln", "1x", "(1)", "(1)/(1x)"},
      {"log10", "1x", "(1)", "(1)/(1x)*log10(e)"},
      {"log", "1x", "(1)", "(1)/(1x)*log(e)"},
      {"ArcSin", "1x", "(1)", "(1)/Kök(1-(1x)²)"},
      {"ArcCos", "1x", "(1)", "-(1)/Kök(1-(1x)²)"},
      {"ArcTan", "1x", "(1)", "(1)/(1+(1x)²)"},
      {"ArcCot", "1x", "(1)", "-(1)/(1+(1x)²)"},
      {"ArcSec", "1x", "(1)", "(1)/(|1x|*Kök((1x)²-1))"},
      {"ArcCsc", "1x", "(1)", "-(1)/(|1x|*Kök((1x)²-1))"},
      {"ArcSinh", "1x", "(1)", "(1)/Kök((1x)²+1)"},
      {"ArcCosh", "1x", "(1)", "(1)/Kök((1x)²-1)"},
      {"ArcTanh", "1x", "(1)", "(1)/(1-(1x)²)"},
      {"ArcCoth", "1x", "(1)", "(1)/(1-(1x)²)"},
      {"Sec", "1x", "(1)", "(1)*(Sec(1x)*(Tan(1x)))"},
      {"Csc", "1x", "(1)", "(1)*(-Csc(1x)*(Cot(1x)))"},
      {"Sech", "1x", "(1)", "(1)*(-Sech(1x)*(Tanh(1x)))"},
      {"Csch", "1x", "(1)", "(1)*(-Csch(1x)*(Coth(1x)))"},
      {"Kuvvet3", "1x²", "(2x)", "3*(1x²)^2*(2x)"},
      {"Kuvvet0,5", "1x", "(1)", "0,5*(1x)^-0,5*(1)"},
      {"Kuvvet-1", "1x", "(1)", "-1*(1x)^-2*(1)"},
      {"Üstel2", "1x", "(1)", "2^(1x)*ln(2)*(1)"},
      {"Üstele", "1x", "(1)", "e^(1x)*(1)"},
      {"Kök", "1x", "(1)", "(1)/(2*Kök(1x))"},
      {"Kök3", "1x", "(1)", "(1)/(3*Kök3(1x)^2)"},
      {"Kök0,5", "1x", "(1)", "(1)/(0,5*Kök0,5(1x)^-0,5)"},
      // Plain numbers multiply; a number before a known name multiplies its row.
      {"2", "1x+1", "(1+0)", "2*(1+0)"},
      {"2pi", "1x", "(1)", "2pi*(1)"},
      {"2Sin", "1x", "(1)", "2*(1)*(Cos(1x))"},
      {"0,5Cos", "1x", "(1)", "0,5*(1)*(-Sin(1x))"},
      {"3Kuvvet2", "1x", "(1)", "3*2*(1x)^1*(1)"},
      {"12ln", "1x", "(1)", "12*(1)/(1x)"},
      {"2ArcCos", "1x", "(1)", "2*-(1)/Kök(1-(1x)²)"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ApplyOuterFunction(cp(c.name), cp(c.u), cp(c.a)), cp(c.expected)) << c.name;
}

TEST(OuterFunction, UnknownNamesAndUnreadableDegrees) {
  const char* const unknown[] = {"x", "exp", "sin", "Sinx", "Per2", "PerN", "Kom3", "!", "Arc",
                                 "ArcFoo", "2x", "1,2,3Sin", "Kuvve", "SIN", ",x", "KökN", "Kök2,5,1"};
  for (const char* name : unknown) {
    EXPECT_FALSE(IsKnownOuterName(cp(name))) << name;
    EXPECT_EQ(errorOf([&] { ApplyOuterFunction(cp(name), "1x", "(1)"); }), "'" + cp(name) + cp(kNoRule)) << name;
  }
  const TextCase degrees[] = {{"KuvvetN", "N"}, {"Kuvvet", ""}, {"2KuvvetN", "N"}};
  for (const auto& c : degrees)
    EXPECT_EQ(errorOf([&] { ApplyOuterFunction(cp(c.in), "1x", "(1)"); }), "'" + cp(c.out) + kNotFloat) << c.in;
}

// ------------------------------------------------------- factor and term

struct Fixture {
  Program p;
  Derivative d{p.form.Area(), p.form.Prep(), p.form.Split()};
  TForm2& f = p.form2;
};

// The derivative of the single factor name(argument), split as the driver
// splits it.
std::string deriveFactor(Fixture& x, const std::string& name, const std::string& argument) {
  x.p.form.Split().SplitFactors(name + "(" + argument + ")");
  x.f.Memo1.clear();
  x.f.Memo7.clear();
  x.p.form.Split().SplitOperands(x.f.Memo8.get(0));
  return x.d.DeriveFactor(0, x.f.Memo8.get(0));
}

struct FactorCase {
  const char* name;
  const char* argument;
  const char* expected;
};

TEST(DeriveFactor, CombinesOperandsAndAppliesTheName) {
  const FactorCase cases[] = {
      {"Sin", "1x", "(1)*(Cos(1x))"},
      {"", "1x²+3", "(2x+0)"},
      {"", "3x^2-1x", "(6x^1-1)"},
      {"", "1x*1x", "(+1*1x+1*1x)"},
      {"", "1x/2", "(+(1*2-0*1x)/(2)²)"},
      {"", "1x*1x*1x", "(+((1*1x+1*1x)*1x+1*(1x*1x)))"},
      {"", "3-2*1x", "(0-0*1x-1*2)"},
      {"", "-2*1x", "(0-0*1x-1*2)"},
      {"Kuvvet-1", "1x", "-1*(1x)^-2*(1)"},
      {"Sin", "", "(0)*(Cos())"},
      {"2Sin", "1x", "2*(1)*(Cos(1x))"},
  };
  for (const auto& c : cases) {
    Fixture x;
    EXPECT_EQ(deriveFactor(x, cp(c.name), cp(c.argument)), cp(c.expected)) << c.name << "(" << c.argument << ")";
  }
}

TEST(DeriveFactor, RefusesNamesWithoutRule) {
  const FactorCase cases[] = {
      {"x", "1x+1", "'x' için türev kuralı yok"},
      {"exp", "1x", "'exp' için türev kuralı yok"},
      {"Kom2", "1x", "'Kom2' için türev kuralı yok"},
      {"KuvvetN", "1x", "'N' is not a valid floating point value"},
      {"Sin", "1,2,3x", "'1,2,3' is not a valid floating point value"},
  };
  for (const auto& c : cases) {
    Fixture x;
    EXPECT_EQ(errorOf([&] { deriveFactor(x, cp(c.name), cp(c.argument)); }), cp(c.expected)) << c.name;
  }
}

struct TermCase {
  const char* prefix;
  const char* term;
  std::vector<const char*> factorDerivatives;
  const char* expected;
};

TEST(DeriveTerm, CombinesFactorsAndAppliesThePrefix) {
  const TermCase cases[] = {
      {"", "Sin(1x)", {"(1)*(Cos(1x))"}, "((1)*(Cos(1x)))"},
      {"", "(1x²)", {"(2x)"}, "((2x))"},
      {"", "Sin(1x)+Cos(1x)", {"(1)*(Cos(1x))", "(1)*(-Sin(1x))"}, "((1)*(Cos(1x))+(1)*(-Sin(1x)))"},
      {"", "Sin(1x)*Cos(1x)", {"(1)*(Cos(1x))", "(1)*(-Sin(1x))"},
       "(+(1)*(Cos(1x))*Cos(1x)+(1)*(-Sin(1x))*Sin(1x))"},
      {"", "Sin(1x)/Cos(1x)", {"(1)*(Cos(1x))", "(1)*(-Sin(1x))"},
       "(+((1)*(Cos(1x))*Cos(1x)-(1)*(-Sin(1x))*Sin(1x))/(Cos(1x))²)"},
      {"", "(1x)-Sin(1x)*Cos(1x)", {"(1)", "(1)*(Cos(1x))", "(1)*(-Sin(1x))"},
       "((1)-(1)*(Cos(1x))*Cos(1x)-(1)*(-Sin(1x))*Sin(1x))"},
      {"Sin", "Cos(1x)", {"(1)*(-Sin(1x))"}, "((1)*(-Sin(1x)))*(Cos(Cos(1x)))"},
      {"ln", "(1x²+1)", {"(2x+0)"}, "((2x+0))/((1x²+1))"},
      {"log2", "Sin(1x)", {"(1)*(Cos(1x))"}, "((1)*(Cos(1x)))/(Sin(1x))*log2(e)"},
      {"Kuvvet2", "Sin(1x)", {"(1)*(Cos(1x))"}, "2*(Sin(1x))^1*((1)*(Cos(1x)))"},
      {"ArcTan", "(1x)", {"(1)"}, "((1))/(1+((1x))²)"},
      {"3", "(1x)", {"(1)"}, "3*((1))"},
  };
  for (const auto& c : cases) {
    Fixture x;
    x.f.Memo5.add(cp(c.prefix));
    x.p.form.Split().SplitFactors(cp(c.term));
    for (const char* d : c.factorDerivatives) x.f.Memo13.add(cp(d));
    EXPECT_EQ(x.d.DeriveTerm(0, cp(c.term)), cp(c.expected)) << c.prefix << "[" << c.term << "]";
  }
}

// ------------------------------------------------------- the operation

struct DriverCase {
  const char* input;
  const char* result;    // the result box; "" when an error is expected
  const char* shown;     // the input box afterwards
  const char* error;     // the error box, or nullptr
};

TEST(TurevAl, ResultsThroughTheMainWindow) {
  const DriverCase cases[] = {
      {"[(x²)]", "(((2x)))", "[(1x²)]", nullptr},
      {"[Sin(x)]", "(((1)*(Cos(x))))", "[Sin(1x)]", nullptr},
      {"[(x²)]+[Sin(x)]", "(((2x))+((1)*(Cos(x))))", "[(1x²)]+[Sin(1x)]", nullptr},
      {"[(x)]*[Sin(x)]", "(((1))*(Sin(x))+((1)*(Cos(x)))*((x)))", "[(1x)]*[Sin(1x)]", nullptr},
      {"[()]", "(((0)))", "[()]", nullptr},
      {"[(x²)]-[(x³)]", "(((2x))-((3x²)))", "[(1x²)]-[(1x³)]", nullptr},
      {"[(x)]*[(x)]*[(x)]", "(((((1))*((x))+((1))*((x)))*((x))+((1))*(((x))*((x)))))", "[(1x)]*[(1x)]*[(1x)]",
       nullptr},
      {"[(3-2*x)]", "(((0-0*x-1*2)))", "[(3-2*1x)]", nullptr},
      {"[(x*x*x)]", "(((((1*x+1*x)*x+1*(x*x)))))", "[(1x*1x*1x)]", nullptr},
      {"[Kuvvet-1(x)]", "((-1*(x)^-2*(1)))", "[Kuvvet-1(1x)]", nullptr},
      {"[2Sin(x)]", "((2*(1)*(Cos(x))))", "[2Sin(1x)]", nullptr},
      {"Sin[Cos(x)]", "(((1)*(-Sin(x)))*(Cos(Cos(x))))", "Sin[Cos(1x)]", nullptr},
      {"[(x^12)]", "(((12x^11)))", "[(1x^12)]", nullptr},
      {"[(x)]/[(x²)]", "((((1))*((x²))-((2x))*((x)))/(((x²)))²)", "[(1x)]/[(1x²)]", nullptr},
      // Failures end the operation with an empty result box.
      {"Sin(x)", "", "Sin(1x)", "İfadeyi köşeli parantez içine yazınız, ör: [(x²)]+[Sin(x)]."},
      {"[KuvvetN(x)]", "", "[KuvvetN(1x)]", "'N' is not a valid floating point value."},
      {"KuvvetN[Sin(x)]", "", "KuvvetN[Sin(1x)]", "'N' is not a valid floating point value."},
      {"[x(x+1)]", "", "[x(1x+1)]", "'x' için türev kuralı yok."},
      {"[(x)+2]", "", "[(1x)+2]",
       "'2' okunamadı. Her çarpanı parantez, her terimi köşeli parantez içine yazınız, ör: [(2)*Sin(x)]+[(x²)]."},
  };
  for (const auto& c : cases) {
    Program p;
    p.form.Memo1.SetText(cp(c.input));
    p.form.Perform([&] { p.form.Button1Click(); });
    EXPECT_EQ(joinLines(p.form.Memo2.Lines()), cp(c.result)) << c.input;
    EXPECT_EQ(p.form.Memo1.Text(), cp(c.shown)) << c.input;
    if (c.error)
      EXPECT_EQ(p.recording.messages.error.value_or("(no error)"), cp(c.error)) << c.input;
    else
      EXPECT_FALSE(p.recording.messages.error.has_value()) << c.input << ": " << *p.recording.messages.error;
  }
}

TEST(TurevAl, AFailureAfterASuccessEmptiesTheResultBox) {
  Program p;
  p.form.Memo1.SetText(cp("[(x²)]"));
  p.form.Perform([&] { p.form.Button1Click(); });
  ASSERT_EQ(joinLines(p.form.Memo2.Lines()), "(((2x)))");
  p.form.Memo1.SetText(cp("[(x²)]+[Sin(x)Cos(x)]"));
  p.form.Perform([&] { p.form.Button1Click(); });
  EXPECT_EQ(joinLines(p.form.Memo2.Lines()), "");
  EXPECT_TRUE(p.recording.messages.error.has_value());
  // The check runs before any term is derived.
  EXPECT_EQ(p.form2.Memo14.count(), 0);
}

TEST(TurevAl, LongInputsFinish) {
  std::string input;
  for (int i = 0; i < 1000; ++i) input += i % 2 ? "[Sin(x)]+" : "[(x²+3x)]-";
  input += "[(x)]";
  Program p;
  p.form.Memo1.SetText(cp(input.c_str()));
  p.form.Perform([&] { p.form.Button1Click(); });
  EXPECT_FALSE(p.recording.messages.error.has_value());
  EXPECT_EQ(p.form2.Memo14.count(), 1001);
  const std::string result = joinLines(p.form.Memo2.Lines());
  EXPECT_EQ(result.rfind("(((2x+3))-((1)*(Cos(x)))+((2x+3))-", 0), 0u);
}

}  // namespace
}  // namespace velsira
