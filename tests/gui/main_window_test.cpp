// The main window over its model: start-up state, the pad, the selection,
// the hint and error boxes, the angle unit, the display sets and the lines
// as displayed.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <string>
#include <vector>

#include "app/BoxText.h"
#include "app/Form1Window.h"
#include "model/Operations.h"
#include "model/RecordingPlatform.h"
#include "engine/Cp1254.h"
#include "engine/Errors.h"
#include "tests/gui/ModalHandler.h"

namespace velsira {
namespace {

QString utf8(std::string_view cp1254) { return QString::fromStdString(cp1254ToUtf8(cp1254)); }

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window.show();
    QCoreApplication::processEvents();
  }
  void click(std::string_view name) {
    QAbstractButton* b = window.button(name);
    ASSERT_NE(b, nullptr) << name;
    b->click();
  }
  void select(int start, int end) {
    QTextCursor c = window.Memo1()->textCursor();
    c.setPosition(start);
    c.setPosition(end, QTextCursor::KeepAnchor);
    window.Memo1()->setTextCursor(c);
  }
  int caret() const { return window.Memo1()->textCursor().position(); }
  bool hasSelection() const { return window.Memo1()->textCursor().hasSelection(); }

  testing::ModalHandler modals;
  TForm2 form2;
  RecordingPlatform ui;
  TForm1 model{form2, ui.platform};
  Form1Window window{model};
};

