// What the benchmarks share: a program state as one run of the desktop
// program has it, with recording message boxes and scripted dialogs.
#pragma once

#include "model/Form1.h"
#include "model/RecordingPlatform.h"
#include "worklists/WorkForm.h"

namespace velsira {

struct BenchProgram {
  TForm2 form2;
  RecordingPlatform recording;
  TForm1 form{form2, recording.platform};
};

}  // namespace velsira
