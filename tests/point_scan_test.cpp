// The scan's planned evaluation against the text path: generated inputs of
// every name family, bracket prefixes and number form, scanned over
// integers on both sides of zero in each angle unit, must give the same
// result texts, the same error at the same point, and the same boxes and
// work lists after the scan.
#include <random>
#include <string>
#include <vector>

#include "engine/NumberText.h"
#include "engine/PointScan.h"
#include "test_support.h"

namespace velsira {
namespace {

using testing::Program;

// What a scan leaves: the result text of each point, the error that ended
// it (empty when none), the boxes and every work list.
struct ScanRecord {
  std::vector<std::string> results;
  std::vector<long double> values;
  std::string error;
  std::string input, resultBox;
  std::vector<std::string> lists;
};

void record(Program& p, ScanRecord& r) {
  r.input = p.form.Memo1.Text();
  r.resultBox = p.form.Memo2.Text();
  for (int k = 1; k <= 15; ++k) r.lists.push_back(p.form2.memo(k).text());
}

void selectUnit(Program& p, int unit) {
  RadioButton* buttons[] = {&p.form.RadioButton1, &p.form.RadioButton2, &p.form.RadioButton3};
  buttons[unit]->Checked = true;
  if (unit == 0) p.form.RadioButton1Click();
  if (unit == 1) p.form.RadioButton2Click();
  if (unit == 2) p.form.RadioButton3Click();
}

ScanRecord textScan(Program& p, const std::vector<long long>& xs) {
  ScanRecord r;
  std::string value;
  try {
    for (const long long x : xs) {
      p.form.Calc().EvaluateAt(IntToText(x), value);
      r.results.push_back(value);
      r.values.push_back(TextToFloat(value));
    }
  } catch (const EngineError& e) {
    r.error = e.text();
  }
  record(p, r);
  return r;
}

ScanRecord plannedScan(Program& p, const std::vector<long long>& xs, long long& planned) {
  ScanRecord r;
  std::string value;
  PointScan scan(p.form.Calc());
  try {
    for (size_t i = 0; i < xs.size(); ++i) {
      scan.Evaluate(xs[i], value, i + 1 == xs.size());
      r.results.push_back(value);
      r.values.push_back(scan.Value());
    }
  } catch (const EngineError& e) {
    r.error = e.text();
  }
  planned += scan.PlannedPoints();
  record(p, r);
  return r;
}

// Inputs as a user composes them on the pad, with now and then a form the
// plan does not hold.
class InputGenerator {
 public:
  explicit InputGenerator(unsigned seed) : random_(seed) {}

  std::string input() {
    std::string t;
    const int terms = 1 + pick(3);
    for (int i = 0; i < terms; ++i) {
      if (i > 0) t += oneOf(kOperators);
      if (pick(5) == 0) t += oneOf(kPrefixes);
      t += '[';
      const int factors = 1 + pick(3);
      for (int j = 0; j < factors; ++j) {
        if (j > 0) t += oneOf(kOperators);
        t += pick(3) == 0 ? std::string() : pick(20) == 0 ? oneOf(kRareNames) : oneOf(kNames);
        t += '(' + argument() + ')';
      }
      t += ']';
    }
    // Now and then the same terms written again, which the plan evaluates once.
    if (pick(6) == 0) t += oneOf(kOperators) + t + (pick(2) == 0 ? "-" : "+") + t;
    return t;
  }

  std::vector<long long> points() {
    std::vector<long long> xs;
    const int kind = pick(10);
    long long start = pick(2) == 0 ? 1 + pick(5) : -6 + pick(7);
    if (kind == 0) start = -1000001 + pick(3);
    if (kind == 1) start = 123456786 + pick(5);  // squares beyond 15 digits
    if (kind == 2) start = -99 - pick(50);
    const int n = 2 + pick(8);
    for (int i = 0; i < n; ++i) xs.push_back(start + i);
    return xs;
  }

  int unit() { return pick(3); }

 private:
  static constexpr const char* kOperators[] = {"+", "-", "*", "/"};
  static constexpr const char* kPrefixes[] = {"Sin", "ln", "Kuvvet2", "K\xF6k", "2", "ArcTan", "log10", "Cosh"};
  // Names and operands that evaluate at most points, and the rarer ones
  // that fail somewhere or that the plan does not hold.
  static constexpr const char* kNames[] = {
      "Sin",  "Cos",     "Tan",     "Sec",     "Sinh",      "Cosh",     "Tanh",    "ArcTan", "ArcCot",
      "ArcSinh", "Kuvvet2", "Kuvvet3", "Kuvvet-1", "\xDCstel2", "2Sin",    "3",       "Per2",   "Kom2",
      "Kom0"};
  static constexpr const char* kRareNames[] = {
      "Csc", "Cot",  "Coth", "ArcSin", "ArcCos", "ArcTanh", "ArcCoth", "ArcCosh", "log2", "log3", "log10",
      "log0,5", "ln", "Kuvvet0,5", "K\xF6k", "K\xF6k3", "!", "sin", "log"};
  static constexpr const char* kOperands[] = {
      "x", "x", "x", "2x", "x\xB2", "x\xB2", "x\xB3", "3x\xB2", "0,5x", "7", "0", "2,5", "0,1", "0,2", "pi", "e",
      "1E3", "2^3", "3\xB2", "1234567890123456789", "0,0000000000005", "0,00001", "1,0000000000005",
      "999999999999999", "0,1234567890123456", "45", "90", "180", "1,5x\xB2", "0,3333333333333"};
  static constexpr const char* kRareOperands[] = {"xx", "x5", "2pi", "1,2,3", "", "1E-5", "x^2", "x\xB2\xB3"};

