// Characters the code page cannot hold: the input box keeps them as the user
// wrote them, through the main-window model and through velsira-batch, and
// every operation that reads the input refuses them by name and position.
#include <random>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "batch/BatchSession.h"
#include "test_support.h"

namespace velsira {
namespace {

using testing::Program;

std::string refused(std::string_view character, long position) {
  return "'" + std::string(character) + "' (" + std::to_string(position) +
         ". karakter) bu programda kullanılamaz; onu siliniz ya da programın yazımıyla yazınız (kuvvet için ², ³ ya "
         "da ^, sabitler için pi ve e), ör: [(x^4)].";
}

struct Operation {
  std::string op;  // the velsira-batch name
  void (TForm1::*handler)();
};

const std::vector<Operation>& readingOperations() {
  static const std::vector<Operation> ops = {
      {"derive", &TForm1::Button1Click},  {"integrate", &TForm1::Button4Click},
      {"calc", &TForm1::Button6Click},    {"at", &TForm1::Button24Click},
      {"quadratic", &TForm1::Button2Click}, {"roots", &TForm1::Button39Click},
      {"delta-epsilon", &TForm1::Button17Click}, {"plot", &TForm1::Button14Click},
  };
  return ops;
}

struct Refusal {
  std::string input;      // UTF-8
  std::string character;  // the first character the code page cannot hold
  long position;
};

const std::vector<Refusal>& refusals() {
  static const std::vector<Refusal> rows = {
      {"[(x⁴)]", "⁴", 4},
      {"[(x²)] 😀 x⁴ π −", "😀", 8},
      {"[(x̂²)]", "̂", 4},  // a combining mark after x
      {"[(2)]+[(π)]", "π", 9},
      {"lim(2x+1)\nx=3√", "√", 14},  // a line break counts as one character
      {"∑", "∑", 1},
  };
  return rows;
}

TEST(KeptCharacters, EveryReadingOperationRefusesThemByNameAndPosition) {
  for (const Operation& op : readingOperations()) {
    for (const Refusal& row : refusals()) {
      Program p;
      const std::string typed = utf8ToCp1254(row.input);
      p.form.Memo1.SetText(typed);
      p.form.Perform([&] { (p.form.*op.handler)(); });
      EXPECT_EQ(cp1254ToUtf8(p.recording.messages.error.value_or("")), refused(row.character, row.position))
          << op.op << " " << row.input;
      EXPECT_EQ(p.form.Memo1.Text(), typed) << op.op << " " << row.input;
      EXPECT_EQ(cp1254ToUtf8(p.form.Memo1.Text()), row.input) << op.op;
      EXPECT_TRUE(p.form.Memo2.Lines().empty()) << op.op << " " << row.input;
    }
  }
}

TEST(KeptCharacters, VelsiraBatchKeepsThemInEveryAnswer) {
  BatchSession session;
  for (const Operation& op : readingOperations()) {
    for (const Refusal& row : refusals()) {
      const nlohmann::json r = session.Handle({{"op", op.op}, {"input", row.input}, {"answers", {"-3", "3"}}});
      EXPECT_EQ(r["input"], row.input) << op.op;
      EXPECT_EQ(r["error"], refused(row.character, row.position)) << op.op;
    }
  }
  // What does not read the input leaves it as written; the pad inserts.
  const std::string text = "[(x²)] 😀 x⁴ π −";
  for (const char* op : {"clear", "hint", "reset"}) {
    const nlohmann::json r = session.Handle({{"op", op}, {"input", text}});
    EXPECT_EQ(r["input"], text) << op;
    EXPECT_TRUE(r["error"].is_null()) << op;
  }
  for (const char* unit : {"rad", "grad", "deg"})
    EXPECT_EQ(session.Handle({{"op", "clear"}, {"input", text}, {"unit", unit}})["input"], text) << unit;
  nlohmann::json r = session.Handle({{"op", "insert"}, {"input", text}, {"selection", {7, 1}}, {"text", "²"}});
  EXPECT_EQ(r["input"], "[(x²)] 😀² x⁴ π −");
  EXPECT_EQ(r["selection"], nlohmann::json::array({9, 0}));
  r = session.Handle({{"op", "insert"}, {"input", "[()]"}, {"selection", {2, 0}}, {"text", "x⁴"}});
  EXPECT_EQ(r["input"], "[(x⁴)]");
  r = session.Handle({{"op", "limit"}, {"input", "√"}});
  EXPECT_EQ(r["input"], "√lim()\nx=");
  // The number entry and the dialogs quote what they cannot read whole.
  r = session.Handle({{"op", "at"}, {"input", "[(x)]"}, {"edit", "3⁴"}});
  EXPECT_EQ(r["error"], "'3⁴' is not a valid floating point value.");
  // A quote cut at 100 characters never cuts a kept character in two.
  r = session.Handle({{"op", "at"}, {"input", "[(x)]"}, {"edit", std::string(99, '1') + "⁴⁴"}});
  EXPECT_EQ(r["error"], "'" + std::string(99, '1') + "…' is not a valid floating point value.");
}

TEST(KeptCharacters, ClearingTheUnitsAndThePadNeverAlterThem) {
  const std::string typed = utf8ToCp1254("[(x²)] 😀 x⁴ π −");
  Program p;
  p.form.Memo1.SetText(typed);
  p.form.Memo1.SetSelection(7, 1);
  for (auto handler : {&TForm1::Button3Click, &TForm1::RadioButton2Click, &TForm1::RadioButton3Click,
                       &TForm1::RadioButton1Click, &TForm1::Button12Click}) {
    p.form.Perform([&] { (p.form.*handler)(); });
    EXPECT_EQ(p.form.Memo1.Text(), typed);
    EXPECT_EQ(p.form.Memo1.SelStart(), 7);
    EXPECT_EQ(p.form.Memo1.SelLength(), 1);
  }
  EXPECT_EQ(cp1254ToUtf8(p.form.Memo1.SelText()), "😀");
  p.form.Perform([&] { p.form.PadClick("SpeedButton1"); });
  EXPECT_EQ(cp1254ToUtf8(p.form.Memo1.Text()), "[(x²)] 😀² x⁴ π −");
  EXPECT_EQ(p.form.Memo1.SelStart(), 9);
  EXPECT_EQ(p.form.Memo1.Length(), 16);
}

// ------------------------------------------------------------ randomised

// Random texts of input characters, Turkish letters and characters the code
// page cannot hold.
std::string randomText(std::mt19937& random) {
  static const std::vector<std::string> pieces = {
      "[(", ")]", "x", "x²", "+", "-", "*", "/", "Sin(", ")", "2", "3,5", " ", "\n", "ş", "İ", "ö", "?",
      "⁴", "😀", "π", "−", "√", "̂", "∑", "€", "✓", "ε", "…", "ğ",
  };
  std::uniform_int_distribution<size_t> pick(0, pieces.size() - 1);
  std::uniform_int_distribution<int> length(0, 12);
  std::string s;
  for (int n = length(random); n > 0; --n) s += pieces[pick(random)];
  return s;
}

size_t questionMarks(std::string_view s) { return static_cast<size_t>(std::count(s.begin(), s.end(), '?')); }

TEST(KeptCharacters, RandomTextsComeBackAsTypedOrAsTheirDocumentedRewrite) {
  std::mt19937 random(1254);
  std::vector<Operation> ops = readingOperations();
  ops.push_back({"clear", &TForm1::Button3Click});
  ops.push_back({"hint", &TForm1::Button12Click});
  ops.push_back({"rad", &TForm1::RadioButton2Click});
  ops.push_back({"grad", &TForm1::RadioButton3Click});
  int kept = 0;
  for (int round = 0; round < 3000; ++round) {
    const std::string input = randomText(random);
    const Operation& op = ops[static_cast<size_t>(round) % ops.size()];
    Program p;
    p.recording.dialogs.answers = {std::string("-3"), std::string("3"), std::string("-3"), std::string("3")};
    p.form.Memo1.SetText(utf8ToCp1254(input));
    p.form.Perform([&] { (p.form.*op.handler)(); });
    const std::string after = cp1254ToUtf8(p.form.Memo1.Text());
    const bool foreign = findForeign(utf8ToCp1254(input)) != std::string::npos;
    if (foreign) {
      ++kept;
      // Nothing reads such a text: it stays exactly as typed.
      EXPECT_EQ(after, input) << op.op;
    } else {
      // The preparation may rewrite it (unit coefficients, constants,
      // powers), but never into a "?".
      EXPECT_LE(questionMarks(after), questionMarks(input)) << op.op << " " << input << " => " << after;
    }
    if (questionMarks(input) > 0) continue;
    for (const std::string& line : p.form.Memo2.Lines())
      EXPECT_EQ(questionMarks(cp1254ToUtf8(line)), 0u) << op.op << " " << input;
  }
  EXPECT_GT(kept, 1000);
}

}  // namespace
}  // namespace velsira
