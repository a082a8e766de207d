// Random expressions as a student types them, run through velsira-batch's
// session with "notation": "ordinary" and "simplify": true: the program's
// answer is never found wrong by the independent check, and every request
// is answered.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include <nlohmann/json.hpp>

#include "batch/BatchSession.h"

namespace velsira {
namespace {

class StudentText {
 public:
  explicit StudentText(unsigned seed) : random_(seed) {}

  // An expression of x nested at most depth deep.
  std::string Expression(int depth) {
    static const char* const kAtoms[] = {"x", "2x", "3", "x^2", "x³", "5x", "-x", "0,5x", "x²", "pi"};
    static const char* const kFunctions[] = {"sin", "cos", "tan", "ln", "sqrt", "cot", "sinh", "cosh", "arctan", "log"};
    static const char* const kOperators[] = {"+", "-", "*", "/", " "};
    const int pick = Below(10);
    if (depth <= 0 || pick < 3) return kAtoms[Below(std::size(kAtoms))];
    if (pick < 5) {
      if (Below(8) == 0) return "e^(" + Expression(depth - 1) + ")";
      return std::string(kFunctions[Below(std::size(kFunctions))]) + "(" + Expression(depth - 1) + ")";
    }
    if (pick == 5) return "(" + Expression(depth - 1) + ")^2";
    return Expression(depth - 1) + kOperators[Below(std::size(kOperators))] + Expression(depth - 1);
  }
  int Below(size_t n) { return static_cast<int>(std::uniform_int_distribution<size_t>(0, n - 1)(random_)); }

 private:
  std::mt19937 random_;
};

TEST(OrdinaryAnswers, NoAnswerOfTheProgramIsFoundWrong) {
  static const char* const kOps[] = {"derive", "integrate", "calc", "at", "roots", "quadratic"};
  static const char* const kUnits[] = {"deg", "rad", "grad"};
  StudentText student(20261209);
  BatchSession session;
  int checked = 0;
  for (int i = 0; i < 1500; ++i) {
    const std::string op = kOps[student.Below(std::size(kOps))];
    std::string text = student.Expression(student.Below(4));
    if (op == "calc")
      for (char& c : text)
        if (c == 'x') c = static_cast<char>('1' + student.Below(9));
    nlohmann::json request = {{"op", op},           {"input", text},
                              {"notation", "ordinary"}, {"simplify", true},
                              {"edit", std::to_string(student.Below(9) - 3)},
                              {"unit", kUnits[student.Below(3)]}};
    if (op == "roots") request["answers"] = {"-10", "10"};
    const nlohmann::json answer = session.Handle(request);
    ASSERT_TRUE(answer.contains("check")) << request.dump();
    EXPECT_NE(answer["check"]["status"], "wrong") << request.dump() << "\n" << answer.dump();
    if (answer["check"]["status"] == "ok") ++checked;
  }
  // Most answers are decided, not only left unknown.
  EXPECT_GT(checked, 600);
}

}  // namespace
}  // namespace velsira
