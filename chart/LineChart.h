// Chart1: a two-dimensional line chart with a title, two titled axes with
// fixed ranges and one line series whose points stay in ascending x.
#pragma once

#include <QChartView>
#include <QLineSeries>
#include <QValueAxis>

namespace velsira {

class LineChart : public QChartView {
  Q_OBJECT

 public:
  explicit LineChart(QWidget* parent = nullptr);

  // The fixed range of the bottom (x) axis, taken as a whole; a maximum
  // below the minimum is refused with "Axis Maximum Value must be >= Minimum".
  void SetBottomRange(double min, double max);
  // The fixed range of the left (y) axis, refused likewise.
  void SetLeftRange(double min, double max);
  // Adds a point to Series1 at its place by x (after the points of equal x).
  void AddXY(double x, double y);

  QLineSeries* Series1() const { return series_; }
  QValueAxis* BottomAxis() const { return bottom_; }
  QValueAxis* LeftAxis() const { return left_; }

 private:
  QLineSeries* series_;
  QValueAxis* bottom_;
  QValueAxis* left_;
};

}  // namespace velsira
