// Equation solving: "Basit Denklem Çözme" and "Karışık Denklem Çözme".
#pragma once

#include "engine/Calculation.h"
#include "engine/Preparation.h"
#include "engine/Splitting.h"
#include "engine/WorkArea.h"

namespace velsira {

class Equations {
 public:
  Equations(WorkArea& w, Preparation& prep, Splitting& split, Calculation& calc)
      : w_(w), prep_(prep), split_(split), calc_(calc) {}

  // "Basit Denklem Çözme": the worked quadratic solution.
  void Button2Click();
  // "Karışık Denklem Çözme": the integer roots over an interval.
  void Button39Click();

 private:
  WorkArea& w_;
  Preparation& prep_;
  Splitting& split_;
  Calculation& calc_;
};

}  // namespace velsira
