// The work area every engine subsystem shares by reference: the boxes of the
// main window, its angle-unit buttons, the work lists and the windowing side.
// The component names (Form1, Memo13, Button14Click ...): docs/glossary.md.
#pragma once

#include "engine/Boxes.h"
#include "engine/Platform.h"
#include "worklists/WorkForm.h"

namespace velsira {

struct WorkArea {
  InputBox& Memo1;   // Form1.Memo1, the input box
  ResultBox& Memo2;  // Form1.Memo2, the result box
  EditBox& Edit1;
  RadioButton& RadioButton1;  // "Derece"
  RadioButton& RadioButton2;  // "Radyan"
  RadioButton& RadioButton3;  // "Grad"
  TForm2& Form2;
  EngineUi& ui;

  // The unit of the checked angle-unit button, read anew at every call.
  AngleUnit Unit() const {
    if (RadioButton2.Checked) return AngleUnit::Radians;
    if (RadioButton3.Checked) return AngleUnit::Grads;
    return AngleUnit::Degrees;
  }

  // The clear-results operation: empties the result box, then the work lists
  // Memo1 .. Memo15 in order. No change reaction runs.
  void ClearResults() {
    Memo2.Clear();
    Form2.clearAll();
  }
};

}  // namespace velsira
