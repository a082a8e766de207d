// No operation shows a malformed text as its result: constants, blanks and
// sign pairs in arguments give correct texts or are refused by name, and a
// randomised run over student-style inputs finds no unpaired parenthesis
// and no doubled operator at a join.
#include <random>
#include <regex>
#include <string>
#include <vector>

#include "batch/BatchSession.h"
#include "engine/Text.h"
#include "test_support.h"

namespace velsira {
namespace {

using testing::Program;

struct Case {
  std::string input;
  std::string result;  // empty when error is set
  std::string error;   // the error box text, empty when the operation succeeds
};

std::string unread(std::string_view text) {
  return "'" + std::string(text) +
         "' okunamadı. Her çarpanı parantez, her terimi köşeli parantez içine yazınız, ör: [(2)*Sin(x)]+[(x²)].";
}

void expectCases(const std::vector<Case>& cases, void (TForm1::*handler)()) {
  for (const Case& c : cases) {
    Program p;
    p.form.Memo1.SetText(utf8ToCp1254(c.input));
    p.form.Perform([&] { (p.form.*handler)(); });
    const std::string error = p.recording.messages.error.value_or("");
    EXPECT_EQ(error, c.error.empty() ? "" : utf8ToCp1254(c.error)) << c.input;
    EXPECT_EQ(p.form.Memo2.Text(), utf8ToCp1254(c.result)) << c.input;
  }
}

TEST(SoundAnswers, IntegralOfConstantsBlanksAndSigns) {
  expectCases(
      {
          // The constants are constant operands, "e" as "pi".
          {"(x+e)", "(x²)/2+ex+c", ""},
          {"(x-e)", "(x²)/2-ex+c", ""},
          {"(x+pi)", "(x²)/2+pix+c", ""},
          {"(2e)", "2ex+c", ""},
          {"(x+2pi)", "(x²)/2+2pix+c", ""},
          // Blanks and tabs around an operand belong to no number.
          {"(x² + 1)", "(x³)/3+x+c", ""},
          {"(x²\t+\t1)", "(x³)/3+x+c", ""},
          {"( 3x +2)", "(3x²)/2+2x+c", ""},
          // A run of signs between operands folds into one.
          {"(x+-3)", "(x²)/2-3x+c", ""},
          {"(x--3)", "(x²)/2+3x+c", ""},
          {"(x-+3)", "(x²)/2-3x+c", ""},
          {"(x++3)", "(x²)/2+3x+c", ""},
          {"(x+)", "(x²)/2+c", ""},
          {"(x)+(-x)", "(x²)/2-(x²)/2+c", ""},
          {"()+(x)", "(x²)/2+c", ""},
          {"(x)+()", "(x²)/2+c", ""},
          // A function of a constant argument is a constant.
          {"Sin(5)", "x*Sin(5)+c", ""},
          {"Sin(2+3)", "x*Sin(2+3)+c", ""},
          {"Sin(2,5E2)", "x*Sin(2,5E2)+c", ""},
          {"Cos(pi)", "x*Cos(pi)+c", ""},
          {"2Sin(3)", "x*2Sin(3)+c", ""},
          {"Kök(2)", "x*Kök(2)+c", ""},
          {"ln(e)", "x*ln(e)+c", ""},
          {"(x)+Sin(5)", "(x²)/2+x*Sin(5)+c", ""},
          // Signs and constants inside a linear argument stay as typed.
          {"Sin(x+-1)", "1/(1+0-0)*-Cos(x+-1)+c", ""},
          {"Sin(x+e)", "1/(1+0)*-Cos(x+e)+c", ""},
          // What no rule reads is named.
          {"(x+y)", "", unread("y")},
          {"(x**2)", "", unread("**")},
          {"(*x)", "", unread("*")},
          {"(x*)", "", unread("*")},
          {"(x/-)", "", unread("/-")},
          {"foo(2)", "", "'foo' için integral kuralı yok."},
          {"KuvvetN(2)", "", "'N' is not a valid floating point value."},
      },
      &TForm1::Button4Click);
}

TEST(SoundAnswers, DerivativeOfSignsAndConstantsInArguments) {
  expectCases(
      {
          // A sign pair inside a function's argument stays in the argument.
          {"[Sin(x+-1)]", "(((1+0-0)*(Cos(x+-1))))", ""},
          {"[Sin(x--1)]", "(((1-0-0)*(Cos(x--1))))", ""},
          {"[Cos(2x-+1)]*[(x)]", "(((2-0+0)*(-Sin(2x-+1)))*((x))+((1))*(Cos(2x-+1)))", ""},
          // A sign after "*" or "/" belongs to the operand after it.
          {"[(x*-x)]", "(((+1*(-x)+(-1)*x)))", ""},
          {"[(12x/-x)]", "((((12*(-x)-(-1)*12x)/((-x))²)))", ""},
          {"[(x*--x)]", "(((+1*x+1*x)))", ""},
          {"[(x/+2)]", "((((1*2-0*x)/(2)²)))", ""},
          // Constants the table does not list have the derivative 0.
          {"[(2e)]", "(((0)))", ""},
          {"[(x+2,5E2)]", "(((1+0)))", ""},
          {"[(x+ 3)]", "(((1+0)))", ""},
          // What no rule reads is named.
          {"[(x+y)]", "", unread("y")},
          {"[(*x)]", "", unread("*")},
          {"[(x*)]", "", unread("*")},
          {"[(x**2)]", "", unread("**")},
          {"[(x*-)]", "", unread("*-")},
      },
      &TForm1::Button1Click);
}

TEST(SoundAnswers, UnreadLineBreaksAreNamedWhole) {
  expectCases(
      {
          {"[(x²)]\r\n", "", unread("\r\n")},
          {"[(1)]\r\n[(1)]", "", unread("\r\n")},
          {"[(1)]+\r\n[(1)]", "", "'\r\n' tanınmayan bir fonksiyon."},  // a prefix of the second term
      },
      &TForm1::Button6Click);
}

// ------------------------------------------------------ randomised results

// Student-style inputs: polynomials, functions with linear and other
// arguments, constants, blanks and signs, with optional bracket prefixes.
class InputMaker {
 public:
  explicit InputMaker(unsigned seed) : random_(seed) {}

