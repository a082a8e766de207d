// The chart of the plot window as it is set up at creation.
#include "chart/LineChart.h"

#include <QChart>
#include <algorithm>

#include "app/Look.h"
#include "engine/Errors.h"

namespace velsira {

namespace {

// The chart refuses an axis range whose maximum is below its minimum.
void checkRange(double min, double max) {
  if (max < min) throw EngineError("Axis Maximum Value must be >= Minimum");
}

}  // namespace

LineChart::LineChart(QWidget* parent)
    : QChartView(parent),
      series_(new QLineSeries),
      bottom_(new QValueAxis),
      left_(new QValueAxis) {
  auto* chart = new QChart;
  chart->setTitle(QStringLiteral("Denklemin Grafiği"));
  chart->setTitleFont(look::arial(16));
  chart->setTitleBrush(QColor(0, 0, 255));
  chart->legend()->hide();
  chart->setPlotAreaBackgroundVisible(false);

  series_->setName(QStringLiteral("Series1"));
  series_->setColor(QColor(255, 0, 0));
  series_->setPointsVisible(false);
  series_->setPointLabelsVisible(false);
  chart->addSeries(series_);

  bottom_->setTitleText(QStringLiteral("x ekseni"));
  bottom_->setRange(-100, 100);
  bottom_->setLabelFormat(QStringLiteral("%g"));
  left_->setTitleText(QStringLiteral("y ekseni"));
  left_->setRange(-500, 500);
  left_->setLabelFormat(QStringLiteral("%g"));
  chart->addAxis(bottom_, Qt::AlignBottom);
  chart->addAxis(left_, Qt::AlignLeft);
  series_->attachAxis(bottom_);
  series_->attachAxis(left_);

  setChart(chart);
  setRenderHint(QPainter::Antialiasing);
}

void LineChart::SetBottomRange(double min, double max) {
  checkRange(min, max);
  bottom_->setRange(min, max);
}

void LineChart::SetLeftRange(double min, double max) {
  checkRange(min, max);
  left_->setRange(min, max);
}

void LineChart::AddXY(double x, double y) {
  const QList<QPointF> points = series_->points();
  const auto at = std::upper_bound(points.begin(), points.end(), x,
                                   [](double v, const QPointF& p) { return v < p.x(); });
  series_->insert(static_cast<int>(at - points.begin()), QPointF(x, y));
}

}  // namespace velsira
