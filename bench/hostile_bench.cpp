// Hostile inputs of about a megabyte (or 100,000 lines): every operation must
// answer or refuse each within a second. Each benchmark runs one operation
// on one input in a fresh program state, as one click of the window would;
// the second argument picks the range the scans and the plot ask for:
// 0 .. 1 (0), or the dialogs' defaults (1), 201 points for a scan.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/bench_support.h"

namespace velsira {
namespace {

std::string repeat(std::string_view s, size_t n) {
  std::string out;
  out.reserve(s.size() * n);
  for (size_t i = 0; i < n; ++i) out += s;
  return out;
}

enum Input { Deep, Lines, Minus, Product, Brackets, PiTimes, Blanks, Squares, Powers, LongName, Terms, Operands };

std::string hostileInput(Input kind) {
  switch (kind) {
    case Deep: return "[" + repeat("(", 100000) + "x" + repeat(")", 100000) + "]";
    case Lines: return repeat("[(x)]\r\n", 99999) + "[(x)]";
    case Minus: return "[(" + repeat("-", 1000000) + "1)]";
    case Product: return "[(" + repeat("2)*(", 250000) + "2)]";
    case Brackets: return repeat("[", 500000) + repeat("]", 500000);
    case PiTimes: return "[(" + repeat("pi*", 330000) + "1)]";
    case Blanks: return "[(" + repeat(" ", 1000000) + "x)]";
    case Squares: return "[(" + repeat("0\xB2", 500000) + ")]";
    case Powers: return "[(" + repeat("0^", 500000) + "0)]";
    case LongName: return "[" + repeat("1", 1000000) + "Sin(x)]";
    case Terms: return repeat("[(x)]+", 166666) + "[(x)]";
    case Operands: return "[(" + repeat("x+", 500000) + "x)]";
  }
  return {};
}

void runOperation(benchmark::State& state, void (TForm1::*handler)()) {
  const std::string input = hostileInput(static_cast<Input>(state.range(0)));
  for (auto _ : state) {
    BenchProgram p;
    TForm1& form = p.form;
    if (state.range(1) == 0)
      p.recording.dialogs.answers = {std::string("0"), std::string("1"), std::string("-10"), std::string("10")};
    form.Memo1.SetText(input);
    form.Perform([&] { (form.*handler)(); });
    benchmark::DoNotOptimize(form.Memo2.Lines());
  }
}

void BM_HostileDerive(benchmark::State& state) { runOperation(state, &TForm1::Button1Click); }
void BM_HostileIntegrate(benchmark::State& state) { runOperation(state, &TForm1::Button4Click); }
void BM_HostileCalc(benchmark::State& state) { runOperation(state, &TForm1::Button6Click); }
void BM_HostileAt(benchmark::State& state) { runOperation(state, &TForm1::Button24Click); }
void BM_HostileQuadratic(benchmark::State& state) { runOperation(state, &TForm1::Button2Click); }
void BM_HostileDeltaEpsilon(benchmark::State& state) { runOperation(state, &TForm1::Button17Click); }
void BM_HostileRoots(benchmark::State& state) { runOperation(state, &TForm1::Button39Click); }
void BM_HostilePlot(benchmark::State& state) { runOperation(state, &TForm1::Button14Click); }

#define HOSTILE_INPUTS ArgsProduct({benchmark::CreateDenseRange(Deep, Operands, 1), {0, 1}})->Unit(benchmark::kMillisecond)->Iterations(1)
BENCHMARK(BM_HostileDerive)->HOSTILE_INPUTS;
BENCHMARK(BM_HostileIntegrate)->HOSTILE_INPUTS;
BENCHMARK(BM_HostileCalc)->HOSTILE_INPUTS;
BENCHMARK(BM_HostileAt)->HOSTILE_INPUTS;
BENCHMARK(BM_HostileQuadratic)->HOSTILE_INPUTS;
BENCHMARK(BM_HostileDeltaEpsilon)->HOSTILE_INPUTS;
BENCHMARK(BM_HostileRoots)->HOSTILE_INPUTS;
BENCHMARK(BM_HostilePlot)->HOSTILE_INPUTS;

}  // namespace
}  // namespace velsira