  int pick(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }
  template <size_t N>
  std::string oneOf(const char* const (&table)[N]) {
    return table[pick(static_cast<int>(N))];
  }

  std::string argument() {
    std::string a;
    if (pick(6) == 0) a += '-';
    const int operands = 1 + pick(3);
    for (int k = 0; k < operands; ++k) {
      if (k > 0) a += oneOf(kOperators);
      a += pick(40) == 0 ? oneOf(kRareOperands) : oneOf(kOperands);
    }
    return a;
  }

  std::mt19937 random_;
};

TEST(PointScan, GivesTheTextPathsResultsErrorsAndListsOnGeneratedScans) {
  InputGenerator generate(20240613);
  Program text, fast;
  long long planned = 0, points = 0;
  for (int n = 0; n < 5000; ++n) {
    const std::string input = generate.input();
    const std::vector<long long> xs = generate.points();
    const int unit = generate.unit();
    for (Program* p : {&text, &fast}) {
      selectUnit(*p, unit);
      p->form.Memo1.SetText(input);
    }
    const ScanRecord expected = textScan(text, xs);
    const ScanRecord actual = plannedScan(fast, xs, planned);
    points += static_cast<long long>(xs.size());
    SCOPED_TRACE("input " + input + " from x = " + IntToText(xs.front()) + ", unit " + IntToText(unit));
    ASSERT_EQ(actual.results, expected.results);
    ASSERT_EQ(actual.values, expected.values);
    ASSERT_EQ(actual.error, expected.error);
    ASSERT_EQ(actual.input, expected.input);
    ASSERT_EQ(actual.resultBox, expected.resultBox);
    ASSERT_EQ(actual.lists, expected.lists);
  }
  // The comparison is worth something only where the plan was used.
  EXPECT_GT(planned, points / 5);
}

// Inputs the plan must hold, so that a scan does not quietly fall back to
// the text path for them.
TEST(PointScan, PlansTheCommonInputs) {
  const char* inputs[] = {"[(x\xB2)+Sin(x)]", "[(x\xB2-x-2)]", "[(x-3)*(x+4)]+[Sin(x)]",
                          "[(2)*Sin(x)]+[Kuvvet3(x)]-[(x)]", "ln[(x\xB2+1)]", "[(6/x)]", "[(x\xB3-2x+pi)]"};
  for (const char* input : inputs) {
    Program p;
    p.form.Memo1.SetText(input);
    PointScan scan(p.form.Calc());
    EXPECT_TRUE(scan.Planned()) << input;
    std::string value;
    for (long long x = 1; x <= 5; ++x) scan.Evaluate(x, value, x == 5);
    EXPECT_EQ(scan.PlannedPoints(), 3) << input;  // all but the checked first and the last
  }
}

// Forms whose value digits would run into the text around them, and
// powers the preparation writes from more than the value: the scan takes
// the text path for every point, with the text path's answers.
TEST(PointScan, LeavesFormsItCannotHoldToTheTextPath) {
  const char* inputs[] = {"[(x5)]", "[(x)\xB2]", "[(x\xB2\xB3)]", "[(x^2)]", "[x(2)]", "[(x)]x", "[(2)"};
  for (const char* input : inputs) {
    Program p;
    p.form.Memo1.SetText(input);
    PointScan scan(p.form.Calc());
    EXPECT_FALSE(scan.Planned()) << input;
  }
}

// The root scan through the scan object: roots, the list after the last
// point, and an error at the first failing point with what it leaves.
TEST(PointScan, RootScanKeepsItsResultsAndErrors) {
  struct Row {
    const char* input;
    const char* xmin;
    const char* xmax;
    const char* result;  // the result box, or the error text
  };
  const Row rows[] = {
      {"[(x\xB2-x-2)]", "-100", "100", "-1 ; 2"},
      {"[(x-3)*(x+4)]+[(0)]", "-10", "10", "-4 ; 3"},
      {"[(x\xB3)]", "-5", "5", "0"},
      {"ln[(x)]", "-3", "3", "Invalid floating point operation"},
      {"[(1)/(x)]", "-3", "3", "Floating point division by zero"},
  };
  for (const Row& row : rows) {
    Program p;
    p.form.Memo1.SetText(row.input);
    p.recording.dialogs.answers = {std::string(row.xmin), std::string(row.xmax)};
    p.form.Perform([&] { p.form.Button39Click(); });
    const std::string shown = p.recording.messages.error ? *p.recording.messages.error : p.form.Memo2.Text();
    EXPECT_EQ(shown.substr(0, std::string(row.result).size()), row.result) << row.input;
    EXPECT_EQ(p.form.Memo1.Text(), row.input);
  }
}

}  // namespace
}  // namespace velsira
