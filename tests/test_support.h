// Helpers shared by the engine tests: code page literals in expectations and
// a main-window model driven headless.
#pragma once

#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "model/Form1.h"
#include "model/RecordingPlatform.h"
#include "engine/Cp1254.h"
#include "engine/Errors.h"
#include "worklists/WorkForm.h"

namespace velsira::testing {

// A program state as one run of the desktop program has it, with recording
// message boxes and scripted dialogs.
struct Program {
  TForm2 form2;
  RecordingPlatform recording;
  TForm1 form{form2, recording.platform};
};

// The message of the EngineError that f raises, or "(no error)".
template <typename F>
std::string errorOf(F&& f) {
  try {
    f();
  } catch (const EngineError& e) {
    return e.text();
  }
  return "(no error)";
}

}  // namespace velsira::testing
