// Answers that once came back wrong without a word: each family is a table
// of inputs with the result box, the error box and the input box after one
// operation of the main-window model.
#include <string>
#include <vector>

#include "test_support.h"

namespace velsira {
namespace {

using testing::Program;

enum class Unit { Deg, Rad, Grad };

struct Row {
  Row(void (TForm1::*h)(), std::string in, std::string res, std::string err, Unit u = Unit::Deg,
      std::string e = "0", std::string a = "")
      : handler(h), input(std::move(in)), result(std::move(res)), error(std::move(err)), unit(u), edit(std::move(e)),
        after(std::move(a)) {}
  void (TForm1::*handler)();
  std::string input;    // UTF-8, as typed
  std::string result;   // the result box, lines joined by CR LF; UTF-8
  std::string error;    // the error box, empty for none; UTF-8
  Unit unit;
  std::string edit;     // the number entry box
  std::string after;    // the input box after, when it is checked
};

constexpr auto Derive = &TForm1::Button1Click;
constexpr auto Integrate = &TForm1::Button4Click;
constexpr auto Calc = &TForm1::Button6Click;
constexpr auto At = &TForm1::Button24Click;
constexpr auto Quadratic = &TForm1::Button2Click;

std::string unread(std::string_view text) {
  return "'" + std::string(text) +
         "' okunamadı. Her çarpanı parantez, her terimi köşeli parantez içine yazınız, ör: [(2)*Sin(x)]+[(x²)].";
}

void run(Program& p, const Row& row) {
  if (row.unit == Unit::Rad) p.form.RadioButton2Click();
  if (row.unit == Unit::Grad) p.form.RadioButton3Click();
  p.form.Edit1.Text = row.edit;
  p.form.Memo1.SetText(utf8ToCp1254(row.input));
  p.form.Perform([&] { (p.form.*row.handler)(); });
}

void expectRows(const std::vector<Row>& rows) {
  for (const Row& row : rows) {
    Program p;
    run(p, row);
    EXPECT_EQ(cp1254ToUtf8(p.recording.messages.error.value_or("")), row.error) << row.input;
    EXPECT_EQ(cp1254ToUtf8(p.form.Memo2.Text()), row.result) << row.input;
    if (!row.after.empty()) {
      EXPECT_EQ(cp1254ToUtf8(p.form.Memo1.Text()), row.after) << row.input;
    }
  }
}

TEST(SilentFaults, NothingAfterTheVariableGoesUnread) {
  expectRows({
      {Derive, "[(xyz)]", "", unread("yz"), Unit::Deg, "0", "[(xyz)]"},
      {Derive, "[(x²abc)]", "", unread("abc")},
      {Derive, "[(x2)]", "", unread("2")},
      {Derive, "[(3x^2q)]", "", unread("q")},
      {Derive, "[(xx)]", "", unread("x")},
      {Integrate, "(x²abc)", "", unread("abc")},
      {Integrate, "(xyz)", "", unread("yz")},
      {Calc, "[(xyz)]", "", unread("yz")},
      {At, "[(xyz)]", "", unread("yz"), Unit::Deg, "2", "[(xyz)]"},
      {Quadratic, "[(x²abc)]", "", unread("abc")},
      // What may follow: a power, an operator, a parenthesis, a blank.
      {Derive, "[(x² +x³-x^2)]", "(((2x+3x²-2x^1)))", ""},
      {Integrate, "(x)+Sin(x )", "(x²)/2+1/(1)*-Cos(x )+c", ""},
      {At, "[(x)*Sin(x)]", "15", "", Unit::Deg, "30"},
      // An "x" inside a name is the name's, judged as a name.
      {Derive, "[exp(x)]", "", "'exp' için türev kuralı yok."},
  });
}

TEST(SilentFaults, ASignBeforeAPowerAppliesAfterIt) {
  expectRows({
      {Calc, "[(-2²)]", "-4", "", Unit::Deg, "0", "[(-4)]"},
      {Calc, "[(-2^2)]", "-4", ""},
      {Calc, "[(-2³)]", "-8", ""},
      {Calc, "[(5--3²)]", "14", ""},
      {Calc, "[(1+-2²)]", "-3", ""},
      {Calc, "[(3)]-[(2²)]", "-1", ""},
      {At, "[(-x²)]", "-4", "", Unit::Deg, "2"},
      {At, "[(-x²)]", "-9", "", Unit::Deg, "3"},
      // A value written in for x keeps its sign under the power.
      {At, "[(x²)]", "9", "", Unit::Deg, "-3"},
      {At, "[(x^2)]", "4", "", Unit::Deg, "-2"},
      {At, "[(2x³)]", "-16", "", Unit::Deg, "-2"},
  });
}

TEST(SilentFaults, UndefinedAnglesFailInEveryOperation) {
  const std::string zero = "Floating point division by zero.";
  expectRows({
      {Calc, "[Tan(90)]", "", zero},
      {Calc, "[Sec(90)]", "", zero},
      {Calc, "[Cot(180)]", "", zero},
      {Calc, "[Csc(180)]", "", zero},
      {Calc, "[Tan(100)]", "", zero, Unit::Grad},
      {Calc, "[Sec(-100)]", "", zero, Unit::Grad},
      {Calc, "[Cot(200)]", "", zero, Unit::Grad},
      {Calc, "[Csc(200)]", "", zero, Unit::Grad},
      {At, "[Tan(x)]", "", zero, Unit::Deg, "90"},
      {At, "[Tan(x)]", "", zero, Unit::Grad, "300"},
      {At, "[Tan(x)]", "1", "", Unit::Grad, "50"},
      {Calc, "[Tan(90)]", "-1,995200412208", "", Unit::Rad},
  });
}

std::string empty(std::string_view function) {
  return "'" + std::string(function) + "' içinde ifade yok; parantezin içine bir ifade yazınız, ör: Sin(x).";
}

TEST(SilentFaults, MalformedFactorsAreNamedOrReadRight) {
  expectRows({
      // A blank operand is no operand: the sign after it joins the number.
      {Derive, "[(x* -3)]", "(((+1*(-3)+(-0)*x)))", ""},
      {Derive, "[(x*  )]", "", unread("*")},
      // "*" or "/" with nothing after it, in a term or between terms.
      {Derive, "[(x)*]", "", unread("*")},
      {Derive, "[(x)/]", "", unread("/")},
      {Derive, "[(x)]*", "", unread("*")},
      {Derive, "[(x)]/", "", unread("/")},
      // A function or a factor with nothing inside.
      {Derive, "[Sin()]", "", empty("Sin()")},
      {Derive, "[(x)*Cos( )]", "", empty("Cos( )")},
      {Derive, "[()*(x)]", "", empty("()")},
      {Integrate, "Sin()", "", empty("Sin()")},
      {Integrate, "(x)+2Cos()", "", empty("2Cos()")},
      // What stays: a trailing sign adds nothing; an empty term is 0.
      {Derive, "[(x)+]", "(((1)))", ""},
      {Derive, "[()]", "(((0)))", ""},
      {Integrate, "()+(x)", "(x²)/2+c", ""},
  });
}

TEST(SilentFaults, NoIntegralAfterTheProductWarning) {
  const std::string warning = "Bu program çarpımlı ya da bölümlü ifadelerin intagralini alamaz...";
  for (const std::string input : {"(x+1)*(x-1)", "(1)/(x)", "()*(x)", "()/(x)", "()*Sin(x)", "Sin(5*)", "(x*x)"}) {
    Program p;
    run(p, {Integrate, input, "", ""});
    EXPECT_EQ(p.form.Memo2.Text(), "") << input;
    EXPECT_FALSE(p.recording.messages.error) << input;
    ASSERT_FALSE(p.recording.messages.messages.empty()) << input;
    EXPECT_EQ(cp1254ToUtf8(p.recording.messages.messages[0]), warning) << input;
  }
  // What cannot be read is still named after the warning.
  expectRows({{Integrate, "(x**2)", "", unread("**")}, {Integrate, "(x*)", "", unread("*")}});
}

// The root list of a scan, or the error box.
std::string rootsOf(const std::string& input, const std::string& xmin, const std::string& xmax) {
  Program p;
  p.form.Memo1.SetText(utf8ToCp1254(input));
  p.recording.dialogs.answers = {xmin, xmax};
  p.form.Perform([&] { p.form.Button39Click(); });
  if (p.recording.messages.error) return cp1254ToUtf8(*p.recording.messages.error);
  return cp1254ToUtf8(p.form.Memo2.Text());
}

TEST(SilentFaults, RootListsReadAsLists) {
  const std::string none = "Bu aralıkta tam sayı kök bulunamadı.";
  const struct {
    std::string input, xmin, xmax, shown;
  } rows[] = {
      {"[(x²-x-2)]", "-100", "100", "-1 ; 2"},
      {"[(x-3)]", "-5", "5", "3"},
      {"[Sin(x)]", "-180", "180", "-180 ; 0 ; 180"},
      {"[(x²+1)]", "-100", "100", none},
      {"[(x²-2)]", "3", "3", none},
      // Every integer a root: the list stops at the length bound.
      {"[(0)]", "-1000000", "1000000", "Sonuç metni 4.000.000 karakter sınırını aşıyor; ifadeyi kısaltınız."},
  };
  for (const auto& row : rows) EXPECT_EQ(rootsOf(row.input, row.xmin, row.xmax), row.shown) << row.input;
  // Just below the bound the whole list is written.
  const std::string list = rootsOf("[(0)]", "-1000", "1000");
  EXPECT_EQ(list.substr(0, 15), "-1000 ; -999 ; ");
  EXPECT_TRUE(list.ends_with(" ; 999 ; 1000")) << list.substr(list.size() - 20);
  size_t separators = 0;
  for (size_t at = list.find(" ; "); at != std::string::npos; at = list.find(" ; ", at + 1)) ++separators;
  EXPECT_EQ(separators, 2000u);
}

}  // namespace
}  // namespace velsira
