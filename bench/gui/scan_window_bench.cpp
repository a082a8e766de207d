// A root scan with the desktop program's progress window against the same
// scan with the recording windows of velsira-batch: the window updates its
// bar and handles events at most about 30 times a second, so the two should
// take about the same time. Runs on Qt's offscreen platform.
#include <benchmark/benchmark.h>

#include <QWidget>
#include <string>

#include "model/Form1.h"
#include "model/RecordingPlatform.h"
#include "plot/ProgressForm.h"
#include "worklists/WorkForm.h"

namespace {

using namespace velsira;

constexpr const char* kInput = "[(x\xB2-x-2)]";

// One root scan of -1,000,000 .. 1,000,000 on program, per iteration.
template <typename Program>
void scan(benchmark::State& state, Program& p) {
  p.form.Memo1.SetText(kInput);
  for (auto _ : state) {
    p.dialogs.answers = {std::string("-1000000"), std::string("1000000")};
    p.form.Perform([&] { p.form.Button39Click(); });
    if (p.form.Memo2.Lines() != std::vector<std::string>{"-1,2"}) state.SkipWithError("wrong roots");
  }
  state.SetItemsProcessed(state.iterations() * 2000001);
}

// The desktop program's windowing side for the scan: the Qt progress window
// over a shown main window; dialogs answered from a script.
struct WindowProgram {
  WindowProgram() {
    mainWindow.resize(707, 467);
    mainWindow.show();
    progress.attach(&view);
  }
  QWidget mainWindow;
  RecordingMessages messages;
  ScriptedDialogs dialogs;
  DesktopProgressWindow progress;
  TForm4 view{progress, &mainWindow};
  RecordingPlotWindow plot;
  Platform platform{{messages, dialogs, progress}, plot};
  TForm2 form2;
  TForm1 form{form2, platform};
};

// velsira-batch's windowing side.
struct BatchProgram {
  RecordingPlatform recording;
  ScriptedDialogs& dialogs = recording.dialogs;
  TForm2 form2;
  TForm1 form{form2, recording.platform};
};

void BM_RootScanInTheWindow(benchmark::State& state) {
  WindowProgram p;
  scan(state, p);
}
BENCHMARK(BM_RootScanInTheWindow)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_RootScanAsInBatch(benchmark::State& state) {
  BatchProgram p;
  scan(state, p);
}
BENCHMARK(BM_RootScanAsInBatch)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
