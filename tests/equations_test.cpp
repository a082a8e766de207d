// Equation solving: the three-decimal format, the worked quadratic solution
// and the driving of the integer-root scan (dialogs, progress window, bounds).
#include <optional>
#include <string>
#include <vector>

#include "engine/Equations.h"
#include "test_support.h"

namespace velsira {
namespace {

using testing::Program;

TEST(ThreeDecimalText, FixedPointWithAPointInFiveCharacters) {
  const struct {
    long double value;
    const char* text;
  } cases[] = {
      {0.5L, "0.500"},
      {2.0L, "2.000"},
      {-1.0L, "-1.000"},
      {0.0L, "0.000"},
      {-0.0L, "0.000"},
      {0.0625L, "0.063"},  // an exact tie rounds away from zero
      {-0.0625L, "-0.063"},
      {9.9996L, "10.000"},
      {999.9999L, "1000.000"},
      {0.0004L, "0.000"},
      {-0.0001L, "-0.000"},
      {89442.71910112101L, "89442.719"},
  };
  for (const auto& c : cases) EXPECT_EQ(Equations::ThreeDecimalText(c.value), c.text) << static_cast<double>(c.value);
}

struct QuadraticCase {
  std::string input;
  std::vector<std::string> lines;
  std::string error;  // as the error box shows it; empty when none
};

std::vector<std::string> solution(const std::string& delta, const std::string& r, const std::string& minusB,
                                  const std::string& twoA, const std::string& x1, const std::string& x2) {
  return {"Delta=" + delta,
          std::string("Kök Delta="_cp) + r,
          std::string("Birinci Kök ("_cp) + minusB + "+" + r + ")/" + twoA,
          std::string("İkinci Kök ("_cp) + minusB + "-" + r + ")/" + twoA,
          "Bulunur.",
          std::string("Yani yaklaşık X1="_cp) + x1 + " ; X2=" + x2 + "'dir"};
}

template <size_t N>
void expectSolutions(const QuadraticCase (&cases)[N]) {
  for (const auto& c : cases) {
    Program p;
    p.form.Memo1.SetText(c.input);
    p.form.Perform([&] { p.form.Button2Click(); });
    EXPECT_EQ(p.form.Memo2.Lines(), c.lines) << c.input;
    EXPECT_EQ(p.recording.messages.error.value_or(""), c.error) << c.input;
  }
}

TEST(Button2Click, WorkedSolutions) {
  const QuadraticCase cases[] = {
      {"[(-1x\xB2+0x+4)]", solution("16", "4.000", "0", "-2", "-2.000", "2.000"), ""},
      {"[(1x\xB2+3x+0)]", solution("9", "3.000", "-3", "2", "0.000", "-3.000"), ""},
      // A second line does not matter.
      {"[(x\xB2-x-2)]\r\nrest", solution("9", "3.000", "1", "2", "2.000", "-1.000"), ""},
      // c is read to the end of the argument: 1000, not 100.
      {"[(1x\xB2+1x-1000)]", solution("4001", "63.253", "-1", "2", "31.127", "-32.127"), ""},
      // D exact beyond 32 bits.
      {"[(1x\xB2+1x-2000000000)]",
       solution("8000000001", "89442.719", "-1", "2", "44720.860", "-44721.860"), ""},
  };
  expectSolutions(cases);
}

TEST(Button2Click, MissingTermsCountAsZero) {
  const QuadraticCase cases[] = {
      {"[(x\xB2-4)]", solution("16", "4.000", "0", "2", "2.000", "-2.000"), ""},
      {"[(x\xB2+3x)]", solution("9", "3.000", "-3", "2", "0.000", "-3.000"), ""},
      {"[(2x\xB2)]", solution("0", "0.000", "0", "4", "0.000", "0.000"), ""},
      {"[(-x\xB2+9)]", solution("36", "6.000", "0", "-2", "-3.000", "3.000"), ""},
  };
  expectSolutions(cases);
}

TEST(Button2Click, ANegativeDiscriminantGivesTheComplexRoots) {
  const std::string none("Delta<0 olduğundan gerçek kök yoktur; "_cp);
  const QuadraticCase cases[] = {
      {"[(x\xB2+2x+5)]", {"Delta=-16", none + "X1=-1.000+2.000i ; X2=-1.000-2.000i"}, ""},
      {"[(1x\xB2 x+5)]", {"Delta=-19", none + "X1=-0.500+2.179i ; X2=-0.500-2.179i"}, ""},  // b = 1
      {"[(-2x\xB2+3x-5)]", {"Delta=-31", none + "X1=0.750-1.392i ; X2=0.750+1.392i"}, ""},
      {"[(x\xB2+1)]", {"Delta=-4", none + "X1=0.000+1.000i ; X2=0.000-1.000i"}, ""},
      // Far beyond 64 bits of 4ac, still exact enough for three decimals.
      {"[(1x\xB2+1x+2000000000)]", {"Delta=-7999999999", none + "X1=-0.500+44721.360i ; X2=-0.500-44721.360i"}, ""},
  };
  expectSolutions(cases);
}

TEST(Button2Click, FailuresKeepTheLinesWrittenSoFar) {
  const std::string none = "'' is not a valid integer value.";
  const QuadraticCase cases[] = {
      {"[(0x\xB2+0x+0)]",
       {"Delta=0", std::string("Kök Delta=0.000"_cp), std::string("Birinci Kök (0+0.000)/0"_cp),
        std::string("İkinci Kök (0-0.000)/0"_cp), "Bulunur."},
       "Invalid floating point operation."},
      {"[(2x+1)]", {}, none},                 // no x²
      {"[(123456789x\xB2+1x+1)]", {}, none},  // x² beyond the ninth character
      {"[(1x\xB2+12345x+1)]", {}, none},      // linear x beyond the ninth character
      {"[(1x\xB2+ax+1)]", {}, "'+a' is not a valid integer value."},
      {"[(1x\xB2+1x+1y)]", {}, "'+1y' is not a valid integer value."},
      {"Sin", {}, none},
  };
  expectSolutions(cases);
}

// The scan's dialogs and bounds, up to the first evaluation.
TEST(Button39Click, AsksForBothBoundsWithTheProgressWindowShown) {
  Program p;
  p.recording.dialogs.answers = {std::string("5"), std::string("x")};
  p.form.Perform([&] { p.form.Button39Click(); });
  ASSERT_EQ(p.recording.dialogs.asked.size(), 2u);
  EXPECT_EQ(p.recording.dialogs.asked[0].caption, std::string("Denklem için"_cp));
  EXPECT_EQ(p.recording.dialogs.asked[0].prompt, std::string("Lütfen x'in tahmini minimum değerini giriniz."_cp));
  EXPECT_EQ(p.recording.dialogs.asked[0].defaultText, "-100");
  EXPECT_EQ(p.recording.dialogs.asked[1].caption, std::string("Denklem için"_cp));
  EXPECT_EQ(p.recording.dialogs.asked[1].prompt, std::string("Lütfen x'in tahmini maksimum değerini giriniz."_cp));
  EXPECT_EQ(p.recording.dialogs.asked[1].defaultText, "100");
  EXPECT_EQ(p.recording.messages.error.value_or(""), "'x' is not a valid integer value.");
  EXPECT_FALSE(p.recording.progress.Visible());  // hidden after the failure
}

struct ScanCase {
  std::string input;
  std::optional<std::string> xmin, xmax;  // nullopt: Cancel
  std::vector<std::string> lines;
};

TEST(Button39Click, ListsTheIntegerRootsInAscendingOrder) {
  const ScanCase cases[] = {
      {"[(x\xB2-x-2)]", std::nullopt, std::nullopt, {"-1 ; 2"}},  // Cancel twice: -100 .. 100
      {"[(x\xB2-4)]", std::string("-2"), std::string("2"), {"-2 ; 2"}},
      {"[(x\xB2-2)]", std::string("-10"), std::string("10"), {std::string("Bu aralıkta tam sayı kök bulunamadı."_cp)}},
      {"[(x)]", std::string("+0"), std::string("0"), {"0"}},
  };
  for (const auto& c : cases) {
    Program p;
    p.form.Memo1.SetText(c.input);
    p.recording.dialogs.answers = {c.xmin, c.xmax};
    p.form.Perform([&] { p.form.Button39Click(); });
    EXPECT_EQ(p.recording.messages.error.value_or(""), "") << c.input;
    EXPECT_EQ(p.form.Memo2.Lines(), c.lines) << c.input;
    EXPECT_EQ(p.form.Memo1.Text(), c.input) << c.input;
    EXPECT_FALSE(p.recording.progress.Visible()) << c.input;
  }
}

TEST(Button39Click, EachScanShowsItsOwnProgress) {
  Program p;
  ProgressBar& bar = p.recording.progress.ProgressBar1;
  std::vector<long> positions;
  bar.onChanged = [&] { positions.push_back(bar.Position()); };
  p.form.Memo1.SetText("[(x)]");
  for (int run = 0; run < 2; ++run) {
    positions.clear();
    p.recording.dialogs.answers = {std::string("-2"), std::string("2")};
    p.form.Button39Click();
    // The range, then the new minimum, then one advance per integer; the
    // last advance stays at the maximum.
    const long held = run == 0 ? 0 : 2;
    EXPECT_EQ(positions, (std::vector<long>{held, -2, -1, 0, 1, 2, 2})) << run;
    EXPECT_EQ(p.form.Memo2.Lines(), std::vector<std::string>{"0"});
  }
}

}  // namespace
}  // namespace velsira
