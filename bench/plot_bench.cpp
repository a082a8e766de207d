// Speed of "Grafik Çiz" without a window: the 100,001 points of
// -50,000 .. 50,000, each one point evaluation added to the chart's model,
// and the model alone taking 100,001 points in ascending x.
#include <benchmark/benchmark.h>

#include <string>

#include "model/Form1.h"
#include "model/RecordingPlatform.h"
#include "bench/bench_support.h"
#include "model/ChartModel.h"
#include "model/PlotWindow.h"
#include "worklists/WorkForm.h"

namespace {

using namespace velsira;

using Program = velsira::BenchProgram;

void plot(benchmark::State& state, const std::string& input) {
  Program p;
  p.form.Memo1.SetText(input);
  p.form.RadioButton2Click();
  for (auto _ : state) {
    p.recording.dialogs.answers = {std::string("-50000"), std::string("50000"), std::string("-500"),
                                   std::string("500")};
    p.recording.messages.error.reset();
    p.form.Perform([&] { p.form.Button14Click(); });
    if (p.recording.messages.error) {
      state.SkipWithError(p.recording.messages.error->c_str());
      return;
    }
    if (p.recording.plot.Chart1().Count() != 100001) {
      state.SkipWithError("wrong number of points");
      return;
    }
  }
  state.SetItemsProcessed(state.iterations() * 100001);
}

void BM_Plot100001(benchmark::State& state) { plot(state, "[(x\xB2)]"); }
BENCHMARK(BM_Plot100001)->Unit(benchmark::kMillisecond);

void BM_Plot100001ParabolaAndSine(benchmark::State& state) { plot(state, "[(x\xB2)]-[(50)*Sin(x)]"); }
BENCHMARK(BM_Plot100001ParabolaAndSine)->Unit(benchmark::kMillisecond);

void BM_ChartModelAppend100001(benchmark::State& state) {
  for (auto _ : state) {
    ChartModel chart;
    for (int x = -50000; x <= 50000; ++x) chart.AddXY(x, static_cast<double>(x) * x);
    benchmark::DoNotOptimize(chart.Count());
  }
  state.SetItemsProcessed(state.iterations() * 100001);
}
BENCHMARK(BM_ChartModelAppend100001)->Unit(benchmark::kMillisecond);

}  // namespace
