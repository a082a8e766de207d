// The arithmetic reduction: flat texts cut by the splitting and reduced to one
// number, "*" and "/" before "+" and "-", with its summand lines and errors.
#include <vector>

#include "engine/Reduction.h"
#include "test_support.h"

namespace velsira {
namespace {

using testing::errorOf;
using testing::Program;

// Cuts text into the operand lists as every caller does.
void split(Program& p, std::string_view text) {
  TForm2& f = p.form2;
  f.Memo1.clear();
  f.Memo7.clear();
  f.Memo13.clear();
  f.Memo15.clear();
  p.form.Split().SplitOperands(text);
  p.form.Split().JoinSignedOperands();
}

std::string reduce(Program& p, std::string_view text) {
  split(p, text);
  std::string result;
  const std::string error = errorOf([&] { p.form.Calc().Reducer().ReduceToNumber(result); });
  return error == "(no error)" ? result : error;
}

struct Case {
  std::string_view text;
  std::string_view expected;  // the number text, or the error text
};

TEST(Reduction, ProductsBeforeSums) {
  const Case cases[] = {
      {"", "0"},
      {"7", "7"},
      {"-7", "-7"},
      {"1-2*3*4", "-23"},
      {"2+3*4", "14"},
      {"2-3*4", "-10"},
      {"8/2/2", "2"},
      {"6/3*2", "4"},
      {"-5*3", "-15"},
      {"2--3", "5"},
      {"2+-3", "-1"},
      {"2*-3", "-6"},
      {"-2*-3*-1", "-6"},
      {"2*3+4*5*6", "126"},
      {"2*3*4*5", "120"},
      {"1/3*3", "0,999999999999999"},  // the head line holds 15 digits
      {"0,1+0,2", "0,3"},
      {"0,0000015", "1,5E-6"},
      {"10/4-1", "1,5"},
      {"2*3-8/4/2+1", "6"},
  };
  Program p;
  for (const Case& c : cases) EXPECT_EQ(reduce(p, c.text), c.expected) << c.text;
}

TEST(Reduction, MalformedTextsAndFaults) {
  const Case cases[] = {
      {"x", "'x' is not a valid floating point value"},
      {"2*", "'' is not a valid floating point value"},
      {"2+", "'+' is not a valid floating point value"},
      {"2-", "'-' is not a valid floating point value"},
      {"*5", "'*5' is not a valid floating point value"},
      {"2.5+1", "'2.5' is not a valid floating point value"},
      {"2/0", "Floating point division by zero"},
      {"0/0", "Invalid floating point operation"},
      {"2*0/0", "Invalid floating point operation"},
      {"1E200*1E200", "Floating point overflow"},
      {"1E400", "Floating point overflow"},  // beyond double precision
  };
  Program p;
  for (const Case& c : cases) EXPECT_EQ(reduce(p, c.text), c.expected) << c.text;
}

TEST(Reduction, ChainsThroughAZeroOperand) {
  // The merge divides by the pair's first operand; where that is 0 the chain
  // takes the next operand itself, so a zero factor gives 0, not a fault.
  const Case cases[] = {
      {"2*0*3", "0"}, {"2*0/3", "0"}, {"1*0*1*0", "0"}, {"1*0/2-1", "-1"},
      {"5-0*4*2", "5"}, {"3*0*2+7*2*2", "28"},
  };
  Program p;
  for (const Case& c : cases) EXPECT_EQ(reduce(p, c.text), c.expected) << c.text;
}

TEST(Reduction, SummandLinesAfterTheMerge) {
  Program p;
  EXPECT_EQ(reduce(p, "1-2*3*4"), "-23");
  EXPECT_EQ(p.form2.Memo13.lines(), (std::vector<std::string>{"1", "-24"}));
  EXPECT_EQ(reduce(p, "2--3"), "5");
  EXPECT_EQ(p.form2.Memo13.lines(), (std::vector<std::string>{"2", "3", ""}));
  EXPECT_EQ(reduce(p, "-5*3"), "-15");
  EXPECT_EQ(p.form2.Memo13.lines(), (std::vector<std::string>{"-15", ""}));
  EXPECT_EQ(reduce(p, "2+3*4*5-1"), "61");
  EXPECT_EQ(p.form2.Memo13.lines(), (std::vector<std::string>{"2", "60", "-1"}));
}

TEST(Reduction, AnyNumberOfSummands) {
  std::string text = "1";
  for (int k = 1; k < 40; ++k) text += k % 2 ? "+2*1" : "+1";
  Program p;
  EXPECT_EQ(reduce(p, text), "60");
}

TEST(Reduction, ReduceAndApplyAppliesTheNamedFunction) {
  Program p;
  p.form2.Memo2.add("Sin");
  p.form2.Memo2.add("");
  split(p, "10+20");
  std::string result;
  p.form.Calc().Reducer().ReduceAndApply(0, p.form2.Memo2, result);
  EXPECT_EQ(result, "0,5");
  split(p, "10+20");
  p.form.Calc().Reducer().ReduceAndApply(1, p.form2.Memo2, result);
  EXPECT_EQ(result, "30");
  split(p, "1/3");
  p.form.Calc().Reducer().ReduceAndApply(5, p.form2.Memo2, result);  // past the names
  EXPECT_EQ(result, "0,333333333333333");
}

TEST(Reduction, MultiplyPair) {
  EXPECT_EQ(Reduction::MultiplyPair("*", 3, 4), 12);
  EXPECT_EQ(Reduction::MultiplyPair("/", 3, 4), 0.75);
  EXPECT_EQ(errorOf([] { Reduction::MultiplyPair("/", 3, 0); }), "Floating point division by zero");
  EXPECT_EQ(errorOf([] { Reduction::MultiplyPair("*", 1E300, 1E300); }), "Floating point overflow");
}

}  // namespace
}  // namespace velsira
