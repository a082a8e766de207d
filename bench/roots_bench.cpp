// Speed of "Karışık Denklem Çözme": the default scan of the 201 integers
// -100 .. 100, and a scan of the 2,000,001 integers -1,000,000 .. 1,000,000.
// Each integer costs one full point evaluation with its work-list rewriting.
#include <benchmark/benchmark.h>

#include <string>

#include "model/Form1.h"
#include "model/RecordingPlatform.h"
#include "bench/bench_support.h"
#include "engine/Cp1254.h"
#include "worklists/WorkForm.h"

namespace {

using namespace velsira;

using Program = velsira::BenchProgram;

// One scan of input over xmin .. xmax; fails the benchmark on an error or a
// wrong root list.
void scan(benchmark::State& state, const std::string& input, const char* xmin, const char* xmax,
          const std::string& roots) {
  Program p;
  p.form.Memo1.SetText(input);
  for (auto _ : state) {
    p.recording.dialogs.answers = {std::string(xmin), std::string(xmax)};
    p.recording.messages.error.reset();
    p.form.Perform([&] { p.form.Button39Click(); });
    if (p.recording.messages.error) {
      state.SkipWithError(p.recording.messages.error->c_str());
      return;
    }
    if (p.form.Memo2.Text() != roots) {
      state.SkipWithError("wrong root list");
      return;
    }
  }
}

void BM_DefaultScan(benchmark::State& state) {
  scan(state, "[(x\xB2-x-2)]", "-100", "100", "-1 ; 2");
  state.SetItemsProcessed(state.iterations() * 201);
}
BENCHMARK(BM_DefaultScan)->Unit(benchmark::kMillisecond);

void BM_DefaultScanOfAProduct(benchmark::State& state) {
  scan(state, "[(x-3)*(x+4)]+[Sin(x)]", "-100", "100", "");
  state.SetItemsProcessed(state.iterations() * 201);
}
BENCHMARK(BM_DefaultScanOfAProduct)->Unit(benchmark::kMillisecond);

void BM_MillionScan(benchmark::State& state) {
  scan(state, "[(x\xB2-x-2)]", "-1000000", "1000000", "-1 ; 2");
  state.SetItemsProcessed(state.iterations() * 2000001);
}
BENCHMARK(BM_MillionScan)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
