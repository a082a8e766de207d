// Limits: "Limit" preparing the input box; the delta-epsilon argument's
// failures and its reading of the point from the second displayed line.
#include <string>
#include <vector>

#include "engine/Limits.h"
#include "test_support.h"

namespace velsira {
namespace {

using testing::Program;

const std::string kLine1(std::string("Her å>0 icin |ƒ(x)-L|<å olacak sekilde |x-a|<ä iken; ä(å)>0 bulunmalidir."_cp));
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

TEST(Button18Click, RefusesATextWhoseSecondLineIsTaken) {
  Program p;
  p.form.Memo1.SetText("a\r\nb\r\nc");
  p.form.Memo1.SetSelection(0, 0);
  p.form.Perform([&] { p.form.Button18Click(); });
  EXPECT_EQ(p.form.Memo1.Text(), "a\r\nb\r\nc");
  EXPECT_EQ(cp1254ToUtf8(p.recording.messages.error.value_or("")),
            "'b' satırı zaten var; Limit x= satırını ikinci satır olarak ekler, önce alttaki satırları siliniz.");
}

struct DeltaCase {
  std::string input;
  std::vector<std::string> lines;
  std::string error;  // as the error box shows it; empty when none
};

std::string notInForm(const std::string& line) {
  return "'" + line +
         "' okunamadı: Delta-Epsilon ilk satırda lim(Mx+B), ikinci satırda x=a bekler; M, B ve a tam sayıdır, ör: "
         "lim(2x+1) ve x=3.";
}

TEST(Button17Click, RefusesWhatIsNotInItsFormBeforeAnyLine) {
  const DeltaCase cases[] = {
      {"lim(2x+1)\r\nx=3,5", {}, notInForm("x=3,5")},
      {"lim(2x+1)", {}, notInForm("")},                        // no point line
      {"lim(2x+1)\r\ny=3", {}, notInForm("y=3")},
      {"lim x->3 (2x+1)", {}, notInForm("lim x->3 (2x+1)")},   // a point written elsewhere
      {"lim(x+1)\r\nx=3", {}, notInForm("lim(x+1)")},          // no coefficient before x
      {"lim(21)\r\nx=3", {}, notInForm("lim(21)")},            // no x
      {"lim(1,5x+1)\r\nx=3", {}, notInForm("lim(1,5x+1)")},
      {"lim(2x+1x)\r\nx=3", {}, notInForm("lim(2x+1x)")},
      {"lim(2x²+1)\r\nx=3", {}, notInForm("lim(2x²+1)")},      // not linear
      {"[(2x+1)]*[(x)]\r\nx=3", {}, notInForm("[(2x+1)]*[(x)]")},
  };
  for (const auto& c : cases) {
    Program p;
    p.form.Memo1.SetText(utf8ToCp1254(c.input));
    p.form.Perform([&] { p.form.Button17Click(); });
    EXPECT_EQ(p.form.Memo2.Lines(), c.lines) << c.input;
    EXPECT_EQ(cp1254ToUtf8(p.recording.messages.error.value_or("")), c.error) << c.input;
  }
}

TEST(Button17Click, FailuresKeepTheLinesWrittenSoFar) {
  const DeltaCase cases[] = {
      {"lim(0x+1)\r\nx=3", {kLine1, kLine2}, "Division by zero."},
      {"lim(3000000000x+1)\r\nx=3", {kLine1, kLine2}, "'3000000000' is not a valid integer value."},
  };
  for (const auto& c : cases) {
    Program p;
    p.form.Memo1.SetText(c.input);
    p.form.Perform([&] { p.form.Button17Click(); });
    EXPECT_EQ(p.form.Memo2.Lines(), c.lines) << c.input;
    EXPECT_EQ(p.recording.messages.error.value_or(""), c.error) << c.input;
  }
}

// The worked text folds sign pairs and writes the absolute values of the
// definition; blanks around the parts and a missing constant are read.
TEST(Button17Click, WritesTheArgumentAsATeacherWould) {
  const struct {
    std::string input;
    std::string line6;
  } cases[] = {
      {"lim(3x-2)\r\nx=-1", "Bu durumda her å>0 icin |3x-2+5|<å olacak sekilde, |x+1|<ä iken ä(å)=å/3>0 oldugundan;"},
      {"lim(2x+1)\r\nx=3", "Bu durumda her å>0 icin |2x+1-7|<å olacak sekilde, |x-3|<ä iken ä(å)=å/2>0 oldugundan;"},
      {" [lim(2x)] \r\n x = 3 ", "Bu durumda her å>0 icin |2x-6|<å olacak sekilde, |x-3|<ä iken ä(å)=å/2>0 oldugundan;"},
      {"[(-2x+1)]\r\nx=0", "Bu durumda her å>0 icin |-2x+1-1|<å olacak sekilde, |x-0|<ä iken ä(å)=å/-2>0 oldugundan;"},
  };
  for (const auto& c : cases) {
    Program p;
    p.form.Memo1.SetText(utf8ToCp1254(c.input));
    p.form.Perform([&] { p.form.Button17Click(); });
    EXPECT_FALSE(p.recording.messages.error) << c.input;
    ASSERT_EQ(p.form.Memo2.Lines().size(), 8u) << c.input;
    EXPECT_EQ(p.form.Memo2.Lines()[0], kLine1);
    EXPECT_EQ(cp1254ToUtf8(p.form.Memo2.Lines()[5]), c.line6) << c.input;
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
