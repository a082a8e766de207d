// Bad input never crashes or hangs: every operation, fed texts built from the
// characters a user can type, ends normally or with one of its error texts.
#include <random>

#include "test_support.h"

namespace velsira {
namespace {

using testing::Program;

std::string randomInput(std::mt19937& random) {
  static const std::vector<std::string> pieces = {
      "[", "]", "(", ")", "x", "2", "0", ",", "+", "-", "*", "/", "Sin", "Cos", "Tan", "ln", "log2", "Kuvvet",
      "KuvvetN", "-1", std::string("Kök"_cp), std::string("²"_cp), std::string("³"_cp), "^", "pi", "e", "Arc", "!", "Kom", "Per",
      std::string("Üstel"_cp), "h", " ", "\r\n", "=", "lim", "9", "1x", "1E5",
  };
  std::string text;
  const int n = static_cast<int>(random() % 14);
  for (int k = 0; k < n; ++k) {
    const std::string& piece = pieces[random() % pieces.size()];
    text += piece;
  }
  return text;
}

TEST(Robustness, EveryOperationEndsOnRandomInput) {
  std::mt19937 random(20261208);
  Program p;
  for (int round = 0; round < 400; ++round) {
    const std::string input = randomInput(random);
    const std::vector<std::function<void()>> operations = {
        [&] { p.form.Button1Click(); },  [&] { p.form.Button4Click(); },  [&] { p.form.Button6Click(); },
        [&] { p.form.Button24Click(); }, [&] { p.form.Button2Click(); },  [&] { p.form.Button39Click(); },
        [&] { p.form.Button17Click(); }, [&] { p.form.Button18Click(); }, [&] { p.form.Button3Click(); },
    };
    for (const auto& operation : operations) {
      p.form.Memo1.SetText(input);
      p.form.Edit1.Text = std::to_string(static_cast<int>(random() % 7) - 3);
      p.recording.dialogs.answers = {std::string("-3"), std::string("3")};
      p.recording.messages.error.reset();
      // Only an EngineError may end an operation; Perform shows it.
      EXPECT_NO_THROW(p.form.Perform(operation)) << input;
      if (p.recording.messages.error) {
        EXPECT_EQ(p.recording.messages.error->rfind("Internal error", 0), std::string::npos)
            << input << ": " << *p.recording.messages.error;
      }
    }
  }
}

}  // namespace
}  // namespace velsira
