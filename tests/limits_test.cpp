// Limits: "Limit" preparing the input box; the delta-epsilon argument's
// failures and its reading of the point from the second displayed line.
#include <string>
#include <vector>

#include "engine/Limits.h"
#include "test_support.h"

namespace velsira {
namespace {

using testing::Program;

const std::string kLine1(std::string("Her å>0 icin ƒ(x)-L<å olacak sekilde x-a<ä iken; ä(å)>0 bulunmalidir."_cp));
const std::string kLine2(
    std::string("Burdan yola cikarak y=ƒ(x) , y=L-å, y=L+å dogrularinin kesistigi noktanin apsisini bulalim."_cp));

TEST(Button18Click, InsertsLimAndAPointLine) {
  const struct {
    std::string text;
    long selStart, selLength;
    std::string after;
  } cases[] = {
      {"[()]", 2, 0, "[(lim())]\r\nx="},
      {"ab", 0, 2, "ablim()\r\nx="},  // the selection stays, "lim()" follows it
      {"", 0, 0, "lim()\r\nx="},
      {"a\r\nb", 0, 0, "lim()a\r\nb\r\nx="},  // the new line goes below the whole text
  };
  for (const auto& c : cases) {
    Program p;
    p.form.Memo1.SetText(c.text);
    p.form.Memo1.SetSelection(c.selStart, c.selLength);
    p.form.Button18Click();
    EXPECT_EQ(p.form.Memo1.Text(), c.after) << c.text;
    EXPECT_EQ(p.form.Memo1.SelStart(), p.form.Memo1.Length()) << c.text;
    EXPECT_EQ(p.form.Memo1.SelLength(), 0) << c.text;
  }
}

struct DeltaCase {
  std::string input;
  std::vector<std::string> lines;
  std::string error;  // as the error box shows it; empty when none
};

TEST(Button17Click, FailuresKeepTheLinesWrittenSoFar) {
  const std::string none = "'' is not a valid integer value.";
  const DeltaCase cases[] = {
      {"lim(2x+1)\r\nx=3,5", {}, "'3,5' is not a valid integer value."},
      {"lim(x+1)\r\nx=3", {kLine1, kLine2}, none},                     // no coefficient before x
      {"lim(21)\r\nx=3", {kLine1, kLine2}, none},                      // no x: B is all of s, M empty
      {"lim(1,5x+1)\r\nx=3", {kLine1, kLine2}, "'1,5' is not a valid integer value."},
      {"lim(2x+1x)\r\nx=3", {kLine1, kLine2}, none},                   // nothing after the last x
      {"lim(123456789x+1)\r\nx=3", {kLine1, kLine2}, "'123456789x+1' is not a valid integer value."},
  };
  for (const auto& c : cases) {
    Program p;
    p.form.Memo1.SetText(c.input);
    p.form.Perform([&] { p.form.Button17Click(); });
    EXPECT_EQ(p.form.Memo2.Lines(), c.lines) << c.input;
    EXPECT_EQ(p.recording.messages.error.value_or(""), c.error) << c.input;
  }
}

TEST(Button17Click, ReadsThePointFromTheSecondDisplayedLine) {
  Program p;
  // A first line wrapped in two: its continuation is read as the point line.
  p.form.Memo1.SetLineLayout([](const std::string&) {
    return std::vector<std::string>{"lim(2x+1)   ", "x=5", "x=3"};
  });
  p.form.Memo1.SetText("lim(2x+1)   x=5\r\nx=3");
  p.form.Button17Click();
  ASSERT_EQ(p.form.Memo2.Lines().size(), 8u);
  EXPECT_EQ(p.form.Memo2.Lines()[6], "lim(2x+1)   =11'dir");
  EXPECT_EQ(p.form.Memo2.Lines()[7], "x=5");
}

}  // namespace
}  // namespace velsira
