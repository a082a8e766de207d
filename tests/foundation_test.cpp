// Number texts, work lists, input preparation, splitting, the unread-text
// check and the main-window model.
#include <cmath>
#include <limits>
#include <random>

#include "engine/Boxes.h"
#include "engine/NumberText.h"
#include "engine/Preparation.h"
#include "engine/Splitting.h"
#include "engine/Text.h"
#include "test_support.h"

namespace velsira {
namespace {

using testing::errorOf;
using testing::Program;

// ---------------------------------------------------------------- number texts

struct FloatCase {
  long double value;
  const char* text;
};

TEST(NumberText, WritesGeneralFormat) {
  const FloatCase cases[] = {
      {0.0L, "0"},
      {-0.0L, "0"},
      {1.0L, "1"},
      {-2.5L, "-2,5"},
      {0.5L, "0,5"},
      {0.1L + 0.2L, "0,3"},
      {1.0L / 3.0L, "0,333333333333333"},
      {2.0L / 3.0L, "0,666666666666667"},
      {0.0001L, "0,0001"},
      {0.00001L, "1E-5"},
      {1e-6L, "1E-6"},
      {1.5e-6L, "1,5E-6"},
      {999999999999999.0L, "999999999999999"},
      {1e15L, "1E15"},
      {1.5e20L, "1,5E20"},
      {123456789012345678.0L, "1,23456789012346E17"},
      {9.999999999999999e14L, "1E15"},
      {std::exp(1.0L), "2,71828182845905"},
      {std::numeric_limits<long double>::infinity(), "INF"},
      {-std::numeric_limits<long double>::infinity(), "-INF"},
  };
  for (const auto& c : cases) EXPECT_EQ(FloatToText(c.value), c.text) << static_cast<double>(c.value);
}

TEST(NumberText, WritesPlainDecimalForExpressionTexts) {
  EXPECT_EQ(FloatToPlainText(1e-6L), "0,000001");
  EXPECT_EQ(FloatToPlainText(1.5e-5L), "0,000015");
  EXPECT_EQ(FloatToPlainText(1e20L), "100000000000000000000");
  EXPECT_EQ(FloatToPlainText(-1e-6L), "-0,000001");
  EXPECT_EQ(FloatToPlainText(9.86960440108936L), "9,86960440108936");
  EXPECT_EQ(FloatToPlainText(0.0L), "0");
}

TEST(NumberText, ReadsAcceptedForms) {
  const std::pair<const char*, long double> cases[] = {
      {"2,5", 2.5L}, {" 3 ", 3.0L}, {"+4", 4.0L}, {"-4", -4.0L}, {"1E3", 1000.0L},
      {"1e-3", 0.001L}, {"5,", 5.0L}, {",5", 0.5L}, {"1,5E+2", 150.0L}, {"1E-5000", 0.0L},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(TextToFloat(text), value) << text;
}

TEST(NumberText, RefusesOtherTexts) {
  for (const char* text : {"", ".", "2.5", "1,2,3", ",", "INF", "1E", "x", "1E5000", "- 1", "1 2", "+"})
    EXPECT_EQ(errorOf([&] { TextToFloat(text); }), "'" + std::string(text) + "' is not a valid floating point value");
}

TEST(NumberText, ReadsIntegersIn32Bits) {
  EXPECT_EQ(TextToInt("12"), 12);
  EXPECT_EQ(TextToInt("+1"), 1);
  EXPECT_EQ(TextToInt("-2147483648"), -2147483647 - 1);
  EXPECT_EQ(TextToInt("2147483647"), 2147483647);
  for (const char* text : {"", "-", "1,5", " 1", "2147483648", "-2147483649", "1e3", "99999999999999999999"})
    EXPECT_EQ(errorOf([&] { TextToInt(text); }), "'" + std::string(text) + "' is not a valid integer value");
}

TEST(ErrorBox, AppendsFullStopAfterLaterCharacters) {
  EXPECT_EQ(presentError("'' is not a valid integer value"), "'' is not a valid integer value.");
  EXPECT_EQ(presentError("Bulunur."), "Bulunur.");
  EXPECT_EQ(presentError("ends with ("), "ends with (");
  EXPECT_EQ(presentError("ends with ]"), "ends with ].");
}

// ------------------------------------------------------------------ work lists

// The list reactions as the nested passes compute them, kept here as the
// reference the direct reductions must agree with.
struct NestedList {
  enum Kind { R, R7, M } kind;
  std::vector<std::string> lines;

  static char at(const std::string& s, long p) { return s[static_cast<size_t>(std::max(p, 1L) - 1)]; }
  long textLength() const {
    long n = 0;
    for (const auto& l : lines) n += static_cast<long>(l.size()) + 2;
    return n;
  }
  void put(size_t i, std::string s) {
    lines[i] = std::move(s);
    react();
  }
  void react() {
    if (kind == R) {
      for (char c : std::string("+*-/")) {
        const long L = textLength();
        for (long p = L; p >= 1; --p)
          for (size_t i = 0; i < lines.size(); ++i)
            if (p <= static_cast<long>(lines[i].size()) && at(lines[i], p) == c)
              put(i, lines[i].substr(static_cast<size_t>(p)));
      }
    } else if (kind == R7) {
      for (char c : std::string("+*-/")) {
        const long L = textLength();
        for (long p = 1; p <= L; ++p)
          for (size_t i = 0; i < lines.size(); ++i) {
            const std::string& s = lines[i];
            if (p > static_cast<long>(s.size()) || at(s, p) != c) continue;
            if ((c == '+' || c == '-') && (at(s, p - 1) == '*' || at(s, p - 1) == '/')) continue;
            put(i, s.substr(static_cast<size_t>(p)));
          }
      }
    } else {
      for (const char* pair : {"+-", "--"}) {
        const long L = textLength();
        for (long p = 1; p <= L; ++p)
          for (size_t i = 0; i < lines.size(); ++i) {
            const std::string& s = lines[i];
            if (p + 1 > static_cast<long>(s.size()) || s.compare(static_cast<size_t>(p - 1), 2, pair) != 0) continue;
            put(i, s.substr(static_cast<size_t>(pair[0] == '+' ? p : p + 1)));
          }
      }
    }
  }
  void add(std::string s) {
    lines.push_back(std::move(s));
    react();
  }
};

TEST(WorkList, ReductionsAgreeWithNestedPasses) {
  std::mt19937 random(1254);
  const std::string alphabet = "+-*/ab1";
  for (int round = 0; round < 3000; ++round) {
    std::string line;
    const int len = static_cast<int>(random() % 9);
    for (int k = 0; k < len; ++k) line += alphabet[random() % alphabet.size()];
    NestedList r{NestedList::R, {}}, r7{NestedList::R7, {}}, m{NestedList::M, {}};
    r.add(line);
    r7.add(line);
    m.add(line);
    EXPECT_EQ(reduceR(line, false), r.lines[0]) << line;
    EXPECT_EQ(reduceR(line, false), r7.lines[0]) << line;
    EXPECT_EQ(reduceM(line), m.lines[0]) << line;
  }
}

TEST(WorkList, KeepsReducedLines) {
  TForm2 f;
  const std::pair<const char*, const char*> operandCases[] = {
      {"a+b*c", "c"}, {"a+b+c", "c"}, {"", ""}, {"-3", "3"}, {"x*-2", "2"}, {"Kuvvet-1", "1"}};
  for (const auto& [in, out] : operandCases) {
    f.Memo7.add(in);
    EXPECT_EQ(f.Memo7.get(f.Memo7.count() - 1), out) << in;
  }
  EXPECT_EQ(f.Memo7.count(), 6);

  const std::pair<const char*, const char*> nameCases[] = {
      {"x*-2", "2"}, {"(", "("}, {"2*Sin", "Sin"}, {"[(1x²)]+", ""}, {"Kuvvet-1", "Kuvvet-1"},
      {"[(x)]+Kuvvet-1", "Kuvvet-1"}, {"2*Kuvvet+3", "Kuvvet+3"}, {"Kuvve-1", "1"}};
  for (const auto& [in, out] : nameCases) {
    f.Memo5.add(std::string(in));
    EXPECT_EQ(f.Memo5.get(f.Memo5.count() - 1), out) << in;
  }

  const std::pair<const char*, const char*> signCases[] = {
      {"+-5", "-5"}, {"--5", "5"}, {"a---b", "-b"}, {"5", "5"}, {"+-Sin(x)", "-Sin(x)"},
      {"3+-2", "-2"}, {"+--b", "b"}, {"--+-b", "-b"}};
  for (const auto& [in, out] : signCases) {
    f.Memo13.add(in);
    EXPECT_EQ(f.Memo13.get(f.Memo13.count() - 1), out) << in;
  }

  f.Memo2.add("Sin");
  f.Memo2.put(0, "2*x");
  EXPECT_EQ(f.Memo2.get(0), "x");
  f.Memo14.add("(+a*b-c)");
  EXPECT_EQ(f.Memo14.get(0), "(+a*b-c)");
}

TEST(WorkList, ReadsOutsideTheLinesAsEmpty) {
  WorkList list;
  list.add("a");
  list.add("b");
  EXPECT_EQ(list.get(-1), "");
  EXPECT_EQ(list.get(2), "");
  list.del(2);
  list.del(-1);
  list.put(5, "z");
  EXPECT_EQ(list.count(), 2);
  EXPECT_EQ(list.text(), "a\r\nb\r\n");
  list.del(0);
  EXPECT_EQ(list.get(0), "b");
}

// ---------------------------------------------------------- input preparation

struct RewriteCase {
  std::string_view input;
  std::string_view output;
};

TEST(Preparation, InsertsUnitCoefficients) {
  const RewriteCase cases[] = {
      {"[(x²)]+[Sin(x)]"_cp, "[(1x²)]+[Sin(1x)]"_cp},
      {"[(x)]", "[(1x)]"},
      {"[(3x)]", "[(3x)]"},
      {"[x]", "[x]"},
      {"x+x-x*x/x", "x+1x-1x*1x/1x"},
  };
  for (const auto& c : cases) EXPECT_EQ(Preparation::insertUnitCoefficients(c.input), c.output) << c.input;
}

TEST(Preparation, SubstitutesConstantsAfterOperators) {
  EXPECT_EQ(Preparation::substituteConstants("[(pi)]*[(e)]"), "[(3,1415926535897932385)]*[(2,71828182845905)]");
  EXPECT_EQ(Preparation::substituteConstants("[(2pi)]"), "[(2pi)]");
  EXPECT_EQ(Preparation::substituteConstants("(1-exp)"), "(1-2,71828182845905xp)");
}

TEST(Preparation, ExpandsSuperscriptsWhereTheyStand) {
  const RewriteCase squares[] = {
      {"[(3²x)]"_cp, "[(9x)]"},
      {"[(1x²)]"_cp, "[(1x²)]"_cp},
      {"(3,1415926535897932385²)"_cp, "(9,86960440108936)"},
      {"(2,71828182845905²)"_cp, "(7,38905609893068)"},
      {"[(2²)]*[(3²)]"_cp, "[(4)]*[(9)]"},
      {"[(2³)]"_cp, "[(2³)]"_cp},
      {"2²+12²"_cp, "4+144"},
      {"[(2x²)]+[(2²)]"_cp, "[(2x²)]+[(4)]"_cp},
      {"1*-3²"_cp, "1*9"},
      {"(-2²)"_cp, "(-4)"},
      {"5-3²"_cp, "5-9"},
      {"-3²"_cp, "-9"},
      {"5--3²"_cp, "5--9"},
      {"[(2+-3²)]"_cp, "[(2+-9)]"},
      {"[(3²)]+[(1*-3²)]"_cp, "[(9)]+[(1*9)]"},
      {"0,001²"_cp, "0,000001"},
      {"[(x+1)²]"_cp, "[(x+1)²]"_cp},
  };
  for (const auto& c : squares) EXPECT_EQ(Preparation::expandSuperscript(c.input, 2, '\xB2'), c.output) << c.input;
  EXPECT_EQ(Preparation::expandSuperscript("[(2³)]"_cp, 3, '\xB3'), "[(8)]");
  EXPECT_EQ(Preparation::expandSuperscript("(-2³)"_cp, 3, '\xB3'), "(-8)");
}

TEST(Preparation, ExpandsPowersWhereTheyStand) {
  const RewriteCase cases[] = {
      {"[(2^10)]", "[(1024)]"},
      {"[(2^3+1)]", "[(8+1)]"},
      {"[(x^2)]", "[(x^2)]"},
      {"[(2^x)]", "[(2^x)]"},
      {"[(2^0,5)]", "[(1,4142135623731)]"},
      {"[(2^12)]", "[(4096)]"},
      {"[(2^3-1)]", "[(8-1)]"},
      {"[(2^3*5^2)]", "[(8*25)]"},
      {"[(2)]+[(3)]", "[(2)]+[(3)]"},
      {"[(10^20)]", "[(100000000000000000000)]"},
      {"[(2^2+12^2)]", "[(4+144)]"},
      {"[(1*-2^3)]", "[(1*-8)]"},
      {"[(5-2^3)]", "[(5-8)]"},
      {"[(0^5)]", "[(0)]"},
      {"[(7^0)]", "[(1)]"},
  };
  for (const auto& c : cases) EXPECT_EQ(Preparation::expandPowers(c.input), c.output) << c.input;
}

TEST(Preparation, PowerFailuresCarryTheirMessages) {
  EXPECT_EQ(errorOf([] { Preparation::expandSuperscript("[(1,2,3²)]"_cp, 2, '\xB2'); }),
            "'1,2,3' is not a valid floating point value");
  EXPECT_EQ(errorOf([] { Preparation::expandPowers("[(,^2)]"); }), "',' is not a valid floating point value");
  EXPECT_EQ(errorOf([] { Preparation::expandPowers("[(10^5000)]"); }), "Floating point overflow");
}

TEST(Preparation, RecognisesConstantTexts) {
  for (const char* s : {"", ",", "12,5", "2pi", "pi", "0"}) EXPECT_TRUE(Preparation::isConstantText(s)) << s;
  for (const char* s : {"x", "2x", "p", "-3", "pip", "Sin"}) EXPECT_FALSE(Preparation::isConstantText(s)) << s;
  std::string flag;
  Preparation::ConstantFlag("2pi", flag);
  EXPECT_EQ(flag, "1");
  Preparation::ConstantFlag("i", flag);
  EXPECT_EQ(flag, "0");
}

TEST(Preparation, TidiesResults) {
  EXPECT_EQ(Preparation::tidyResult("(+(1x))"), "((x))");
  EXPECT_EQ(Preparation::tidyResult("(+((1))*(Sin(1x))+((1)*(Cos(1x)))*((1x)))"),
            "(((1))*(Sin(x))+((1)*(Cos(x)))*((x)))");
  EXPECT_EQ(Preparation::tidyResult("21x+0,1x+1x"), "21x+0,1x+x");
}

TEST(Preparation, RewritesTheInputBoxOnlyWhenChanged) {
  Program p;
  p.form.Memo1.SetText("[(2)]+[(3)]");
  p.form.Memo1.SetSelection(4, 0);
  p.form.Prep().ExpandPowers();
  EXPECT_EQ(p.form.Memo1.SelStart(), 4);
  p.form.Prep().InsertUnitCoefficients();
  p.form.Memo1.SetText("[(x)]");
  p.form.Memo1.SetSelection(3, 0);
  p.form.Prep().InsertUnitCoefficients();
  EXPECT_EQ(p.form.Memo1.Text(), "[(1x)]");
  EXPECT_EQ(p.form.Memo1.SelStart(), 0);
}

// ----------------------------------------------------------------- splitting

std::vector<std::string> linesOf(const WorkList& list) { return list.lines(); }
using Lines = std::vector<std::string>;

TEST(Splitting, CutsBracketTermsFactorsAndOperands) {
  Program p;
  TForm2& f = p.form2;
  p.form.Memo1.SetText("[(1x²)]+[Sin(1x)]"_cp);
  p.form.Split().SplitBracketTerms();
  EXPECT_EQ(linesOf(f.Memo3), (Lines{"1", "9"}));
  EXPECT_EQ(linesOf(f.Memo4), (Lines{"7", "17"}));
  EXPECT_EQ(linesOf(f.Memo9), (Lines{"+", ""}));
  EXPECT_EQ(linesOf(f.Memo5), (Lines{"", ""}));
  EXPECT_EQ(linesOf(f.Memo6), (Lines{std::string("(1x²)"_cp), "Sin(1x)"}));

  p.form.Split().SplitFactors("2Sin(x)*Cos(x+1)");
  EXPECT_EQ(linesOf(f.Memo10), (Lines{"5", "12"}));
  EXPECT_EQ(linesOf(f.Memo11), (Lines{"7", "16"}));
  EXPECT_EQ(linesOf(f.Memo12), (Lines{"*", ""}));
  EXPECT_EQ(linesOf(f.Memo2), (Lines{"2Sin", "Cos"}));
  EXPECT_EQ(linesOf(f.Memo8), (Lines{"x", "x+1"}));

  p.form.Split().SplitFactors("Sin(Cos(x))");
  EXPECT_EQ(linesOf(f.Memo2), (Lines{"Sin", "Sin(Cos"}));
  EXPECT_EQ(linesOf(f.Memo8), (Lines{"Cos(x", "x)"}));
  p.form.Split().SplitFactors("x");
  EXPECT_EQ(f.Memo2.count(), 0);

  f.Memo7.clear();
  f.Memo1.clear();
  p.form.Split().SplitOperands("-2x*-3");
  EXPECT_EQ(linesOf(f.Memo7), (Lines{"", "2x", "", "3"}));
  EXPECT_EQ(linesOf(f.Memo1), (Lines{"-", "*", "-"}));
  p.form.Split().JoinSignedOperands();
  EXPECT_EQ(linesOf(f.Memo15), (Lines{"-2x", "-3", "", ""}));
  EXPECT_EQ(linesOf(f.Memo7), (Lines{"2x", "3"}));
  EXPECT_EQ(linesOf(f.Memo1), (Lines{"*"}));
}

TEST(Splitting, JoinsSignsOntoOperands) {
  const std::pair<const char*, Lines> cases[] = {
      {"-a+b", {"-a", "b", ""}}, {"a+b", {"a", "b"}}, {"", {""}}, {"a+", {"a", ""}}, {"2--3", {"2", "-3", ""}}};
  for (const auto& [text, signed_] : cases) {
    Program p;
    p.form.Split().SplitOperands(text);
    p.form.Split().JoinSignedOperands();
    EXPECT_EQ(linesOf(p.form2.Memo15), signed_) << text;
  }
}

TEST(Splitting, PrefixesAndMismatchedBrackets) {
  Program p;
  p.form.Memo1.SetText("3[(x)]*[(x)]");
  p.form.Split().SplitBracketTerms();
  EXPECT_EQ(linesOf(p.form2.Memo5), (Lines{"3", ""}));
  EXPECT_EQ(linesOf(p.form2.Memo9), (Lines{"*", ""}));

  p.form.Button3Click();
  p.form.Memo1.SetText("[(x)]]");
  EXPECT_EQ(errorOf([&] { p.form.Split().SplitBracketTerms(); }), "'' is not a valid integer value");
  EXPECT_EQ(linesOf(p.form2.Memo6), (Lines{"(x)"}));

  p.form.Button3Click();
  p.form.Memo1.SetText("][");
  p.form.Split().SplitBracketTerms();
  EXPECT_EQ(linesOf(p.form2.Memo6), (Lines{""}));
}

TEST(Splitting, FindsUnreadText) {
  const std::pair<std::string_view, std::string_view> bracketLevel[] = {
      {"[x*Sin(x)]", ""}, {"[(x)] + [(x)]", " +"}, {"[(x)]+[(x)]", ""}, {"Sin[(x)]", ""},
      {"[(x)]+abc", "abc"}, {"[(x)]x", "x"}, {"2*Sin[(x)]", "2*"}, {"[(x)][(x)]", "["}, {"[(x)]+", ""},
      {"[(x)]]", ""} /* does not pair: left to the split */};
  for (const auto& [text, unread] : bracketLevel) {
    const std::string expected =
        unread.empty() ? "(no error)"
                       : "'" + std::string(unread) +
                             std::string("' okunamadı. Her çarpanı parantez, her terimi köşeli parantez içine "
                                         "yazınız, ör: [(2)*Sin(x)]+[(x²)]"_cp);
    EXPECT_EQ(errorOf([&] { Splitting::CheckAllRead(text, '[', ']'); }), expected) << text;
  }
  const std::pair<std::string_view, std::string_view> factorLevel[] = {
      {"x*Sin(x)", "x*"}, {"2*Sin(x)", "2*"}, {"-Sin(x)", "-"}, {"(x+1)²"_cp, "²"_cp}, {"x²"_cp, "x²"_cp},
      {"Sin(x)Cos(x)", "C"}, {"(2)(3)", "("}, {"Kuvvet-1(x)", ""}, {"2Sin(x)*Cos(x)", ""}, {"[()]", "]"},
      {"", ""}, {"(x²)-(x+1)"_cp, ""}};
  for (const auto& [text, unread] : factorLevel) {
    const std::string got = errorOf([&] { Splitting::CheckAllRead(text, '(', ')'); });
    if (unread.empty())
      EXPECT_EQ(got, "(no error)") << text;
    else
      EXPECT_EQ(got.substr(0, unread.size() + 2), "'" + std::string(unread) + "'") << text;
  }
}

// The unread-text check as a plain marking of every read character, for
// comparison: "" when all is read, else the leftmost unread run.
std::string unreadByMarking(std::string_view t, char open, char close) {
  std::vector<size_t> opens, closes;
  for (size_t p = 0; p < t.size(); ++p) {
    if (t[p] == open) opens.push_back(p);
    if (t[p] == close) closes.push_back(p);
  }
  if (opens.size() != closes.size()) return "";
  for (size_t i = 0; i < opens.size(); ++i)
    if (closes[i] < opens[i] || (i + 1 < opens.size() && opens[i + 1] < closes[i])) return "";
  std::vector<bool> read(t.size(), false);
  for (size_t i = 0; i < opens.size(); ++i) {
    for (size_t p = opens[i]; p <= closes[i]; ++p) read[p] = true;
    const size_t regionStart = i == 0 ? 0 : closes[i - 1] + 2;
    if (regionStart < opens[i]) {
      const size_t name = reduceR(t.substr(0, opens[i]), true).size();
      for (size_t p = std::max(regionStart, opens[i] - name); p < opens[i]; ++p) read[p] = true;
    }
  }
  for (size_t c : closes)
    if (c + 1 < t.size()) read[c + 1] = isOperator(t[c + 1]);
  size_t p = 0;
  while (p < t.size() && read[p]) ++p;
  size_t end = p;
  while (end < t.size() && !read[end]) ++end;
  return std::string(t.substr(p, end - p));
}

TEST(Splitting, UnreadTextCheckAgreesWithMarkingOverRandomTexts) {
  std::mt19937_64 random(21);
  constexpr std::string_view kAlphabet = "[]()[]()+-*/x2,SinKuvvet";
  for (int k = 0; k < 30000; ++k) {
    std::string text;
    const size_t length = random() % 14;
    for (size_t i = 0; i < length; ++i) text += kAlphabet[random() % kAlphabet.size()];
    for (const auto& [open, close] : {std::pair{'[', ']'}, std::pair{'(', ')'}}) {
      const std::string unread = unreadByMarking(text, open, close);
      const std::string got = errorOf([&] { Splitting::CheckAllRead(text, open, close); });
      if (unread.empty())
        ASSERT_EQ(got, "(no error)") << text;
      else
        ASSERT_EQ(got.substr(0, unread.size() + 2), "'" + unread + "'") << text;
    }
  }
}

// ---------------------------------------------------------- main-window model

TEST(MainWindow, StartsWithTheInitialTexts) {
  Program p;
  EXPECT_EQ(p.form.Memo1.Text(), "[()]");
  EXPECT_EQ(p.form.Memo1.SelStart(), 2);
  EXPECT_EQ(p.form.Memo1.SelLength(), 0);
  EXPECT_EQ(p.form.Edit1.Text, "0");
  EXPECT_TRUE(p.form.RadioButton1.Checked);
  EXPECT_FALSE(p.form.RadioButton2.Checked || p.form.RadioButton3.Checked);
  EXPECT_TRUE(p.form.Memo2.Lines().empty());
}

TEST(MainWindow, PadInsertsAtTheCaretAfterTheSelection) {
  Program p;
  for (const char* key : {"Button26", "SpeedButton6", "SpeedButton1"}) EXPECT_TRUE(p.form.PadClick(key));
  EXPECT_EQ(p.form.Memo1.Text(), "[(2x²)]"_cp);
  EXPECT_EQ(p.form.Memo1.SelStart(), 5);

  p.form.Memo1.SetText("ab");
  p.form.Memo1.SetSelection(0, 2);
  p.form.PadClick("Button7");
  EXPECT_EQ(p.form.Memo1.Text(), "abSin()");
  EXPECT_EQ(p.form.Memo1.SelStart(), 7);
  EXPECT_EQ(p.form.Memo1.SelLength(), 0);
  EXPECT_FALSE(p.form.PadClick("Button99"));
}

TEST(MainWindow, SelectionCountsALineBreakAsOneCharacter) {
  InputBox box;
  box.SetText("ab\r\ncd");
  EXPECT_EQ(box.Length(), 5);
  box.SetSelection(2, 2);
  EXPECT_EQ(box.SelText(), "\r\nc");
  box.ReplaceSelection("X");
  EXPECT_EQ(box.Text(), "abXd");
  EXPECT_EQ(box.SelStart(), 3);
  box.AddLine("x=");
  EXPECT_EQ(box.Line(1), "x=");
  EXPECT_EQ(box.Line(2), "");
  EXPECT_EQ(box.LineCount(), 2);
}

TEST(MainWindow, HintAndClear) {
  Program p;
  p.form.Memo2.AddLine("old");
  p.form2.Memo7.add("a");
  p.form2.Memo15.add("b");
  p.form.Memo1.SetText("[(x)]");
  p.form.Button3Click();
  EXPECT_TRUE(p.form.Memo2.Lines().empty());
  for (int k = 1; k <= 15; ++k) EXPECT_EQ(p.form2.memo(k).count(), 0) << k;
  EXPECT_EQ(p.form.Memo1.Text(), "[(x)]");

  p.form.Button12Click();
  ASSERT_EQ(p.recording.messages.messages.size(), 1u);
  EXPECT_EQ(p.recording.messages.messages[0], "Parantezin bir öncesine h yazınız. ör: Sinh(90)"_cp);
  EXPECT_EQ(p.form.Memo1.Text(), "[(x)]");
}

TEST(MainWindow, RadioButtonsExcludeEachOther) {
  Program p;
  p.form.RadioButton3Click();
  EXPECT_EQ(p.form.Area().Unit(), AngleUnit::Grads);
  EXPECT_FALSE(p.form.RadioButton1.Checked);
  p.form.RadioButton2Click();
  EXPECT_EQ(p.form.Area().Unit(), AngleUnit::Radians);
  EXPECT_FALSE(p.form.RadioButton3.Checked);
  p.form.RadioButton1Click();
  EXPECT_EQ(p.form.Area().Unit(), AngleUnit::Degrees);
}

TEST(MainWindow, PerformShowsErrorsInTheErrorBox) {
  Program p;
  p.form.Memo2.AddLine("Delta=-3");
  p.form.Perform([] { raiseInvalidOperation(); });
  EXPECT_EQ(p.recording.messages.error, "Invalid floating point operation.");
  EXPECT_EQ(p.form.Memo2.Lines(), (Lines{"Delta=-3"}));
}

TEST(ProgressBar, RefusesAnInvertedRange) {
  ProgressBar bar;
  EXPECT_EQ(errorOf([&] { bar.SetRange(5, 4); }), "TProgressBar property out of range");
  EXPECT_EQ(bar.Min(), 0);
  EXPECT_EQ(bar.Max(), 200);
  bar.SetRange(-100, 100);
  bar.StepBy(500);
  EXPECT_EQ(bar.Position(), 100);
}

}  // namespace
}  // namespace velsira