TEST_F(MainWindowTest, StartsWithTheCaretInsideTheEmptyBracket) {
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Velsira Version 1.0"));
  EXPECT_EQ(window.Memo1()->toPlainText(), QStringLiteral("[()]"));
  EXPECT_EQ(caret(), 2);
  EXPECT_FALSE(hasSelection());
  EXPECT_TRUE(window.Memo1()->hasFocus() || !window.isActiveWindow());
  EXPECT_TRUE(window.Memo2()->toPlainText().isEmpty());
  EXPECT_EQ(window.Edit1()->text(), QStringLiteral("0"));
  EXPECT_TRUE(window.RadioButton(1)->isChecked());
  EXPECT_FALSE(window.RadioButton(2)->isChecked());
  EXPECT_FALSE(window.RadioButton(3)->isChecked());
  EXPECT_EQ(window.Memo1()->font().pixelSize(), 16);
  EXPECT_EQ(window.Memo1()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  EXPECT_EQ(window.Memo2()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

TEST_F(MainWindowTest, EveryControlStandsAtItsPlace) {
  for (const PadKey& key : TForm1::PadKeys()) {
    QAbstractButton* b = window.button(key.name);
    ASSERT_NE(b, nullptr) << key.name;
    EXPECT_EQ(b->geometry(), QRect(key.x, key.y, key.width, key.height)) << key.name;
    EXPECT_EQ(b->text(), utf8(key.caption)) << key.name;
    if (key.caption.empty()) {
      EXPECT_FALSE(b->icon().isNull()) << key.name;
    }
  }
  for (const Operation& op : kOperations) {
    QAbstractButton* b = window.button(op.button);
    ASSERT_NE(b, nullptr) << op.button;
    EXPECT_EQ(b->geometry(), QRect(op.x, op.y, op.width, op.height)) << op.button;
    EXPECT_EQ(b->text(), utf8(op.caption)) << op.button;
  }
  EXPECT_EQ(window.Memo1()->geometry(), QRect(16, 88, 305, 201));
  EXPECT_EQ(window.Memo2()->geometry(), QRect(336, 88, 321, 201));
  EXPECT_EQ(window.Edit1()->geometry(), QRect(16, 376, 97, 21));
  EXPECT_EQ(window.RadioButton(3)->geometry(), QRect(648, 16, 57, 25));
  EXPECT_EQ(window.RadioButton(3)->text(), QStringLiteral("Grad"));
}

struct PadCase {
  std::vector<std::string_view> keys;
  const char* text;  // UTF-8, as the box shows it
  int caret;
};

TEST_F(MainWindowTest, PadInsertsAtTheCaretAndLeavesItAfterTheText) {
  const PadCase cases[] = {
      {{"Button26", "SpeedButton6", "SpeedButton1"}, "[(2x²)]", 5},
      {{"Button7"}, "[(Sin())]", 7},
      {{"Button11", "Button8"}, "[(ArcCos())]", 10},
      {{"SpeedButton5", "SpeedButton6"}, "[(Kök()x)]", 8},
      {{"Button23", "Button26", "Button7"}, "[(Kuvvet2Sin()())]", 14},
      {{"Button19", "Button37", "Button20", "SpeedButton3", "Button13"}, "[(e*pi^0)]", 8},
      {{"SpeedButton2", "Button40", "Button38", "Button35", "Button36"}, "[(³!()/+-)]", 9},
  };
  for (const PadCase& c : cases) {
    model.Memo1.SetText("[()]");
    model.FormCreate();
    window.pullFromModel();
    for (std::string_view key : c.keys) click(key);
    const QString expected = QString::fromUtf8(c.text);
    EXPECT_EQ(window.Memo1()->toPlainText(), expected) << c.text;
    EXPECT_EQ(caret(), c.caret) << c.text;
    EXPECT_FALSE(hasSelection()) << c.text;
    EXPECT_EQ(model.Memo1.Text(), utf8ToCp1254(c.text)) << c.text;
  }
}

TEST_F(MainWindowTest, AHeadWithAParameterLeavesItsNSelectedForTheNumberTyped) {
  for (const char* key : {"Button15", "SpeedButton4", "Button41", "Button42", "Button34", "Button23"}) {
    model.Memo1.SetText("[()]");
    model.FormCreate();
    window.pullFromModel();
    click(key);
    const QTextCursor cursor = window.Memo1()->textCursor();
    EXPECT_EQ(cursor.selectedText(), QStringLiteral("N")) << key;
    QKeyEvent two(QEvent::KeyPress, Qt::Key_2, Qt::NoModifier, QStringLiteral("2"));
    QCoreApplication::sendEvent(window.Memo1(), &two);
    const QString text = window.Memo1()->toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("2()")) && !text.contains(QLatin1Char('N'))) << key;
  }
}

TEST_F(MainWindowTest, TheWindowGrowsFromItsDesignedSizeWithItsBoxes) {
  EXPECT_EQ(window.minimumSize(), QSize(707, 467));
  EXPECT_EQ(window.Memo1()->geometry(), QRect(16, 88, 305, 201));
  window.resize(1414, 934);
  QCoreApplication::processEvents();
  EXPECT_EQ(window.Memo1()->geometry(), QRect(32, 176, 610, 402));
  EXPECT_EQ(window.Memo2()->geometry(), QRect(672, 176, 642, 402));
  EXPECT_EQ(window.button("Button1")->geometry(), QRect(272, 624, 194, 50));
  window.resize(707, 467);
  QCoreApplication::processEvents();
  EXPECT_EQ(window.Memo2()->geometry(), QRect(336, 88, 321, 201));
  EXPECT_EQ(window.button("Button1")->geometry(), QRect(136, 312, 97, 25));
}

TEST_F(MainWindowTest, TheResultBoxIsReadOnlyAndSelectable) {
  model.Memo2.AddLine("a=1");
  window.pullFromModel();
  EXPECT_TRUE(window.Memo2()->isReadOnly());
  EXPECT_TRUE(window.Memo2()->textInteractionFlags().testFlag(Qt::TextSelectableByKeyboard));
  QKeyEvent typed(QEvent::KeyPress, Qt::Key_B, Qt::NoModifier, QStringLiteral("b"));
  QCoreApplication::sendEvent(window.Memo2(), &typed);
  window.pushToModel();
  EXPECT_EQ(model.Memo2.Text(), "a=1");
}

TEST_F(MainWindowTest, EnterPressesTheFocusedButton) {
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
    model.Memo1.SetText("[(x²)]"_cp);
    model.Memo2.Clear();
    window.pullFromModel();
    QKeyEvent enter(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(window.button("Button1"), &enter);
    EXPECT_EQ(window.Memo2()->toPlainText(), QStringLiteral("(((2x)))")) << key;
  }
}

TEST_F(MainWindowTest, TabFollowsTheLayoutByRows) {
  QStringList order;
  QWidget* w = window.Memo1();
  do {
    if (w->focusPolicy() & Qt::TabFocus) order << w->objectName();
    w = w->nextInFocusChain();
  } while (w != window.Memo1());
  EXPECT_EQ(order, (QStringList{"Memo1", "Memo2", "Button6", "Button1", "Button4", "Button3", "Button2",
                                "Button17", "Button14", "Edit1", "Button39", "Button24", "RadioButton1",
                                "RadioButton2", "RadioButton3"}));
}

TEST_F(MainWindowTest, SelectedTextStaysAndThePadTextFollowsIt) {
  window.Memo1()->setPlainText(QStringLiteral("[(ab)]"));
  select(2, 4);
  click("Button7");
  EXPECT_EQ(window.Memo1()->toPlainText(), QStringLiteral("[(abSin())]"));
  EXPECT_EQ(caret(), 9);
  EXPECT_FALSE(hasSelection());

  // A selection made from right to left is the same selection.
  window.Memo1()->setPlainText(QStringLiteral("[(ab)]"));
  select(4, 2);
  click("Button16");
  EXPECT_EQ(window.Memo1()->toPlainText(), QStringLiteral("[(abln())]"));
  EXPECT_EQ(caret(), 8);
}

TEST_F(MainWindowTest, TypedLinesReachTheModelWithCrLf) {
  window.Memo1()->setPlainText(QStringLiteral("[(ş)]\nçx"));
  select(8, 8);
  click("Button26");
  EXPECT_EQ(model.Memo1.Text(), "[(ş)]\r\nçx2"_cp);
  EXPECT_EQ(window.Memo1()->toPlainText(), QStringLiteral("[(ş)]\nçx2"));
  EXPECT_EQ(caret(), 9);
  // A character outside the Turkish set reaches the model kept as it is.
  window.Memo1()->setPlainText(QStringLiteral("∑"));
  window.pushToModel();
  EXPECT_EQ(cp1254ToUtf8(model.Memo1.Text()), "∑");
}

TEST_F(MainWindowTest, CharactersOutsideTheCodePageSurviveClearingUnitsAndFailures) {
  const QString typed = QStringLiteral("[(x²)] 😀 x⁴ π −");
  window.Memo1()->setPlainText(typed);
  select(3, 3);
  click("Button3");  // "Sonuçları Temizle"
  EXPECT_EQ(window.Memo1()->toPlainText(), typed);
  EXPECT_FALSE(ui.messages.error);
  window.RadioButton(2)->click();
  window.RadioButton(3)->click();
  EXPECT_EQ(window.Memo1()->toPlainText(), typed);
  for (const char* operation : {"Button1", "Button4", "Button6", "Button24", "Button2", "Button17"}) {
    ui.messages.error.reset();
    click(operation);
    EXPECT_EQ(window.Memo1()->toPlainText(), typed) << operation;
    ASSERT_TRUE(ui.messages.error) << operation;
    EXPECT_EQ(cp1254ToUtf8(*ui.messages.error),
              "'😀' (8. karakter) bu programda kullanılamaz; onu siliniz ya da programın yazımıyla yazınız (kuvvet "
              "için ², ³ ya da ^, sabitler için pi ve e), ör: [(x^4)].")
        << operation;
  }
  EXPECT_EQ(caret(), 3);
  // The pad inserts at the caret and leaves every other character alone.
  click("SpeedButton6");
  EXPECT_EQ(window.Memo1()->toPlainText(), QStringLiteral("[(xx²)] 😀 x⁴ π −"));
  EXPECT_EQ(caret(), 4);
}

TEST_F(MainWindowTest, HintShowsAPlainBoxAndChangesNothing) {
  model.Memo2.AddLine("eski");
  window.pullFromModel();
  click("Button12");
  ASSERT_EQ(ui.messages.messages.size(), 1u);
  EXPECT_EQ(ui.messages.messages[0], "Parantezin bir öncesine h yazınız. ör: Sinh(90)"_cp);
  EXPECT_FALSE(ui.messages.error);
  EXPECT_EQ(window.Memo1()->toPlainText(), QStringLiteral("[()]"));
  EXPECT_EQ(caret(), 2);
  EXPECT_EQ(window.Memo2()->toPlainText(), QStringLiteral("eski"));
}

TEST_F(MainWindowTest, ClearEmptiesResultsAndWorkListsOnly) {
  model.Memo2.AddLine("Kök"_cp);
  form2.Memo6.add("[(x)]");
  form2.Memo15.add("x");
  window.pullFromModel();
  click("Button3");
  EXPECT_TRUE(window.Memo2()->toPlainText().isEmpty());
  EXPECT_EQ(form2.Memo6.count(), 0);
  EXPECT_EQ(form2.Memo15.count(), 0);
  EXPECT_EQ(window.Memo1()->toPlainText(), QStringLiteral("[()]"));
}

TEST_F(MainWindowTest, AnErrorShowsTheErrorBoxAndKeepsThePartialOutput) {
  window.run([this] {
    model.Memo2.AddLine("Delta=-7");
    raiseIntegerDivisionByZero();
  });
  ASSERT_TRUE(ui.messages.error);
  EXPECT_EQ(*ui.messages.error, "Division by zero.");
  EXPECT_EQ(window.Memo2()->toPlainText(), QStringLiteral("Delta=-7"));

  // A text ending in "." gets no second full stop.
  window.run([] { throw EngineError("'1.5' is not a valid floating point value."); });
  EXPECT_EQ(*ui.messages.error, "'1.5' is not a valid floating point value.");
}

TEST_F(MainWindowTest, EveryWiredOperationButtonAnswers) {
  // Each operation ends in the result box, the input box or a message or
  // error box; the dialogs answer with their defaults.
  for (const Operation& op : kOperations) {
    if (op.button == "Button14" || op.button == "Button3") continue;
    model.Memo1.SetText("[(1x²+2x+1)]");
    model.Memo2.Clear();
    window.pullFromModel();
    ui.messages.messages.clear();
    ui.messages.error.reset();
    click(op.button);
    const bool answered = !window.Memo2()->toPlainText().isEmpty() ||
                          window.Memo1()->toPlainText() != QStringLiteral("[(1x²+2x+1)]") ||
                          !ui.messages.messages.empty() || ui.messages.error.has_value();
    EXPECT_TRUE(answered) << op.button;
  }
}

TEST_F(MainWindowTest, RadioButtonsExcludeEachOther) {
  const int order[] = {2, 3, 3, 1, 2};
  for (int k : order) {
    window.RadioButton(k)->click();
    for (int j = 1; j <= 3; ++j) {
      EXPECT_EQ(window.RadioButton(j)->isChecked(), j == k) << k << " " << j;
    }
    EXPECT_EQ(model.RadioButton1.Checked, k == 1);
    EXPECT_EQ(model.RadioButton2.Checked, k == 2);
    EXPECT_EQ(model.RadioButton3.Checked, k == 3);
  }
}

TEST_F(MainWindowTest, ResultBoxShowsItsBytesThroughTheChosenSet) {
  model.Memo2.AddLine("Kök"_cp);
  model.Memo2.AddLine(std::string("\xAA|\xE5\xE4", 4));
  model.Memo2.SetDisplayCharset(ResultBox::Charset::Greek);
  window.pullFromModel();
  // ö is phi, a byte undefined in the Greek set is "?", ε and δ are 229, 228.
  EXPECT_EQ(window.Memo2()->toPlainText(), QStringLiteral("Kφk\n?|εδ"));
  // The input box keeps the Turkish set.
  model.Memo1.SetText("Kök"_cp);
  window.pullFromModel();
  EXPECT_EQ(window.Memo1()->toPlainText(), QStringLiteral("Kök"));

  // What the user types in the Greek view goes back as the bytes it shows.
  window.Memo2()->setPlainText(QStringLiteral("φε"));
  window.pushToModel();
  EXPECT_EQ(model.Memo2.Text(), "\xF6\xE5");

  model.Memo2.SetText("Kök"_cp);
  model.Memo2.SetDisplayCharset(ResultBox::Charset::Turkish);
  window.pullFromModel();
  EXPECT_EQ(window.Memo2()->toPlainText(), QStringLiteral("Kök"));
}

TEST_F(MainWindowTest, LinesByIndexAreTheLinesAsDisplayed) {
  const std::string longLine =
      "[(1x+2x+3x+4x+5x+6x+7x+8x+9x+10x+11x+12x+13x+14x+15x+16x+17x+18x+19x+20x+21x+22x)]";
  model.Memo1.SetText(longLine + std::string("\r\nKök"_cp));
  window.pullFromModel();
  const long count = model.Memo1.LineCount();
  ASSERT_GE(count, 3) << "the first line wraps at the box's width";
  std::string joined;
  for (long i = 0; i + 1 < count; ++i) {
    EXPECT_FALSE(model.Memo1.Line(i).empty()) << i;
    joined += model.Memo1.Line(i);
  }
  EXPECT_EQ(joined, longLine);
  EXPECT_EQ(model.Memo1.Line(count - 1), "Kök"_cp);
  EXPECT_EQ(model.Memo1.Line(count), "");
}

TEST_F(MainWindowTest, NoHandlerRunsInsideAnother) {
  window.run([this] { window.button("Button26")->click(); });
  EXPECT_EQ(window.Memo1()->toPlainText(), QStringLiteral("[()]"));
  click("Button26");
  EXPECT_EQ(window.Memo1()->toPlainText(), QStringLiteral("[(2)]"));
}

}  // namespace
}  // namespace velsira

