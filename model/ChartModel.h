// Chart1 without widgets: the title, the two axes with their fixed ranges and
// the one line series. The drivers, velsira-batch and the tests work on it;
// the window's chart draws exactly what it holds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace velsira {

// One point of the series: its place, label and colour (0xRRGGBB).
struct ChartPoint {
  double x;
  double y;
  std::string label;
  uint32_t color;
};

// One axis: its title and its fixed range, never computed from the data.
struct ChartAxis {
  std::string title;
  double min;
  double max;
};

class ChartModel {
 public:
  // The chart as it is set up at creation: "Denklemin Grafiği", the bottom
  // axis "x ekseni" on -100 .. 100, the left axis "y ekseni" on -500 .. 500,
  // an empty red series.
  ChartModel();

  const std::string& Title() const { return title_; }
  const ChartAxis& BottomAxis() const { return bottom_; }
  const ChartAxis& LeftAxis() const { return left_; }
  // The colour of the series itself (red); each segment is drawn in the
  // colour of its point.
  uint32_t SeriesColor() const { return seriesColor_; }

  // Replace the range of an axis as a whole. A maximum below the minimum is
  // refused with "Axis Maximum Value must be >= Minimum" and the range stays.
  void SetBottomRange(double min, double max);
  void SetLeftRange(double min, double max);

  // Adds a point at its place by x, after the points of equal x. Adding at
  // the end (x not below the last x) takes constant time.
  void AddXY(double x, double y, std::string_view label = {}, uint32_t color = 0);
  // Removes every point.
  void Clear();

  const std::vector<ChartPoint>& Points() const { return points_; }
  size_t Count() const { return points_.size(); }

  // Called after every change, so that a view can repaint.
  std::function<void()> onChanged;

 private:
  void changed() {
    if (onChanged) onChanged();
  }

  std::string title_;
  ChartAxis bottom_;
  ChartAxis left_;
  uint32_t seriesColor_ = 0xFF0000;
  std::vector<ChartPoint> points_;
};

}  // namespace velsira