  // doubled: sign pairs may follow an operator («x+-1», «x*-x»).
  std::string derivative(bool doubled) {
    std::string s;
    const int n = pick(3) + 1;
    for (int i = 0; i < n; ++i) {
      if (i) s += oneOf({"+", "-", "*", "/"});
      s += oneOf({"", "", "", "Sin", "ln", "Kuvvet3"}) + "[" + term(doubled) + "]";
    }
    return s;
  }
  std::string integral(bool doubled) {
    std::string s;
    const int n = pick(3) + 1;
    for (int i = 0; i < n; ++i) {
      if (i) s += oneOf({"+", "-"});
      s += oneOf({"", "", "Sin", "Cos", "2Sin", "Tan", "Sinh"}) + "(" + argument(doubled) + ")";
    }
    return s;
  }

 private:
  int pick(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }
  std::string oneOf(std::initializer_list<std::string> options) {
    return *(options.begin() + pick(static_cast<int>(options.size())));
  }
  std::string operand() {
    const std::string c = oneOf({"", "", "2", "3", "0,5", "12"});
    switch (pick(9)) {
      case 0: return c + "x²";
      case 1: return c + "x³";
      case 2: return c + "x^" + oneOf({"2", "3", "12"});
      case 3: return oneOf({"1", "5", "2,5", "pi", "e", "2e", "10"});
      case 4: return oneOf({" 1", "1 ", "\t2", " x"});
      default: return c + "x";
    }
  }
  std::string argument(bool doubled) {
    std::string s = pick(5) == 0 ? "-" : "";
    const bool products = pick(3) == 0;
    const int n = pick(3) + 1;
    for (int i = 0; i < n; ++i) {
      if (i) {
        s += products ? oneOf({"+", "-", "*", "/"}) : oneOf({"+", "-"});
        if (doubled && pick(3) == 0) s += oneOf({"+", "-"});
      }
      s += operand();
    }
    return s;
  }
  std::string term(bool doubled) {
    std::string s;
    const int n = pick(2) + 1;
    for (int i = 0; i < n; ++i) {
      if (i) s += oneOf({"+", "-", "*", "/"});
      s += oneOf({"", "", "", "Sin", "Cos", "Tan", "ln", "log2", "Kuvvet2", "Kök", "Sinh", "ArcTan", "2Sin", "Sec",
                  "Üstel2", "pi"}) +
           "(" + argument(doubled) + ")";
    }
    return s;
  }

