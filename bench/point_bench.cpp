// The three rows of the speed goals: the derivative per call, the value of
// «[(x²)+Sin(x)]» at each integer of -100 .. 100 (from a scan's plan, and
// through EvaluateAt for comparison), and (in roots_bench.cpp) the root scan
// of «[(x²-x-2)]» over -1,000,000 .. 1,000,000. The plot of 100,001 points
// has its own file, plot_bench.cpp.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "model/Form1.h"
#include "model/RecordingPlatform.h"
#include "bench/bench_support.h"
#include "engine/Cp1254.h"
#include "engine/NumberText.h"
#include "engine/PointScan.h"
#include "worklists/WorkForm.h"

namespace velsira {
namespace {

using Program = velsira::BenchProgram;

// One "Türev Al" per iteration: the input text in, the result text out.
void BM_Derive(benchmark::State& state, std::string_view input) {
  Program p;
  for (auto _ : state) {
    p.form.Memo1.SetText(input);
    p.form.Button1Click();
    benchmark::DoNotOptimize(p.form.Memo2.Text());
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK_CAPTURE(BM_Derive, Square, "[(x²)]"_cp);
BENCHMARK_CAPTURE(BM_Derive, Sine, "[Sin(x)]");
BENCHMARK_CAPTURE(BM_Derive, SquarePlusSine, "[(x²)+Sin(x)]"_cp);
BENCHMARK_CAPTURE(BM_Derive, ProductWithSine, "[(x)*Sin(x)]");
BENCHMARK_CAPTURE(BM_Derive, QuotientOfSineAndCosine, "[Sin(x)/Cos(x)]");
BENCHMARK_CAPTURE(BM_Derive, SineOfCosine, "Sin[Cos(x)]");
BENCHMARK_CAPTURE(BM_Derive, LogOfSquarePlusOne, "ln[(x²+1)]"_cp);
BENCHMARK_CAPTURE(BM_Derive, CubeOfQuadratic, "Kuvvet3[(3x²-2x+1)]"_cp);

constexpr std::string_view kSquarePlusSine = "[(x²)+Sin(x)]"_cp;

// Items are points: the time per item is the time per point.
void BM_PointScan_SquarePlusSine(benchmark::State& state) {
  Program p;
  p.form.Memo1.SetText(kSquarePlusSine);
  std::string result;
  for (auto _ : state) {
    PointScan scan(p.form.Calc());
    for (long long x = -100; x <= 100; ++x) {
      scan.Evaluate(x, result, x == 100);
      benchmark::DoNotOptimize(scan.Value());
    }
  }
  state.SetItemsProcessed(state.iterations() * 201);
}
BENCHMARK(BM_PointScan_SquarePlusSine);

void BM_EvaluateAt_Sweep_SquarePlusSine(benchmark::State& state) {
  Program p;
  p.form.Memo1.SetText(kSquarePlusSine);
  std::vector<std::string> points;
  for (int x = -100; x <= 100; ++x) points.push_back(IntToText(x));
  std::string result;
  for (auto _ : state) {
    for (const std::string& x : points) {
      p.form.Calc().EvaluateAt(x, result);
      benchmark::DoNotOptimize(TextToFloat(result));
    }
  }
  state.SetItemsProcessed(state.iterations() * 201);
}
BENCHMARK(BM_EvaluateAt_Sweep_SquarePlusSine);

}  // namespace
}  // namespace velsira
