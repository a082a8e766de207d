// Speed of the point evaluation, the call the plot and the root scan make
// once per integer of their range.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "model/Form1.h"
#include "model/RecordingPlatform.h"
#include "bench/bench_support.h"
#include "engine/Cp1254.h"
#include "engine/NumberText.h"
#include "worklists/WorkForm.h"

namespace velsira {
namespace {

using Program = velsira::BenchProgram;

void evaluateOnce(benchmark::State& state, std::string_view input) {
  Program p;
  p.form.Memo1.SetText(input);
  std::string result;
  for (auto _ : state) {
    p.form.Calc().EvaluateAt("7", result);
    benchmark::DoNotOptimize(result);
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_EvaluateAt_SquarePlusSine(benchmark::State& state) { evaluateOnce(state, "[(x²)+Sin(x)]"_cp); }
BENCHMARK(BM_EvaluateAt_SquarePlusSine);

void BM_EvaluateAt_ThreeTerms(benchmark::State& state) {
  evaluateOnce(state, "[(2)*Sin(x)]+[Kuvvet3(x)]-[(x)]");
}
BENCHMARK(BM_EvaluateAt_ThreeTerms);

// The plot's default range: every integer from -100 to 100. Items are
// evaluations, so the rate reads as evaluations per second.
void BM_Sweep201(benchmark::State& state) {
  Program p;
  p.form.Memo1.SetText("[(2)*Sin(x)]+[Kuvvet3(x)]-[(x)]");
  std::vector<std::string> points;
  for (int x = -100; x <= 100; ++x) points.push_back(IntToText(x));
  std::string result;
  for (auto _ : state) {
    for (const std::string& x : points) {
      p.form.Calc().EvaluateAt(x, result);
      benchmark::DoNotOptimize(result);
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(points.size()));
}
BENCHMARK(BM_Sweep201);

}  // namespace
}  // namespace velsira
