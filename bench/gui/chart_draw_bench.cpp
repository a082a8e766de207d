// Speed of drawing the chart: 100,001 points into a 640 x 480 picture, as
// every repaint of the plot window does. Runs on Qt's offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cmath>

#include "chart/LineChart.h"

namespace {

using namespace velsira;

// Draws the chart of model into a 640 x 480 picture once per iteration, as
// one repaint of the plot window does.
void drawRepeatedly(benchmark::State& state, ChartModel& model) {
  LineChart chart(model);
  chart.resize(640, 480);
  QImage image(640, 480, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    QPainter painter(&image);
    chart.render(painter, image.size());
  }
}

void BM_Draw100001Points(benchmark::State& state) {
  ChartModel model;
  model.SetBottomRange(-50000, 50000);
  for (int x = -50000; x <= 50000; ++x) model.AddXY(x, static_cast<double>(x) * x / 1e6 - 50 * std::sin(x));
  drawRepeatedly(state, model);
  state.SetItemsProcessed(state.iterations() * 100001);
}
BENCHMARK(BM_Draw100001Points)->Unit(benchmark::kMillisecond);

void BM_Draw201Points(benchmark::State& state) {
  ChartModel model;
  for (int x = -100; x <= 100; ++x) model.AddXY(x, static_cast<double>(x) * x - 50 * std::sin(x));
  drawRepeatedly(state, model);
}
BENCHMARK(BM_Draw201Points)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
