// The main window's operations, one row each: the name velsira-batch and the
// fuzz targets know it by, its button (component name, caption, place and
// size at 96 dpi), its click handler, and what it does with the boxes and
// dialogs. The window makes its buttons from it, velsira-batch answers its
// ops from it and tests/fuzz/CMakeLists.txt makes a fuzz target of every row
// that reads the input box, so a new operation is one more row.
#pragma once

#include <string_view>

#include "engine/Cp1254.h"
#include "model/Form1.h"

namespace velsira {

// Which of the main window's boxes an operation reads.
enum class Reads {
  Nothing,        // neither box
  Input,          // the input box
  InputAndEntry,  // the input box and the number entry box Edit1
};

// What a failed operation leaves in the result box.
enum class AfterFailure {
  Empty,             // emptied first, written only at the end
  WrittenLinesStay,  // the lines written before the failure, in their order
  AsEvaluationLeft,  // what the failing point evaluation left
  Untouched,         // the handler writes no result: the box is as it was
};

struct Operation {
  std::string_view name;     // the op of velsira-batch, the fuzz target's name
  std::string_view button;   // the button's component name
  std::string_view caption;  // the button's caption
  int x, y, width, height;   // the button's place and size
  void (TForm1::*click)();   // the click handler
  Reads reads;
  int dialogs;               // the input dialogs it asks
  bool keepsInput;           // a point evaluation inside: the input box ends as it began
  AfterFailure afterFailure;
  int linesOnSuccess;        // the result box's lines after a success; 0: any
  int shortSuccess;          // another line count a success may end with; 0: none
};

// In the order the buttons are made (their tab order). One row a line:
// tests/fuzz/CMakeLists.txt reads the names of the rows that read the input.
inline constexpr Operation kOperations[] = {
    {"calc", "Button6", "Bilimsel Hesaplama", 16, 312, 113, 25, &TForm1::Button6Click, Reads::Input, 0, false, AfterFailure::Empty, 1, 0},
    {"derive", "Button1", "Türev Al"_cp, 136, 312, 97, 25, &TForm1::Button1Click, Reads::Input, 0, false, AfterFailure::Empty, 0, 0},
    {"integrate", "Button4", "İntegral Al"_cp, 240, 312, 89, 25, &TForm1::Button4Click, Reads::Input, 0, false, AfterFailure::Empty, 0, 0},
    {"clear", "Button3", "Sonuçları Temizle"_cp, 528, 312, 105, 25, &TForm1::Button3Click, Reads::Nothing, 0, false, AfterFailure::Untouched, 0, 0},
    {"quadratic", "Button2", "Basit Denklem Çözme"_cp, 16, 344, 113, 25, &TForm1::Button2Click, Reads::Input, 0, false, AfterFailure::WrittenLinesStay, 6, 2},
    {"delta-epsilon", "Button17", "Delta-Epsilon", 136, 344, 97, 25, &TForm1::Button17Click, Reads::Input, 0, false, AfterFailure::WrittenLinesStay, 8, 0},
    {"plot", "Button14", "Grafik Çiz"_cp, 240, 344, 89, 25, &TForm1::Button14Click, Reads::Input, 4, true, AfterFailure::AsEvaluationLeft, 0, 0},
    {"roots", "Button39", "Karışık Denklem Çözme"_cp, 120, 376, 121, 25, &TForm1::Button39Click, Reads::Input, 2, true, AfterFailure::AsEvaluationLeft, 1, 0},
    {"at", "Button24", "Yerine Yaz", 16, 400, 97, 25, &TForm1::Button24Click, Reads::InputAndEntry, 0, true, AfterFailure::Empty, 1, 0},
    {"hint", "Button12", "h(x)", 456, 16, 33, 25, &TForm1::Button12Click, Reads::Nothing, 0, false, AfterFailure::Untouched, 0, 0},
    {"limit", "Button18", "Limit", 360, 44, 41, 25, &TForm1::Button18Click, Reads::Input, 0, false, AfterFailure::Untouched, 0, 0},
};

// The operation called name, or nullptr.
constexpr const Operation* findOperation(std::string_view name) {
  for (const Operation& op : kOperations)
    if (op.name == name) return &op;
  return nullptr;
}

}  // namespace velsira
