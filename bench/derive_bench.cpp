// Speed of "Türev Al" on long inputs: the time per request must grow
// linearly with the number of bracket terms. 1,000 terms make an input of
// 10,000 characters.
#include <benchmark/benchmark.h>

#include <string>

#include "model/Form1.h"
#include "model/RecordingPlatform.h"
#include "engine/Cp1254.h"
#include "worklists/WorkForm.h"

namespace velsira {
namespace {

// terms bracket terms of ten characters each, sums, differences, products
// and quotients mixed.
std::string longInput(long terms) {
  const std::string_view cycle[] = {"[(x²+3x)]-"_cp, "[Sin(2x)]*", "[Cos(5x)]+", "[ln(x+1)]/", "[(4x-17)]+"};
  std::string input;
  input.reserve(static_cast<size_t>(terms) * 10);
  for (long k = 0; k + 1 < terms; ++k) input += cycle[k % 5];
  input += "[(4x-175)]";
  return input;
}

// Derives input once per benchmark iteration in one program state; returns
// the last result text.
std::string deriveRepeatedly(benchmark::State& state, const std::string& input) {
  TForm2 form2;
  RecordingPlatform recording;
  TForm1 form(form2, recording.platform);
  for (auto _ : state) {
    form.Memo1.SetText(input);
    form.Button1Click();
    benchmark::DoNotOptimize(form.Memo2.Lines());
  }
  return form.Memo2.Text();
}

void BM_DeriveLongInput(benchmark::State& state) {
  const long terms = state.range(0);
  const std::string input = longInput(terms);
  const std::string result = deriveRepeatedly(state, input);
  state.SetComplexityN(terms);
  state.counters["chars"] = static_cast<double>(input.size());
}
BENCHMARK(BM_DeriveLongInput)
    ->Arg(125)->Arg(250)->Arg(500)->Arg(1000)->Arg(2000)->Arg(4000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

// One product of many bracket terms, «[(x)]*[(x)]*...»: the product rule
// repeats the product so far in every step, so the derivative text itself,
// and with it the time, grows with the square of the chain's length.
void BM_DeriveProductChain(benchmark::State& state) {
  const long terms = state.range(0);
  std::string input = "[(x)]";
  for (long k = 1; k < terms; ++k) input += "*[(x)]";
  const std::string result = deriveRepeatedly(state, input);
  state.SetComplexityN(terms);
  state.counters["chars"] = static_cast<double>(input.size());
  state.counters["result"] = static_cast<double>(result.size());
}
BENCHMARK(BM_DeriveProductChain)
    ->Arg(125)->Arg(250)->Arg(500)->Arg(1000)
    ->Complexity(benchmark::oNSquared)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velsira