  std::mt19937 random_;
};

bool parenthesesPair(std::string_view s) {
  long depth = 0;
  for (const char c : s) {
    if (c == '(') ++depth;
    if (c == ')' && --depth < 0) return false;
  }
  return depth == 0;
}

TEST(SoundAnswers, RandomDerivativesAndIntegralsAreWellFormed) {
  // Two operators in a row, where a join has gone wrong. "*-" and "/-" are
  // how a negative operand or function text is written after a product.
  const std::regex doubled(R"(\+\+|\+-|-\+|--|\*\*|//|\*/|/\*|[-+][*/])");
  InputMaker maker(1254);
  Program p;
  int answered = 0;
  for (int round = 0; round < 4000; ++round) {
    const bool pairs = round % 4 == 0;
    const bool derive = round % 2 == 0;
    const std::string input = utf8ToCp1254(derive ? maker.derivative(pairs) : maker.integral(pairs));
    p.form.Memo1.SetText(input);
    p.recording.messages.error.reset();
    p.form.Perform([&] { derive ? p.form.Button1Click() : p.form.Button4Click(); });
    if (p.recording.messages.error) {
      EXPECT_EQ(p.recording.messages.error->find("Internal error"), std::string::npos) << input;
      continue;
    }
    ++answered;
    const std::string result = p.form.Memo2.Text();
    EXPECT_TRUE(parenthesesPair(result)) << input << " => " << result;
    if (!std::regex_search(input, doubled))
      EXPECT_FALSE(std::regex_search(result, doubled)) << input << " => " << result;
    if (!derive) EXPECT_FALSE(std::regex_search(result, std::regex(R"([-+*/]\+c$)"))) << input << " => " << result;
  }
  EXPECT_GT(answered, 2000);  // the generator makes mostly readable inputs
}

// ------------------------------------------------------------ the caret

TEST(SoundAnswers, TheCaretStaysWhereTheInputTextIsUnchanged) {
  struct CaretCase {
    std::string op;
    std::string input;
    bool kept;  // the selection [3, 2] is kept
  };
  const CaretCase cases[] = {
      {"at", "[(x)*Sin(x)]", true},          // succeeds, text restored
      {"at", "[ln(x)]", true},               // fails at 0, text restored
      {"roots", "[(x²-x-2)]", true},         // scan, text restored
      {"derive", "[(1x)]+[Sin(1x)]", true},  // nothing to rewrite
      {"derive", "[(x)]", false},            // rewritten: caret at the start
      {"calc", "[(2)+(3)]", true},
      {"calc", "[(pi)]", false},
      {"integrate", "Sin(2x)", true},
      {"quadratic", "[(1x²-1x-2)]", true},
      {"clear", "[(x)]", true},
      {"hint", "[(x)]", true},
  };
  BatchSession session;
  for (const CaretCase& c : cases) {
    const nlohmann::json response = session.Handle(
        {{"op", c.op}, {"input", c.input}, {"selection", {3, 2}}, {"edit", "0"}, {"answers", {"-3", "3"}}});
    const nlohmann::json expected = c.kept ? nlohmann::json::array({3, 2}) : nlohmann::json::array({0, 0});
    EXPECT_EQ(response["selection"], expected) << c.op << " " << c.input << " " << response.dump();
  }
}

TEST(SoundAnswers, NoBatchResponseHoldsACarriageReturn) {
  BatchSession session;
  const std::vector<nlohmann::json> requests = {
      {{"op", "calc"}, {"input", "[(x²)]\n"}},
      {{"op", "derive"}, {"input", "[(1)]\n[(1)]"}},
      {{"op", "limit"}, {"input", "(2x+1)"}},
      {{"op", "delta-epsilon"}, {"input", "lim(2x+1)\nx=3"}},
      {{"op", "quadratic"}, {"input", "[(x²-x-2)]"}},
      {{"op", "integrate"}, {"input", "[(x)]\n"}},
      {{"op", "calc"}, {"input", "[(1)]\r[(1)]"}, {"trace", true}},
      {{"op", "derive"}, {"input", "[(1)]\r\n[(1)]"}, {"trace", true}},
  };
  for (const auto& request : requests) {
    const std::string line = session.HandleLine(request.dump());
    EXPECT_EQ(line.find("\\r"), std::string::npos) << line;
  }
}

}  // namespace
}  // namespace velsira
