// Chart1 without widgets: the title, the two axes with their fixed ranges and
// the one line series. The drivers, velsira-batch and the tests work on it;
// the window's chart draws exactly what it holds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velsira {

// One point of the series: its place, label and colour (0xRRGGBB); with
// gapBefore the curve is broken between the point before it and this one.
struct ChartPoint {
  double x;
  double y;
  std::string label;
  uint32_t color;
  bool gapBefore = false;
};

// The pixel columns of a drawing of the chart: the bottom axis min .. max
// maps to the device coordinates from .. to.
struct ColumnMap {
  double min, max, from, to;
  // The device coordinate of x; a range of one value maps to the middle, a
  // coordinate far outside is held 1E7 pixels beyond the drawing.
  double Position(double x) const;
  // The pixel column x falls in.
  double Column(double x) const;
};

// The points a drawing keeps of a series in x order: of each run of points
// in one pixel column, the first, the (earliest) lowest, the (earliest)
// highest and the last, in series order. The segments joining them draw
// the same picture as the whole series. Returns their indices.
std::vector<size_t> ColumnExtremes(const std::vector<struct ChartPoint>& points, const ColumnMap& map);

// Whether the curve is broken anywhere between points[from] and points[to]
// (from < to): a gap before any point after from, up to to.
bool GapBetween(const std::vector<struct ChartPoint>& points, size_t from, size_t to);

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
  // the end (x not below the last x) takes constant time on average. Once
  // the series holds more than its exact limit and more than eight points
  // per pixel column, it keeps only the ColumnExtremes of its points, so
  // that it never holds much more than that whatever the range.
  void AddXY(double x, double y, std::string_view label = {}, uint32_t color = 0);
  // Removes every point, every undefined x and the sampler; the series is
  // exact again.
  void Clear();

  // Records an x where the curve is undefined: the next point added is
  // drawn after a break. The first kUndefinedListed of them are kept.
  void AddUndefined(double x);
  static constexpr size_t kUndefinedListed = 1000;
  const std::vector<double>& Undefined() const { return undefined_; }
  // How many x were recorded as undefined, listed or not.
  size_t UndefinedCount() const { return undefinedCount_; }
  // The line under the chart naming the undefined x («x = 0 noktasında
  // tanımsız», a few and "…" for more); empty when there are none.
  std::string Note() const;

  // The value of the curve at any x, for drawing between the points: empty
  // where the function has no value there. The series stays as it is.
  using Sampler = std::function<std::optional<double>(double)>;
  // Sets the sampler (an empty one: the curve is drawn from the points).
  void SetSampler(Sampler sampler) { sampler_ = std::move(sampler); }
  const Sampler& CurveSampler() const { return sampler_; }

  // "Y eksenini sığdır": sets the left axis to the lowest .. highest y of the
  // points within the bottom axis range, with a margin of 5% of the span on
  // each side (a flat curve gets ±1, or ±10% of its value). False, and the
  // range stays, when no point lies within the bottom range.
  bool FitLeftRange();

  const std::vector<ChartPoint>& Points() const { return points_; }
  size_t Count() const { return points_.size(); }
  // Whether points were left out by keeping only the column extremes.
  bool Reduced() const { return reduced_; }
  // A reduced series keeps only its column extremes from here on, also of
  // the points added since the last reduction (a plot calls it at its end).
  void Compact();

  // The pixel columns of the widest drawing of the chart, from .. to for the
  // bottom axis range (0 .. 640 at creation); a view sets its own.
  void SetColumns(double from, double to);
  ColumnMap Columns() const { return {bottom_.min, bottom_.max, columnsFrom_, columnsTo_}; }
  // How many points the series holds exactly before it keeps only the
  // column extremes (0 at creation).
  void SetExactLimit(size_t points) { exactLimit_ = points; }

  // Called after every change, so that a view can repaint.
  std::function<void()> onChanged;

 private:
  void changed() {
    if (onChanged) onChanged();
  }
  // Keeps only the column extremes once the series has grown past its bound.
  void bound();
  // Keeps only the column extremes.
  void reduce();

  std::string title_;
  ChartAxis bottom_;
  ChartAxis left_;
  uint32_t seriesColor_ = 0xFF0000;
  std::vector<ChartPoint> points_;
  double columnsFrom_ = 0;
  double columnsTo_ = 640;
  size_t exactLimit_ = 0;
  size_t nextBound_ = 0;  // no reduction before the series passes this
  bool reduced_ = false;
  std::vector<double> undefined_;
  size_t undefinedCount_ = 0;
  bool gapPending_ = false;  // the next point added follows an undefined x
  Sampler sampler_;
};

}  // namespace velsira
