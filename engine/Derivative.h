// Symbolic differentiation: "Türev Al".
#pragma once

#include "engine/Preparation.h"
#include "engine/Splitting.h"
#include "engine/WorkArea.h"

namespace velsira {

class Derivative {
 public:
  Derivative(WorkArea& w, Preparation& prep, Splitting& split) : w_(w), prep_(prep), split_(split) {}

  // "Türev Al": writes the derivative of Form1.Memo1 into Form1.Memo2.
  void Button1Click();

 private:
  WorkArea& w_;
  Preparation& prep_;
  Splitting& split_;
};

}  // namespace velsira
