// Limits: "Limit" preparing the input box, and the worked delta-epsilon
// argument with its Greek display and its failures.
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

std::string cp(std::string_view utf8) { return utf8ToCp1254(utf8); }

TEST(Button17Click, WorkedArguments) {
  const DeltaCase cases[] = {
      {"lim(2x+1)\r\nx=3",
       {kLine1, kLine2, cp("2x+1=7-å ise 2x=6-å ; x=3-(å/2)"), cp("2x+1=7+å ise 2x=6+å ; x=3+(å/2)"),
        cp("min{|3-(å/2)| ; |3+(å/2)|}=å/2 bulunur."),
        cp("Bu durumda her å>0 icin 2x+1-7<å olacak sekilde, x-3<ä iken ä(å)=å/2>0 oldugundan;"),
        "lim(2x+1)=7'dir", "x=3"},
       ""},
      {"lim(-2x+1)\r\nx=3",
       {kLine1, kLine2, cp("-2x+1=-5-å ise -2x=-6-å ; x=3-(å/-2)"), cp("-2x+1=-5+å ise -2x=-6+å ; x=3+(å/-2)"),
        cp("min{|3-(å/-2)| ; |3+(å/-2)|}=å/-2 bulunur."),
        cp("Bu durumda her å>0 icin -2x+1--5<å olacak sekilde, x-3<ä iken ä(å)=å/-2>0 oldugundan;"),
        "lim(-2x+1)=-5'dir", "x=3"},
       ""},
      // Without a second line the point is 0 and the last line is empty.
      {"[(3x-4)]",
       {kLine1, kLine2, cp("3x-4=-4-å ise 3x=0-å ; x=0-(å/3)"), cp("3x-4=-4+å ise 3x=0+å ; x=0+(å/3)"),
        cp("min{|0-(å/3)| ; |0+(å/3)|}=å/3 bulunur."),
        cp("Bu durumda her å>0 icin 3x-4--4<å olacak sekilde, x-0<ä iken ä(å)=å/3>0 oldugundan;"),
        "[(3x-4)]=-4'dir", ""},
       ""},
      // L and K exact beyond 32 bits.
      {"lim(99999x+7)\r\nx=99999",
       {kLine1, kLine2, cp("99999x+7=9999800008-å ise 99999x=9999800001-å ; x=99999-(å/99999)"),
        cp("99999x+7=9999800008+å ise 99999x=9999800001+å ; x=99999+(å/99999)"),
        cp("min{|99999-(å/99999)| ; |99999+(å/99999)|}=å/99999 bulunur."),
        cp("Bu durumda her å>0 icin 99999x+7-9999800008<å olacak sekilde, x-99999<ä iken ä(å)=å/99999>0 "
           "oldugundan;"),
        "lim(99999x+7)=9999800008'dir", "x=99999"},
       ""},
  };
  for (const auto& c : cases) {
    Program p;
    p.form.Memo1.SetText(c.input);
    p.form.Perform([&] { p.form.Button17Click(); });
    EXPECT_EQ(p.form.Memo2.Lines(), c.lines) << c.input;
    EXPECT_EQ(p.recording.messages.error.value_or(""), c.error) << c.input;
    EXPECT_EQ(p.form.Memo2.DisplayCharset(), ResultBox::Charset::Greek) << c.input;
  }
}

TEST(Button17Click, FailuresKeepTheLinesWrittenSoFar) {
  const std::string none = "'' is not a valid integer value.";
  const DeltaCase cases[] = {
      {"lim(2x+1)\r\nx=", {}, none},                                  // a bare "x="
      {"lim(2x+1)\r\nx=3,5", {}, "'3,5' is not a valid integer value."},
      {"lim(x+1)\r\nx=3", {kLine1, kLine2}, none},                     // no coefficient before x
      {"lim(21)\r\nx=3", {kLine1, kLine2}, none},                      // no x: B is all of s, M empty
      {"lim(1,5x+1)\r\nx=3", {kLine1, kLine2}, "'1,5' is not a valid integer value."},
      {"lim(2x+1x)\r\nx=3", {kLine1, kLine2}, none},                   // nothing after the last x
      {"lim(123456789x+1)\r\nx=3", {kLine1, kLine2}, "'123456789x+1' is not a valid integer value."},
      {"[(lim(2x+1))]\r\nx=3", {kLine1, kLine2}, "'lim(2' is not a valid integer value."},
      {"lim(0x+1)\r\nx=3", {kLine1, kLine2}, "Division by zero."},
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

TEST(Button17Click, ShowsGreekLettersUntilTheQuadraticSwitchesBack) {
  Program p;
  p.form.Memo1.SetText("lim(2x+1)\r\nx=3");
  p.form.Button17Click();
  EXPECT_EQ(cp1253ToUtf8(p.form.Memo2.Lines()[0]),
            "Her \u03b5>0 icin \u0192(x)-L<\u03b5 olacak sekilde x-a<\u03b4 iken; \u03b4(\u03b5)>0 bulunmalidir.");
  p.form.Memo1.SetText("[(x\xB2-x-2)]");
  p.form.Button2Click();
  EXPECT_EQ(p.form.Memo2.DisplayCharset(), ResultBox::Charset::Turkish);
}

}  // namespace
}  // namespace velsira
