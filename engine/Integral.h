// Symbolic integration: "İntegral Al".
#pragma once

#include "engine/Preparation.h"
#include "engine/Splitting.h"
#include "engine/WorkArea.h"

namespace velsira {

class Integral {
 public:
  Integral(WorkArea& w, Preparation& prep, Splitting& split) : w_(w), prep_(prep), split_(split) {}

  // "İntegral Al": writes the integral of Form1.Memo1 into Form1.Memo2.
  void Button4Click();

 private:
  WorkArea& w_;
  Preparation& prep_;
  Splitting& split_;
};

}  // namespace velsira