namespace velsira {
namespace {

TEST_F(MainWindowTest, TheCaretStaysWhenTheOperationLeavesTheTextAsItWas) {
  // "Yerine Yaz" puts the user's text back: the selection stays.
  model.Memo1.SetText("[(x)*Sin(x)]");
  window.pullFromModel();
  select(3, 5);
  click("Button24");
  EXPECT_EQ(window.Memo1()->toPlainText(), QStringLiteral("[(x)*Sin(x)]"));
  EXPECT_EQ(window.Memo1()->textCursor().selectionStart(), 3);
  EXPECT_EQ(window.Memo1()->textCursor().selectionEnd(), 5);

  // "Türev Al" rewrites the text: the caret goes to the start.
  select(3, 5);
  click("Button1");
  EXPECT_EQ(window.Memo1()->toPlainText(), QStringLiteral("[(1x)*Sin(1x)]"));
  EXPECT_EQ(caret(), 0);
  EXPECT_FALSE(hasSelection());
}

}  // namespace
}  // namespace velsira

namespace velsira {
namespace {

// Ctrl+Z as the user presses it in the input box.
void pressUndo(QWidget* box) {
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Z, Qt::ControlModifier);
  QCoreApplication::sendEvent(box, &press);
}

TEST_F(MainWindowTest, ARefusedOrdinaryInputRunsConvertedAndCtrlZBringsItBack) {
  window.Memo1()->setText(QStringLiteral("x^2+sin(x)"));
  click("Button1");
  EXPECT_EQ(window.Memo2()->toPlainText(), QStringLiteral("(((2x))+((1)*(Cos(x))))"));
  EXPECT_EQ(window.ConversionLine()->text(),
            QStringLiteral("Girişiniz programın yazımına çevrildi: x^2+sin(x) → [(x²)]+[Sin(x)]"));
  EXPECT_FALSE(ui.messages.error);
  EXPECT_TRUE(ui.messages.messages.empty());
  pressUndo(window.Memo1());
  EXPECT_EQ(window.Memo1()->toPlainText(), QStringLiteral("x^2+sin(x)"));
}

TEST_F(MainWindowTest, AnAcceptedInputIsNotConverted) {
  window.Memo1()->setText(QStringLiteral("x^2+sin(x)"));
  click("Button1");
  window.Memo1()->setText(QStringLiteral("[(x²)]+[Sin(x)]"));
  click("Button1");
  EXPECT_EQ(window.Memo1()->toPlainText(), QStringLiteral("[(1x²)]+[Sin(1x)]"));
  EXPECT_TRUE(window.ConversionLine()->text().isEmpty());
}

}  // namespace
}  // namespace velsira

namespace velsira {
namespace {

TEST_F(MainWindowTest, TheAnswerLineShowsTheSimplifiedAnswerAndItsCheck) {
  window.Memo1()->setText(QStringLiteral("x^2+sin(x)"));
  click("Button1");
  EXPECT_EQ(window.AnswerLine()->toolTip(), QStringLiteral("Sade: 2x + Cos(x)  ✓ doğrulandı"));
  // The engine's own answer for the integral of a product is refused, and
  // an operation without an answer of this kind clears the line.
  window.Memo1()->setText(QStringLiteral("[(x)]"));
  click("Button3");
  EXPECT_TRUE(window.AnswerLine()->text().isEmpty());
  window.Memo1()->setText(QStringLiteral("Sin(x)"));
  click("Button4");
  EXPECT_EQ(window.AnswerLine()->toolTip(), QStringLiteral("Sade: -Cos(x) + c  ✓ doğrulandı"));
  window.Memo1()->setText(QStringLiteral("[(x)"));
  click("Button1");
  ui.messages.error.reset();
  EXPECT_TRUE(window.AnswerLine()->text().isEmpty());
}

}  // namespace
}  // namespace velsira
