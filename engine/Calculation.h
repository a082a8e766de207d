// Numeric evaluation: "Bilimsel Hesaplama", "Yerine Yaz" and EvaluateAt.
#pragma once

#include <string>

#include "engine/Preparation.h"
#include "engine/Splitting.h"
#include "engine/WorkArea.h"

namespace velsira {

class Calculation {
 public:
  Calculation(WorkArea& w, Preparation& prep, Splitting& split) : w_(w), prep_(prep), split_(split) {}

  // "Bilimsel Hesaplama": writes the value of Form1.Memo1 into Form1.Memo2.
  void Button6Click();
  // "Yerine Yaz": the value of Form1.Memo1 at the number of Edit1.
  void Button24Click();
  // The value of the input at x = xText; the input box keeps its text.
  void EvaluateAt(const std::string& xText, std::string& result);

 private:
  WorkArea& w_;
  Preparation& prep_;
  Splitting& split_;
};

}  // namespace velsira
