// A monkey in front of the main window: thousands of random clicks on every
// button, random typing and selections in the input box, random entries, and
// input dialogs answered at random (Cancel and texts that are not numbers
// too). Nothing may crash, no modal window may stay open, no click may run
// a handler while another runs, every error shown is one of the program's
// messages, and no operation may be grossly slow.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <algorithm>
#include <chrono>
#include <functional>
#include <iostream>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "app/Form1Window.h"
#include "model/Operations.h"
#include "model/RecordingPlatform.h"
#include "engine/Cp1254.h"
#include "tests/fuzz/ProgramMessages.h"
#include "tests/gui/ModalHandler.h"

namespace velsira {
namespace {

// Called from inside a running handler, as a click that arrives while a
// dialog or box is open would be.
using Interruption = std::function<void()>;

class MonkeyMessages : public MessageBoxes {
 public:
  void ShowMessage(const std::string&) override {
    ++shown;
    if (interrupt) interrupt();
  }
  void ShowError(const std::string& text) override {
    ++errors;
    EXPECT_TRUE(testing::isProgramMessage(text, testing::Quotes::Any)) << cp1254ToUtf8(text);
    if (interrupt) interrupt();
  }
  int shown = 0;
  int errors = 0;
  Interruption interrupt;
};

class MonkeyDialogs : public InputDialogs {
 public:
  explicit MonkeyDialogs(std::mt19937& random) : random_(random) {}
  std::string InputBox(const std::string&, const std::string&, const std::string& defaultText) override {
    ++asked;
    if (interrupt) interrupt();
    static const std::vector<std::string> texts = {"", "x", "1,5", "abc", " 3", "2147483648", "-", "1E2", "ü"};
    switch (random_() % 4) {
      case 0: return defaultText;  // Cancel
      case 1: return texts[random_() % texts.size()];
      default: return std::to_string(static_cast<int>(random_() % 61) - 30);
    }
  }
  int asked = 0;
  Interruption interrupt;

 private:
  std::mt19937& random_;
};

class MonkeyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window.show();
    QCoreApplication::processEvents();
    for (const PadKey& key : TForm1::PadKeys()) buttons.emplace_back(key.name);
    for (const Operation& op : kOperations) buttons.emplace_back(op.button);
    const Interruption interrupt = [this] { clickInsideAHandler(); };
    messages.interrupt = interrupt;
    dialogs.interrupt = interrupt;
  }

  // A click while a handler runs is ignored: the model stays as it is.
  void clickInsideAHandler() {
    if (random() % 3 != 0) return;
    const std::string input = model.Memo1.Text();
    const std::vector<std::string> result = model.Memo2.Lines();
    const std::string name = buttons[random() % buttons.size()];
    if (QAbstractButton* b = window.button(name)) b->click();
    if (random() % 2) window.RadioButton(1 + static_cast<int>(random() % 3))->click();
    ++nestedClicks;
    EXPECT_EQ(model.Memo1.Text(), input) << "a click on " << name << " ran inside a handler";
    EXPECT_EQ(model.Memo2.Lines(), result) << "a click on " << name << " ran inside a handler";
  }

  void type() {
    static const std::vector<std::string> pieces = {
        "[", "]", "(", ")", "x", "2", "0", ",", "+", "-", "*", "/", "Sin", "Cos", "ln", "Kuvvet", "Kök", "²",
        "³", "^", "pi", "e", "Arc", "!", "Kom", "Üstel", "h", " ", "=", "lim", "9", "1E5", "ı", "ş", "ğ"};
    QPlainTextEdit* box = window.Memo1();
    if (random() % 8 == 0) {
      QKeyEvent press(QEvent::KeyPress, random() % 2 ? Qt::Key_Return : Qt::Key_Backspace, Qt::NoModifier);
      QApplication::sendEvent(box, &press);
      return;
    }
    const QString text = QString::fromUtf8(pieces[random() % pieces.size()]);
    const QString before = box->toPlainText();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(box, &press);
    typed += box->toPlainText() != before;
  }

