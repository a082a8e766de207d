// Very long texts in the main window's boxes: they go in as pieces and
// come back to the model byte for byte, the caret and selection keep their
// offsets across the pieces, and what the user types, copies and pastes
// means what it shows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <string>
#include <vector>

#include "app/BoxText.h"
#include "app/Form1Window.h"
#include "model/RecordingPlatform.h"
#include "engine/Cp1254.h"
#include "tests/gui/ModalHandler.h"

namespace velsira {
namespace {

// "1+2+3+..." up to length characters: no two stretches alike, so a text
// read or selected one character off shows.
std::string counting(size_t length) {
  std::string text;
  text.reserve(length + 8);
  for (long k = 1; text.size() < length; ++k) text += std::to_string(k) + "+";
  text.resize(length);
  return text;
}

class LongTextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window.show();
    QCoreApplication::processEvents();
  }
  void showInput(const std::string& text, long selStart = 0, long selLength = 0) {
    model.Memo1.SetText(text);
    model.Memo1.SetSelection(selStart, selLength);
    window.pullFromModel();
  }
  void press(int key, const QString& text = {}) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(window.Memo1(), &event);
  }
  void placeCaret(int position) {
    QTextCursor c = window.Memo1()->textCursor();
    c.setPosition(position);
    window.Memo1()->setTextCursor(c);
  }
  // Position in the input box of character k of block b.
  int inBlock(int b, int k) const {
    return window.Memo1()->document()->findBlockByNumber(b).position() + k;
  }

  testing::ModalHandler modals;
  TForm2 form2;
  RecordingPlatform ui;
  TForm1 model{form2, ui.platform};
  Form1Window window{model};
};

TEST_F(LongTextTest, LongTextsComeBackToTheModelByteForByte) {
  const std::string shortLines = [] {
    std::string t;
    for (int i = 0; i < 100000; ++i) t += "[(x" + std::to_string(i) + ")]\r\n";
    return t + "son";
  }();
  const std::string cases[] = {
      counting(4000000),
      counting(1000000),
      shortLines,
      "[(x)]\r\n" + counting(30000) + "\r\n\r\n" + counting(20001) + "\r\n",
      std::string("Kök"_cp) + "\xA0" + counting(25000) + "\xE7\xFE\r\n\xA0",  // no-break spaces stay
      counting(20000),  // just short of pieces
  };
  for (const std::string& text : cases) {
    model.Memo2.SetText(text);
    showInput(text);
    EXPECT_LT(window.Memo1()->blockCount(), 8 + static_cast<int>(text.size()) / 4000)
        << "shown in pieces: " << text.size();
    if (text.size() > 25000) {
      EXPECT_GT(window.Memo1()->blockCount(), 1) << text.size();
    }
    window.pushToModel();
    EXPECT_TRUE(model.Memo1.Text() == text) << text.size();
    EXPECT_EQ(fromWidgetText(window.Memo2()->text()), text) << text.size();
    // A second round changes nothing.
    window.pullFromModel();
    window.pushToModel();
    EXPECT_TRUE(model.Memo1.Text() == text) << text.size();
  }
}

TEST_F(LongTextTest, SelectionsKeepTheirOffsetsAcrossPieces) {
  const std::string line = counting(50000);
  struct Case {
    std::string text;  // "\n" between lines: one character, as offsets count
    long start, length;
  };
  const Case cases[] = {
      {line, 0, 0},          {line, 4095, 2},      {line, 4096, 0},
      {line, 4096, 1},       {line, 5000, 20000},  {line, 0, 50000},
      {line, 50000, 0},      {"ab\n" + line, 3, 4100},  {"ab\n" + line + "\ncd", 50002, 3},
  };
  for (const Case& c : cases) {
    showInput(fromWidgetText(QString::fromStdString(c.text)), c.start, c.length);
    const QString expected =
        QString::fromStdString(c.text.substr(static_cast<size_t>(c.start), static_cast<size_t>(c.length)));
    QString selected = window.Memo1()->textCursor().selectedText();
    if (window.Memo1()->document()->blockCount() > 3) {
      selected.remove(QChar::ParagraphSeparator);  // the joins of pieces
      EXPECT_EQ(selected, QString(expected).remove(u'\n')) << c.start << "+" << c.length;
    }
    window.pushToModel();
    EXPECT_EQ(model.Memo1.SelStart(), c.start);
    EXPECT_EQ(model.Memo1.SelLength(), c.length);
    EXPECT_EQ(toWidgetText(model.Memo1.SelText()), expected) << c.start << "+" << c.length;
  }
  // A selection made in the box, from the second piece into the third.
  showInput(line);
  QTextCursor cursor = window.Memo1()->textCursor();
  cursor.setPosition(inBlock(1, 0));
  cursor.setPosition(inBlock(2, 3), QTextCursor::KeepAnchor);
  window.Memo1()->setTextCursor(cursor);
  window.pushToModel();
  EXPECT_EQ(model.Memo1.SelStart(), 4096);
  EXPECT_EQ(model.Memo1.SelLength(), 4099);
}

