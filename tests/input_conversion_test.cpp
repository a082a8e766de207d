// The main window's choice of a converted input: only a text the operation
// refuses is converted, the refused attempt leaves no trace, and a fault of
// the arithmetic on a text the engine read is no refusal.
#include <gtest/gtest.h>

#include "algebra/Conversion.h"
#include "algebra/Reader.h"
#include "model/InputConversion.h"
#include "model/RecordingPlatform.h"
#include "engine/Cp1254.h"
#include "engine/Text.h"
#include "worklists/WorkForm.h"

namespace velsira {
namespace {

class InputConversionTest : public ::testing::Test {
 protected:
  // The real converter of the window, for op.
  InputConverter converter(algebra::Operation op) {
    return [this, op]() -> std::optional<std::string> {
      ++converted;
      try {
        const std::string utf8 = cp1254ToUtf8(form.Memo1.Text());
        return utf8ToCp1254(replaceAll(algebra::ToProgramSyntax(algebra::Read(utf8), op), "\n", "\r\n"));
      } catch (const std::runtime_error&) {
        return std::nullopt;
      }
    };
  }
  std::optional<std::string> decide(std::string_view typed, Click click, algebra::Operation op) {
    form.Memo1.SetText(utf8ToCp1254(typed));
    return ConvertedInput(form, click, converter(op));
  }

  TForm2 form2;
  RecordingPlatform ui;
  TForm1 form{form2, ui.platform};
  int converted = 0;
};

TEST_F(InputConversionTest, RefusedTextsRunConverted) {
  using algebra::Operation;
  const struct {
    std::string_view typed;
    Click click;
    Operation op;
    std::string_view program;
  } rows[] = {
      {"x^2+sin(x)", &TForm1::Button1Click, Operation::Derive, "[(x²)]+[Sin(x)]"},
      {"[(x²)]+[Sin(x)]", &TForm1::Button4Click, Operation::Integrate, "(x²)+Sin(x)"},
      {"sin(30)", &TForm1::Button6Click, Operation::Calc, "[Sin(30)]"},
      {"x^2-x-2=0", &TForm1::Button2Click, Operation::Quadratic, "[(1x²-1x-2)]"},
      {"x^2-4", &TForm1::Button39Click, Operation::Roots, "[(x²-4)]"},
      {"x^2", &TForm1::Button14Click, Operation::Plot, "[(x²)]"},
      {"lim x->3 2x+1", &TForm1::Button17Click, Operation::DeltaEpsilon, "lim(2x+1)\r\nx=3"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.typed));
    EXPECT_EQ(decide(row.typed, row.click, row.op), utf8ToCp1254(row.program));
  }
  // The refused attempts showed nothing and left the boxes alone.
  EXPECT_TRUE(ui.messages.messages.empty());
  EXPECT_FALSE(ui.messages.error);
  EXPECT_TRUE(ui.dialogs.asked.empty());
  EXPECT_EQ(form.Memo2.Text(), "");
}

TEST_F(InputConversionTest, AcceptedTextsAreNeverTouched) {
  using algebra::Operation;
  EXPECT_FALSE(decide("[(x²)]+[Sin(x)]", &TForm1::Button1Click, Operation::Derive));
  EXPECT_FALSE(decide("(x)*(x)", &TForm1::Button4Click, Operation::Integrate));  // warned, but answered
  EXPECT_FALSE(decide("[(2x²-3x+1)]", &TForm1::Button2Click, Operation::Quadratic));
  EXPECT_EQ(converted, 0);
  // Faults of the arithmetic on a text the engine read are no refusal.
  EXPECT_FALSE(decide("[ln(0)]", &TForm1::Button6Click, Operation::Calc));
  EXPECT_FALSE(decide("[(1x²+0x+1)]", &TForm1::Button2Click, Operation::Quadratic));
  EXPECT_EQ(converted, 0);
}

TEST_F(InputConversionTest, UnreadableOrUnchangedTextsKeepTheEnginesError) {
  using algebra::Operation;
  EXPECT_FALSE(decide("(x+1", &TForm1::Button1Click, Operation::Derive));
  EXPECT_FALSE(decide("x sin(x)", &TForm1::Button4Click, Operation::Integrate));
  EXPECT_FALSE(decide("sin(x)", &TForm1::Button6Click, Operation::Calc));
  // The program's syntax but for a line break: the engine names the break.
  EXPECT_FALSE(decide("[(1)]\n", &TForm1::Button6Click, Operation::Calc));
  EXPECT_EQ(converted, 4);
}

TEST(InputConversion, RefusalsAreTheEnginesReadingErrors) {
  EXPECT_TRUE(RefusesText("'x*' okunamadı. Her çarpanı parantez, her terimi köşeli parantez içine yazınız."));
  EXPECT_TRUE(RefusesText("'2.5' is not a valid floating point value."));
  EXPECT_FALSE(RefusesText("Floating point division by zero"));
  EXPECT_FALSE(RefusesText("Invalid floating point operation."));
}

}  // namespace
}  // namespace velsira