  void select() {
    QPlainTextEdit* box = window.Memo1();
    const int length = static_cast<int>(box->toPlainText().size());
    QTextCursor c = box->textCursor();
    c.setPosition(static_cast<int>(random() % static_cast<unsigned>(length + 1)));
    c.setPosition(static_cast<int>(random() % static_cast<unsigned>(length + 1)), QTextCursor::KeepAnchor);
    box->setTextCursor(c);
  }

  void enter() {
    static const std::vector<QString> entries = {"0", "2", "-1,5", "90", "x", "", "1E400", "abc", "3,14"};
    window.Edit1()->setText(entries[random() % entries.size()]);
  }

  // A click on name, timed.
  void click(const std::string& name) {
    QAbstractButton* b = window.button(name);
    ASSERT_NE(b, nullptr) << name;
    const auto start = std::chrono::steady_clock::now();
    b->click();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    double& slowest = slowestClick[name];
    slowest = std::max(slowest, seconds);
    EXPECT_LT(seconds, 5.0) << name << " on " << window.Memo1()->toPlainText().toStdString();
  }

  std::mt19937 random{20261208};
  testing::ModalHandler modals;  // fails on any modal window
  MonkeyMessages messages;
  MonkeyDialogs dialogs{random};
  RecordingProgressWindow progress;
  RecordingPlotWindow plot;
  Platform platform{{messages, dialogs, progress}, plot};
  TForm2 form2;
  TForm1 model{form2, platform};
  Form1Window window{model};
  std::vector<std::string> buttons;
  std::map<std::string, double> slowestClick;
  int nestedClicks = 0;
  int typed = 0;
};

TEST_F(MonkeyTest, ThousandsOfRandomActionsLeaveTheWindowWorking) {
  constexpr int kActions = 10000;
  for (int action = 0; action < kActions; ++action) {
    switch (random() % 10) {
      case 0: case 1: case 2: type(); break;
      case 3: select(); break;
      case 4: enter(); break;
      case 5: window.RadioButton(1 + static_cast<int>(random() % 3))->click(); break;
      default: click(buttons[random() % buttons.size()]); break;
    }
    // Long texts are the engine's own tests; here the box is kept short.
    if (window.Memo1()->toPlainText().size() > 200 || random() % 150 == 0)
      window.Memo1()->setPlainText(QStringLiteral("[()]"));
    if (action % 50 == 0) QCoreApplication::processEvents();
    ASSERT_EQ(QApplication::activeModalWidget(), nullptr) << "a modal window stayed open";
    if (HasFatalFailure() || HasFailure()) break;
  }
  QCoreApplication::processEvents();
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  // The window still answers as at start.
  window.Memo1()->setPlainText(QStringLiteral("[(2+3)]"));
  window.RadioButton(1)->click();
  window.button("Button6")->click();
  EXPECT_EQ(window.Memo2()->toPlainText(), QStringLiteral("5"));

  // The monkey did reach the dialogs, the boxes and the nested clicks.
  EXPECT_GT(typed, 1000);
  EXPECT_GT(dialogs.asked, 20);
  EXPECT_GT(messages.errors, 20);
  EXPECT_GT(nestedClicks, 20);
  const auto slowest = std::max_element(slowestClick.begin(), slowestClick.end(),
                                        [](const auto& a, const auto& b) { return a.second < b.second; });
  if (slowest != slowestClick.end()) {
    std::cout << "slowest click: " << slowest->first << " " << slowest->second * 1000 << " ms; " << dialogs.asked
              << " dialogs, " << typed << " typed pieces, " << messages.errors << " error boxes, " << nestedClicks << " nested clicks\n";
    RecordProperty("slowest_click_ms", static_cast<int>(slowest->second * 1000));
  }
}

}  // namespace
}  // namespace velsira
