// Limits: "Delta-Epsilon" and "Limit".
#pragma once

#include "engine/Splitting.h"
#include "engine/WorkArea.h"

namespace velsira {

class Limits {
 public:
  Limits(WorkArea& w, Splitting& split) : w_(w), split_(split) {}

  // "Delta-Epsilon": the worked delta-epsilon argument.
  void Button17Click();
  // "Limit": inserts "lim()" and a line "x=".
  void Button18Click();

 private:
  WorkArea& w_;
  Splitting& split_;
};

}  // namespace velsira
