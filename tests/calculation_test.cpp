// "Bilimsel Hesaplama", "Yerine Yaz" and EvaluateAt, driven through the main
// window model as a click would drive them.
#include <vector>

#include "test_support.h"

namespace velsira {
namespace {

using testing::errorOf;
using testing::Program;

enum Unit { Deg, Rad, Grad };

void select(Program& p, Unit unit) {
  if (unit == Deg) p.form.RadioButton1Click();
  if (unit == Rad) p.form.RadioButton2Click();
  if (unit == Grad) p.form.RadioButton3Click();
}

struct Case {
  Unit unit;
  std::string_view input;
  std::string expected;  // the result box, or the error text
};

// The result box after "Bilimsel Hesaplama", or the error it raised.
std::string calculate(Program& p, Unit unit, std::string_view input) {
  select(p, unit);
  p.form.Memo1.SetText(input);
  const std::string error = errorOf([&] { p.form.Button6Click(); });
  return error == "(no error)" ? p.form.Memo2.Text() : error;
}

const std::string kNoBracket(
    "İfadeyi köşeli parantez içine yazınız, ör: [(x²)]+[Sin(x)]"_cp);

TEST(ScientificCalculation, Values) {
  const Case cases[] = {
      {Deg, "[()]", "0"},
      {Deg, "[(2)*Sin(30)]+[(3)]", "4"},
      {Deg, "[(2)*Sin(90)]", "2"},
      {Rad, "[(2)*Sin(90)]", "1,787993327202"},  // the sine is rounded before it is doubled
      {Grad, "[(2)*Sin(100)]", "2"},
      {Deg, "Sin[(10)+(20)]", "0,5"},
      {Deg, "[(2+3)*Kuvvet2(3)]", "45"},
      {Deg, "[(2)]*[(3)]*[(4)]*[(5)]", "120"},
      {Deg, "[(2)*(3)*(4)*(5)]", "120"},
      {Deg, "[(2,5)]", "2,5"},
      {Deg, "[(1-2*3*4)]", "-23"},
      {Deg, "[(2)]-[(3)*(4)]", "-10"},
      {Deg, "[(-2)]-[(-3)]", "1"},
      {Deg, "[(3²)+(2³)]"_cp, "17"},
      {Deg, "[(2^10)]", "1024"},
      {Deg, "[(pi)]", "3,14159265358979"},
      {Rad, "[Sin(pi/2)]", "1"},
      {Deg, "[(e)]", "2,71828182845905"},
      {Deg, "[Kuvvet-1(2)]", "0,5"},
      {Deg, "[2(3)]", "6"},
      {Deg, "[2Sin(30)]", "1"},
      {Deg, "3[(2)]", "6"},
      {Deg, "[Kom15(30)]", "155117520"},
      {Deg, "[(0,00001)*(2)]", "2E-5"},  // the factor value is joined as 0,00001
      {Deg, "[(0,00001)]*[(0,00001)]", "1E-10"},
      {Deg, "[Kuvvet20(10)]*[(10)]", "1E21"},
      {Deg, "[ArcTan(1)]/[(45)]", "1"},
      {Deg, "[Sin(30)+Cos(60)]", "1"},
      // Each bracket term is cut at its own parentheses.
      {Deg, "[(1)+(2)]+[(3)*(4)*(5)]-[Kuvvet2(2)]", "59"},
      // Constants after "(" or an operator, with other e's and p's about.
      {Deg, "[Kuvvet2(e)]", "7,389056098931"},
      {Deg, "[(1)]+[(2)*pi(1)]", "7,28318530718"},
  };
  Program p;
  for (const Case& c : cases) EXPECT_EQ(calculate(p, c.unit, c.input), c.expected) << c.input;
}

TEST(ScientificCalculation, Failures) {
  const std::string unread("' okunamadı. Her çarpanı parantez, her terimi köşeli parantez içine yazınız, "
                           "ör: [(2)*Sin(x)]+[(x²)]"_cp);
  const Case cases[] = {
      {Deg, "[(x)]", "'x' is not a valid floating point value"},
      {Deg, "[(2.5)]", "'2.5' is not a valid floating point value"},
      {Deg, "(2)+(3)", kNoBracket},
      {Deg, "", kNoBracket},
      {Deg, "[2*Sin(30)]", "'2*" + unread},  // never 0,5
      {Deg, "[(2)]3", "'3" + unread},
      {Deg, "[(2)3]", "'3" + unread},
      {Deg, "[(1)*(2)]+[(2)3]", "'3" + unread},
      {Deg, "[(2)4]+[(1)*(2)*(3)]", "'4" + unread},
      {Deg, "[sin(30)]", std::string("'sin' tanınmayan bir fonksiyon"_cp)},
      {Deg, "[(2)*sin(30)]", std::string("'sin' tanınmayan bir fonksiyon"_cp)},  // never the value of (2)
      {Deg, "[(1)]+2pi[(2)]", std::string("'2pi' tanınmayan bir fonksiyon"_cp)},
      {Deg, "[ln(0)]", "Floating point division by zero"},
      {Deg, "[ArcSin(2)]", "Invalid floating point operation"},
      {Deg, "[(1)/(0)]", "Floating point division by zero"},
      {Rad, "[ArcTanh(1)]", "'INF' is not a valid floating point value"},
      {Deg, "[!(21)]", "Integer overflow"},
      {Deg, "[(10^5000)]", "Floating point overflow"},
      {Deg, "[(2)]]", "'' is not a valid integer value"},
  };
  Program p;
  for (const Case& c : cases) EXPECT_EQ(calculate(p, c.unit, c.input), c.expected) << c.input;
}

TEST(ScientificCalculation, ResultBoxAndInputBoxAfterTheCalculation) {
  Program p;
  EXPECT_EQ(calculate(p, Deg, "[(3²)]+[(pi)]"_cp), "12,1415926535898");
  EXPECT_EQ(p.form.Memo1.Text(), "[(9)]+[(3,1415926535897932385)]");  // the prepared text stays
  EXPECT_EQ(p.form.Memo2.Lines().size(), 1u);
  EXPECT_EQ(calculate(p, Deg, "[(x)]"), "'x' is not a valid floating point value");
  EXPECT_TRUE(p.form.Memo2.Lines().empty());
}

TEST(ScientificCalculation, WorkListsOfTheWorkedExample) {
  Program p;
  EXPECT_EQ(calculate(p, Deg, "[(2)*Sin(30)]+[(3)]"), "4");
  const TForm2& f = p.form2;
  EXPECT_EQ(f.Memo6.lines(), (std::vector<std::string>{"(2)*Sin(30)", "(3)"}));
  EXPECT_EQ(f.Memo5.lines(), (std::vector<std::string>{"", ""}));
  EXPECT_EQ(f.Memo9.lines(), (std::vector<std::string>{"+", ""}));
  EXPECT_EQ(f.Memo8.lines(), (std::vector<std::string>{"3"}));  // the last term's factors
  EXPECT_EQ(f.Memo15.lines(), (std::vector<std::string>{"1", "3"}));  // the total text «1+3»
  EXPECT_EQ(f.Memo1.lines(), (std::vector<std::string>{"+"}));
  EXPECT_EQ(f.Memo13.lines(), (std::vector<std::string>{"1", "+3"}));
}

TEST(ScientificCalculation, RadioButtonsExcludeEachOther) {
  Program p;
  p.form.RadioButton3Click();
  EXPECT_TRUE(p.form.RadioButton3.Checked);
  EXPECT_FALSE(p.form.RadioButton1.Checked);
  EXPECT_FALSE(p.form.RadioButton2.Checked);
  EXPECT_EQ(calculate(p, Grad, "[Sin(100)]"), "1");
  EXPECT_EQ(calculate(p, Deg, "[Sin(100)]"), "0,984807753012");
}

// The value at x, or the error; the input box must hold input afterwards.
std::string at(Program& p, Unit unit, std::string_view input, const std::string& x) {
  select(p, unit);
  p.form.Memo1.SetText(input);
  std::string result = "(unset)";
  const std::string error = errorOf([&] { p.form.Calc().EvaluateAt(x, result); });
  EXPECT_EQ(p.form.Memo1.Text(), input) << "the input box after " << input << " at " << x;
  return error == "(no error)" ? result : error;
}

struct AtCase {
  Unit unit;
  std::string_view input;
  std::string x;
  std::string_view expected;
};

TEST(EvaluateAt, ValuesAndTheInputBoxComesBack) {
  const AtCase cases[] = {
      {Deg, "[(x)*Sin(x)]", "30", "15"},
      {Deg, "[Kuvvet2(x)]", "3", "9"},
      {Deg, "[Kuvvet2(x)]", "-3", "9"},
      {Deg, "[(x²)]"_cp, "-3", "9"},
      {Deg, "[(x³)]"_cp, "-2", "-8"},
      {Deg, "[(2x)+(3)]", "4", "11"},
      {Deg, "[(x)]", "0", "0"},
      {Deg, "[(5)]", "17", "5"},
      {Deg, "[(6/x)]", "2", "3"},  // a division by x divides by the value
      {Deg, "[(1/2x²)]"_cp, "3", "0,0555555555555555"},
      {Deg, "[(1/x)]", "-4", "-0,25"},
      {Deg, "[(5-x)]", "-3", "8"},
      {Deg, "[(x²)]"_cp, "0,001", "1E-6"},
      {Deg, "[(x²)]"_cp, "1E20", "1E40"},
      {Deg, "[(x)]", "1E-6", "1E-6"},
      {Deg, "[(x²)+Sin(x)]"_cp, "30", "900,5"},
      {Rad, "[(2)*Sin(x)]+[Kuvvet3(x)]-[(x)]", "2", "7,818594853652"},
      {Grad, "Sin[(x)+(50)]", "50", "1"},
      {Deg, "[(x)]", "y", "'y' is not a valid floating point value"},
      {Deg, "[(1/x)]", "0", "Floating point division by zero"},
      {Deg, "[sin(x)]", "1", "'sin' tanınmayan bir fonksiyon"_cp},
      {Deg, "(x)", "1", kNoBracket},
  };
  Program p;
  for (const AtCase& c : cases) EXPECT_EQ(at(p, c.unit, c.input, c.x), c.expected) << c.input << " at " << c.x;
}

TEST(EvaluateAt, SubstitutionText) {
  struct Row {
    std::string_view text, value, expected;
  };
  const Row rows[] = {
      {"[(1x)*Sin(1x)]", "30", "[(1*30)*Sin(1*30)]"},
      {"[(6/1x)]", "2", "[(6/1/2)]"},
      {"[(1/2x²)]"_cp, "3", "[(1/2/3²)]"_cp},
      {"[(2,5x)]", "-1", "[(2,5*-1)]"},
      {"[(1/2,5x)]", "4", "[(1/2,5/4)]"},
      {"x", "7", "*7"},
  };
  for (const Row& r : rows) EXPECT_EQ(Calculation::SubstituteX(r.text, r.value), r.expected);
}

TEST(EvaluateAt, CallsAreIndependent) {
  Program p;
  p.form.Memo1.SetText("[(x)]+[(1)]");
  std::string a, b;
  p.form.Calc().EvaluateAt("1", a);
  p.form.Calc().EvaluateAt("1", b);
  EXPECT_EQ(a, "2");
  EXPECT_EQ(a, b);
  EXPECT_EQ(p.form.Memo2.Text(), "2");
  EXPECT_EQ(p.form.Memo1.Text(), "[(x)]+[(1)]");
}

TEST(YerineYaz, UsesTheNumberEntryBox) {
  Program p;
  p.form.Memo1.SetText("[(x)*Sin(x)]");
  p.form.Edit1.Text = "30,0";
  p.form.Perform([&] { p.form.Button24Click(); });
  EXPECT_EQ(p.form.Memo2.Text(), "15");
  EXPECT_EQ(p.form.Memo1.Text(), "[(x)*Sin(x)]");
  EXPECT_EQ(p.form.Edit1.Text, "30,0");
  EXPECT_FALSE(p.recording.messages.error.has_value());

  p.form.Memo1.SetText("[(x)]");
  p.form.Edit1.Text = "1E-6";
  p.form.Perform([&] { p.form.Button24Click(); });
  EXPECT_EQ(p.form.Memo2.Text(), "1E-6");

  p.form.Edit1.Text = "2.5";
  p.form.Perform([&] { p.form.Button24Click(); });
  EXPECT_TRUE(p.form.Memo2.Lines().empty());
  EXPECT_EQ(p.form.Memo1.Text(), "[(x)]");
  EXPECT_EQ(p.recording.messages.error, "'2.5' is not a valid floating point value.");
}

}  // namespace
}  // namespace velsira
