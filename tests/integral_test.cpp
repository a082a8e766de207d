// The integral: the table of elementary integrals, the integral of one factor,
// and "İntegral Al" with its warnings and refusals.
#include <string>
#include <vector>

#include "engine/Integral.h"
#include "test_support.h"

namespace velsira {
namespace {

using testing::errorOf;
using testing::Program;

const std::string kBracketWarning(std::string("İntegral hesabı yaptırırken,köşeli parantez kullanmayınız..."_cp));
const std::string kProductWarning(
    std::string("Bu program çarpımlı ya da bölümlü ifadelerin intagralini alamaz..."_cp));
std::string unread(std::string_view text) {
  return "'" + std::string(text) +
         std::string("' okunamadı. Her çarpanı parantez, her terimi köşeli parantez içine yazınız, "
                     "ör: [(2)*Sin(x)]+[(x²)]"_cp);
}

struct TextCase {
  std::string in;
  std::string out;
};

TEST(IntegrateFactor, Table) {
  const TextCase cases[] = {
      {"1x\xB2", "(1x\xB3)/3"},
      {"3x\xB2", "(3x\xB3)/3"},
      {"2x\xB3", "(2x^4)/4"},
      {"3x", "(3x\xB2)/2"},
      {"05x", "(5x\xB2)/2"},
      {"4x^3", "(4x^4)/4"},
      {"1x^12", "(1x^13)/13"},  // the whole exponent
      {"1x^0", "(1x^1)/1"},
      {"2", "2x"},
      {"2,5", "2,5x"},
      {"pi", "pix"},
      {"x", "x\xB2/2"},
      {"", ""},
      {"Sin", "-Cos"},
      {"Cos", "Sin"},
      {"Tan", "-lnCos"},
      {"Cot", "lnSin"},
      {"Sinh", "Cosh"},
      {"Cosh", "Sinh"},
      {"Tanh", "lnCosh"},
      {"Coth", "lnSinh"},
      {"Sec", ""},
      {"ln", ""},
      {"sin", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(Integral::IntegrateFactor(c.in), c.out) << c.in;
}

TEST(IntegrateFactor, CoefficientsAndExponentsMustBeIntegers) {
  const TextCase cases[] = {
      {"2,5x", "'2,5' is not a valid integer value"},
      {"1x^0,5", "'0,5' is not a valid integer value"},
      {"1x^", "'' is not a valid integer value"},
      {"x^2", "'' is not a valid integer value"},
      {"x\xB2", "'' is not a valid integer value"},
      {"ax\xB3", "'a' is not a valid integer value"},
      {"1x^99999999999", "'99999999999' is not a valid integer value"},
  };
  for (const auto& c : cases) EXPECT_EQ(errorOf([&] { Integral::IntegrateFactor(c.in); }), c.out) << c.in;
}

TEST(IntegrateFactor, LargestExponentDoesNotWrap) {
  EXPECT_EQ(Integral::IntegrateFactor("1x^2147483647"), "(1x^2147483648)/2147483648");
}

// IntegrateTerm after the factor and operand split of one factor text.
struct TermCase {
  std::string factor;
  std::string out;  // the integral, or the error text
};

TEST(IntegrateTerm, FactorsOfPolynomialsAndFunctions) {
  const TermCase cases[] = {
      {"(1x\xB2-1x)", "(1x\xB3)/3-(1x\xB2)/2"},
      {"(3x+2)", "(3x\xB2)/2+2x"},
      {"(-1x)", "-(1x\xB2)/2"},
      {"(1x*1x)", "(1x\xB2)/2*(1x\xB2)/2"},
      {"()", ""},
      {"Sin(1x)", "1/(1)*-Cos(1x)"},
      {"Cos(2x+1)", "1/(2+0)*Sin(2x+1)"},
      {"Tan(-1x)", "1/(0-1)*-lnCos(-1x)"},
      {"Coth(3x)", "1/(3)*lnSinh(3x)"},
      {"2Sin(1x)", "2*1/(1)*-Cos(1x)"},
      {"0,5Cos(2x)", "0,5*1/(2)*Sin(2x)"},
      {"12Tanh(1x)", "12*1/(1)*lnCosh(1x)"},
  };
  for (const auto& c : cases) {
    Program p;
    Integral integral(p.form.Area(), p.form.Prep(), p.form.Split());
    p.form.Split().SplitFactors(c.factor);
    p.form.Split().SplitOperands(p.form2.Memo8.get(0));
    EXPECT_EQ(integral.IntegrateTerm(0, p.form2.Memo8.get(0)), c.out) << c.factor;
  }
}

TEST(IntegrateTerm, RefusesNamesWithoutRuleAndArgumentsThatAreNotLinear) {
  const std::string noRule(" için integral kuralı yok"_cp);
  const std::string notLinear(" fonksiyonunun içi doğrusal değil; integrali alınamaz"_cp);
  const TermCase cases[] = {
      {"Sec(1x)", "'Sec'" + noRule},
      {"ln(1x)", "'ln'" + noRule},
      {"2Sec(1x)", "'2Sec'" + noRule},
      {"2,5,1Sin(1x)", "'2,5,1Sin'" + noRule},
      {"Sin2(1x)", "'Sin2'" + noRule},
      {"1x(2)", "'1x'" + noRule},
      {"Sin(1x\xB2)", "'Sin'" + notLinear},
      {"Cos(1x/2)", "'Cos'" + notLinear},
      {"Sin(2*1x)", "'Sin'" + notLinear},
      {"2Sin(1x^3)", "'2Sin'" + notLinear},
      {"Sin(y)", "'Sin'" + notLinear},
      {"Sin(1x^)", "'' is not a valid floating point value"},
  };
  for (const auto& c : cases) {
    Program p;
    Integral integral(p.form.Area(), p.form.Prep(), p.form.Split());
    p.form.Split().SplitFactors(c.factor);
    p.form.Split().SplitOperands(p.form2.Memo8.get(0));
    EXPECT_EQ(errorOf([&] { integral.IntegrateTerm(0, p.form2.Memo8.get(0)); }), c.out) << c.factor;
  }
}

// "İntegral Al" on inputs the end-to-end cases leave out: the result box,
// the warnings shown and the error box.
struct DriverCase {
  std::string input;
  std::string result;
  std::vector<std::string> messages;
  std::string error;  // "(no error)" when none
};

TEST(Button4Click, ResultsWarningsAndRefusals) {
  const std::string ok = "(no error)";
  const DriverCase cases[] = {
      {"(4x^3)", "(4x^4)/4+c", {}, ok},
      {"0,5Cos(x)", "0,5*1/(1)*Sin(x)+c", {}, ok},
      // A minus before a polynomial of several operands covers all of it.
      {"(x\xB2)-(-x)", "(x\xB3)/3-(-(x\xB2)/2)+c", {}, ok},
      {"(x)-(2)", "(x\xB2)/2-2x+c", {}, ok},
      {"(x)-Sin(x+1)", "(x\xB2)/2-1/(1+0)*-Cos(x+1)+c", {}, ok},
      {"(x)+(x+1)", "(x\xB2)/2+(x\xB2)/2+x+c", {}, ok},
      // Products and quotients are warned about, and have no result.
      {"(x)/(x)", "", {kProductWarning}, ok},
      {"(x*x/x)", "", {kProductWarning, kProductWarning}, ok},
      // Refusals leave the result box empty, after the warnings.
      {"-Sin(x)", "", {}, unread("-") + "."},
      {"(x)(x)", "", {}, unread("(") + "."},
      {"[(x)]", "", {kBracketWarning, kBracketWarning}, unread("]") + "."},
      {"Sin(2*x)", "", {kProductWarning}, std::string("'Sin' fonksiyonunun içi doğrusal değil; integrali alınamaz."_cp)},
  };
  for (const auto& c : cases) {
    Program p;
    p.form.Memo1.SetText(c.input);
    p.form.Perform([&] { p.form.Button4Click(); });
    EXPECT_EQ(p.form.Memo2.Text(), c.result) << c.input;
    EXPECT_EQ(p.recording.messages.messages, c.messages) << c.input;
    EXPECT_EQ(p.recording.messages.error.value_or(ok), c.error) << c.input;
  }
}

}  // namespace
}  // namespace velsira
