// Equation solving: "Basit Denklem Çözme", the worked solution of a quadratic
// equation with integer coefficients, and "Karışık Denklem Çözme", the scan
// of an interval for the integer roots of the input.
#pragma once

#include <string>

#include "engine/Calculation.h"
#include "engine/Preparation.h"
#include "engine/Splitting.h"
#include "engine/WorkArea.h"

namespace velsira {

class Equations {
 public:
  Equations(WorkArea& w, Preparation& prep, Splitting& split, Calculation& calc)
      : w_(w), prep_(prep), split_(split), calc_(calc) {}

  // "Basit Denklem Çözme": reads a, b and c by position from the first factor
  // argument of Form1.Memo1 («[(2x²-3x+1)]») and writes the six-line worked
  // solution into Form1.Memo2, switching it to the Turkish display set.
  void Button2Click();
  // "Karışık Denklem Çözme": asks for xmin and xmax, evaluates the input at
  // every integer between them with the progress window shown, and writes
  // the integers whose value is exactly "0", joined by " ; " («-1 ; 2»), or
  // "Bu aralıkta tam sayı kök bulunamadı." when there is none. A root list
  // longer than the text limit raises the length error. Any failure hides
  // the progress window.
  void Button39Click();

  // The three-decimal format of the worked solution: fixed point with a ".",
  // rounded half away from zero, right-aligned in at least five characters.
  static std::string ThreeDecimalText(long double v);
  // "Delta<0 olduğundan gerçek kök yoktur; X1=re+imi ; X2=re-imi": the last
  // line of a quadratic with the discriminant d < 0, from −b and 2·a.
  static std::string ComplexRootsLine(long long minusB, long double d, long long twoA);

 private:
  // The dialogs and the scan of Button39Click.
  void scanRoots();

  WorkArea& w_;
  Preparation& prep_;
  Splitting& split_;
  Calculation& calc_;
};

}  // namespace velsira
