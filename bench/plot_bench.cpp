// Speed of "Grafik Çiz" without a window: the 100,001 points of
// -50,000 .. 50,000, each one point evaluation added to the chart's model,
// and the model alone taking 100,001 points in ascending x; the plot of
// 20,000,001 points with its peak memory.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

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
    // The model keeps the extremes of each pixel column, as in the window.
    if (p.recording.plot.Chart1().Count() == 0) {
      state.SkipWithError("no points");
      return;
    }
  }
  state.SetItemsProcessed(state.iterations() * 100001);
}

void BM_Plot100001(benchmark::State& state) { plot(state, "[(x\xB2)]"); }
BENCHMARK(BM_Plot100001)->Unit(benchmark::kMillisecond);

void BM_Plot100001ParabolaAndSine(benchmark::State& state) { plot(state, "[(x\xB2)]-[(50)*Sin(x)]"); }
BENCHMARK(BM_Plot100001ParabolaAndSine)->Unit(benchmark::kMillisecond);

// The plot of -10,000,000 .. 10,000,000 as the window makes it: the chart
// model keeps the column extremes, so its memory stays flat. Reports the
// process's peak resident size after the plot (run alone for a clean figure).
void BM_Plot20000001(benchmark::State& state) {
  Program p;
  p.form.Memo1.SetText("[(x\xB2)]-[(50)*Sin(x)]");
  for (auto _ : state) {
    p.recording.dialogs.answers = {std::string("-10000000"), std::string("10000000")};
    p.form.Perform([&] { p.form.Button14Click(); });
    if (p.recording.messages.error) state.SkipWithError(p.recording.messages.error->c_str());
  }
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024;
  state.counters["points_kept"] = static_cast<double>(p.recording.plot.Chart1().Count());
  state.SetItemsProcessed(state.iterations() * 20000001);
}
BENCHMARK(BM_Plot20000001)->Unit(benchmark::kMillisecond)->Iterations(1);

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
