// The chart drawn from a model that keeps only the column extremes of a long
// series is the picture drawn from the whole series.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>

#include "chart/LineChart.h"

namespace velsira {
namespace {

QImage drawn(const LineChart& chart) {
  QImage image(640, 480, QImage::Format_ARGB32_Premultiplied);
  QPainter painter(&image);
  chart.render(painter, image.size());
  return image;
}

TEST(ChartBound, AReducedSeriesDrawsTheWholeSeriesPicture) {
  const struct {
    const char* what;
    double xmin, xmax, ymin, ymax;
  } cases[] = {
      {"a noisy curve across the axes", -50000, 50000, -500, 500},
      {"a range of many points per column, partly outside the y axis", -2000000, 2000000, -50, 50},
  };
  for (const auto& c : cases) {
    ChartModel whole, bounded;
    whole.SetExactLimit(100000000);
    LineChart wholeChart(whole), boundedChart(bounded);
    for (LineChart* chart : {&wholeChart, &boundedChart}) chart->resize(640, 480);
    for (ChartModel* model : {&whole, &bounded}) {
      model->SetBottomRange(c.xmin, c.xmax);
      model->SetLeftRange(c.ymin, c.ymax);
    }
    uint32_t seed = 7;
    for (double x = c.xmin; x <= c.xmax; x += 1) {
      seed = seed * 1103515245u + 12345u;
      const double y = 100 * std::sin(x / 3000) + static_cast<double>(seed >> 22) / 20 - 100;
      whole.AddXY(x, y);
      bounded.AddXY(x, y);
    }
    bounded.Compact();
    EXPECT_TRUE(bounded.Reduced()) << c.what;
    EXPECT_LT(bounded.Count(), 4u * 640u) << c.what;
    EXPECT_TRUE(drawn(wholeChart) == drawn(boundedChart)) << c.what;
  }
}

}  // namespace
}  // namespace velsira
