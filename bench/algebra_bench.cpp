// The time the simplified answer and its check add to an answer: one call of
// SimplifyAndCheck per example of the user guide, with the guide's input and
// result texts, read by the program's reader as velsira-batch and the window
// read them.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "algebra/Answer.h"
#include "algebra/Reader.h"

namespace velsira::algebra {
namespace {

struct Example {
  const char* name;
  AnswerRequest request;
};

// The program's reader of its own syntax, as velsira-batch and the window use it.
std::string Read(std::string_view text) { return PlainOf(text); }

// The guide's examples whose result the layer simplifies and checks.
std::vector<Example> GuideExamples() {
  using enum AnswerKind;
  const auto deg = AngleUnit::Degree;
  const char* quadratic =
      "Delta=1\nKok Delta=1.000\nBirinci KÖk (3+1.000)/4\nİkinci Kök (3-1.000)/4\nBulunur.\n"
      "Yani yaklaşık X1=1.000 ; X2=0.500'dir";
  return {
      {"derive-sum", {Derivative, "[(x²)]+[Sin(x)]", "(((2x))+((1)*(Cos(x))))", deg, "", false}},
      {"derive-poly", {Derivative, "[(3x²+2x)]", "(((6x+2)))", deg, "", false}},
      {"derive-product", {Derivative, "[(x)*Cos(x)]", "(((1)*Cos(x)+(1)*(-Sin(x))*(x)))", deg, "", false}},
      {"derive-chain", {Derivative, "Sin[(x²)]", "(((2x))*(Cos((x²))))", deg, "", false}},
      {"derive-power-name", {Derivative, "[Kuvvet3(2x+1)]", "((3*(2x+1)^2*(2+0)))", deg, "", false}},
      {"calc-sum", {Value, "[(2)*Sin(30)]+[(3)]", "4", deg, "", false}},
      {"calc-names", {Value, "[Kök(16)]+[Kuvvet3(2)]", "12", deg, "", false}},
      {"calc-powers", {Value, "[(3²+2^3)]", "17", deg, "", false}},
      {"calc-comma", {Value, "[(3,5*2)]", "7", deg, "", false}},
      {"calc-pi", {Value, "[(2*pi)]", "6,28318530717959", deg, "", false}},
      {"integrate-poly", {Integral, "(3x²+2)", "(3x³)/3+2x+c", deg, "", false}},
      {"integrate-sum", {Integral, "(x)+Cos(x)", "(x²)/2+1/(1)*Sin(x)+c", deg, "", false}},
      {"at-value", {Value, "[Sin(x)]+[(x²)]", "900,5", deg, "30", false}},
      {"quadratic", {Roots, "[(2x²-3x+1)]", quadratic, deg, "", true}},
      {"roots-range", {Roots, "[(x²-4)]", "-2,2", deg, "", false}},
      {"roots-default", {Roots, "[(x²+x-2)]", "-2,1", deg, "", false}},
      {"unit-deg", {Value, "[Sin(90)]", "1", deg, "", false}},
      {"unit-rad", {Value, "[Sin(90)]", "0,893996663601", AngleUnit::Radian, "", false}},
      {"unit-grad", {Value, "[Sin(90)]", "0,987688340595", AngleUnit::Grad, "", false}},
      {"unit-arctan", {Value, "[ArcTan(1)]", "50", AngleUnit::Grad, "", false}},
      {"error-integral-product", {Integral, "(x)*(x)", "(x²)/2*(x²)/2+c", deg, "", false}},
      {"integrate-constants", {Integral, "(x+e)+Sin(5)", "(x²)/2+ex+x*Sin(5)+c", deg, "", false}},
  };
}

void BM_SimplifyAndCheck(benchmark::State& state, AnswerRequest request) {
  for (auto _ : state) benchmark::DoNotOptimize(SimplifyAndCheck(request, Read));
}

// Registers one benchmark per guide example: BM_SimplifyAndCheck/<example>.
const bool kRegistered = [] {
  for (const Example& e : GuideExamples())
    benchmark::RegisterBenchmark((std::string("BM_SimplifyAndCheck/") + e.name).c_str(), BM_SimplifyAndCheck,
                                 e.request)
        ->Unit(benchmark::kMicrosecond);
  return true;
}();

}  // namespace
}  // namespace velsira::algebra
