// Limits: "Delta-Epsilon", a worked delta-epsilon argument for the limit of a
// linear function M·x + B at an integer point, and "Limit", which prepares
// the input box for it.
#pragma once

#include "engine/Splitting.h"
#include "engine/WorkArea.h"

namespace velsira {

class Limits {
 public:
  Limits(WorkArea& w, Splitting& split) : w_(w), split_(split) {}

  // "Delta-Epsilon": reads the function from the first factor argument of
  // Form1.Memo1 and the point from its second displayed line («x=3»), and
  // writes the eight-line argument into Form1.Memo2, switched to the Greek
  // display set (bytes 229, 228 and 131 show as epsilon, delta and f).
  void Button17Click();
  // "Limit": inserts "lim()" by the insertion rule, then adds the line "x="
  // below the whole text; the caret ends after it.
  void Button18Click();

 private:
  WorkArea& w_;
  Splitting& split_;
};

}  // namespace velsira