TEST_F(LongTextTest, WhatIsTypedIntoAPieceReachesTheModel) {
  const std::string line = counting(30000);
  struct Case {
    const char* what;
    int block, offset;  // where the caret stands in the box
    int key;
    QString typed;
    std::string expected;
  };
  const Case cases[] = {
      {"a character", 1, 5, Qt::Key_unknown, "Z", line.substr(0, 4101) + "Z" + line.substr(4101)},
      {"a character at a piece's start", 2, 0, Qt::Key_unknown, "Z", line.substr(0, 8192) + "Z" + line.substr(8192)},
      {"backspace at a piece's start", 2, 0, Qt::Key_Backspace, {}, line.substr(0, 8191) + line.substr(8192)},
      {"delete at a piece's end", 1, 4096, Qt::Key_Delete, {}, line.substr(0, 8192) + line.substr(8193)},
      {"a line break in a piece", 1, 7, Qt::Key_Return, {}, line.substr(0, 4103) + "\r\n" + line.substr(4103)},
      {"a line break at a piece's start", 1, 0, Qt::Key_Return, {}, line.substr(0, 4096) + "\r\n" + line.substr(4096)},
  };
  for (const Case& c : cases) {
    showInput(line);
    placeCaret(inBlock(c.block, c.offset));
    press(c.key, c.typed);
    window.pushToModel();
    EXPECT_TRUE(model.Memo1.Text() == c.expected) << c.what;
  }
  // A button after typing: the typed text is the operation's input and
  // stays in the box.
  showInput(line, 100, 0);
  press(Qt::Key_unknown, "9");
  window.button("Button26")->click();
  EXPECT_TRUE(model.Memo1.Text() == line.substr(0, 100) + "92" + line.substr(100));
  EXPECT_TRUE(fromWidgetText(window.Memo1()->text()) == model.Memo1.Text());
}

TEST_F(LongTextTest, CopyJoinsPiecesAndPasteCutsThem) {
  const std::string line = counting(30000);
  showInput(line, 4000, 200);
  window.Memo1()->copy();
  EXPECT_EQ(QApplication::clipboard()->text().toStdString(), line.substr(4000, 200));

  showInput("[()]", 2, 0);
  QApplication::clipboard()->setText(QString::fromStdString(line + "\n" + line));
  window.Memo1()->paste();
  EXPECT_GT(window.Memo1()->blockCount(), 10);
  window.pushToModel();
  EXPECT_TRUE(model.Memo1.Text() == "[(" + line + "\r\n" + line + ")]");
  EXPECT_EQ(model.Memo1.SelStart(), 2 + 60001);
}

TEST_F(LongTextTest, LinesAsDisplayedOfLongTexts) {
  // Short lines that share blocks are displayed as they are.
  std::vector<std::string> lines;
  std::string text;
  for (int i = 0; i < 3000; ++i) {
    lines.push_back("[(" + std::to_string(i) + "x)]");
    text += (i ? "\r\n" : "") + lines.back();
  }
  EXPECT_EQ(window.displayedLines(text), lines);

  // A line in pieces wraps within each piece; the lines join to it.
  const std::string line = counting(30000);
  std::string joined;
  for (const std::string& shown : window.displayedLines(line)) {
    EXPECT_FALSE(shown.empty());
    EXPECT_LE(shown.size(), 60u) << "wrapped at the box's width";
    joined += shown;
  }
  EXPECT_TRUE(joined == line);
}

}  // namespace
}  // namespace velsira
