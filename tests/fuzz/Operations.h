// The operations the fuzz targets drive, one row each. A row names the
// target (fuzz-NAME, corpus/NAME), the click handler, what the result box
// holds after a failure, how many input dialogs the handler asks, and
// whether it reads the number entry box. tests/fuzz/CMakeLists.txt makes one
// target of every row, so a new operation is one more row.
#pragma once

#include "app/model/Form1.h"

namespace velsira::testing {

// What a failed operation leaves in the result box.
enum class AfterFailure {
  Empty,             // emptied first, written only at the end
  WrittenLinesStay,  // the lines written before the failure, in their order
  AsEvaluationLeft,  // what the failing point evaluation left
  Untouched,         // the handler writes no result: the box is as it was
};

struct FuzzedOperation {
  const char* name;
  void (TForm1::*click)();
  AfterFailure afterFailure;
  int dialogs;          // input dialogs answered from the fuzzed texts
  bool readsEntry;      // Edit1 is fuzzed too
  bool keepsInput;      // "Yerine Yaz" inside: the input box ends as it began
  int linesOnSuccess;   // the result box's lines after a success; 0: any
  int shortSuccess;     // another line count a success may end with; 0: none
};

// One row a line: tests/fuzz/CMakeLists.txt reads the names from here.
inline constexpr FuzzedOperation kFuzzedOperations[] = {
    {"derive", &TForm1::Button1Click, AfterFailure::Empty, 0, false, false, 0, 0},
    {"integrate", &TForm1::Button4Click, AfterFailure::Empty, 0, false, false, 0, 0},
    {"calc", &TForm1::Button6Click, AfterFailure::Empty, 0, false, false, 1, 0},
    {"at", &TForm1::Button24Click, AfterFailure::Empty, 0, true, true, 1, 0},
    // Without a real root the worked text ends after "Delta=" with the complex roots.
    {"quadratic", &TForm1::Button2Click, AfterFailure::WrittenLinesStay, 0, false, false, 6, 2},
    {"delta-epsilon", &TForm1::Button17Click, AfterFailure::WrittenLinesStay, 0, false, false, 8, 0},
    {"limit", &TForm1::Button18Click, AfterFailure::Untouched, 0, false, false, 0, 0},
    {"roots", &TForm1::Button39Click, AfterFailure::AsEvaluationLeft, 2, false, true, 1, 0},
    {"plot", &TForm1::Button14Click, AfterFailure::AsEvaluationLeft, 4, false, true, 0, 0},
};

}  // namespace velsira::testing
