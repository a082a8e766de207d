// The chart model: axis ranges and the series kept in ascending x.
#include "model/ChartModel.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "engine/Cp1254.h"
#include "engine/Errors.h"
#include "engine/NumberText.h"

namespace velsira {

namespace {

void setRange(ChartAxis& axis, double min, double max) {
  if (max < min) raiseMessage(Message::AxisRange);
  axis.min = min;
  axis.max = max;
}

// Coordinates are held within this many pixels of the drawing, far beyond
// anything visible, so that no coordinate overflows.
constexpr double kFar = 1e7;

}  // namespace

double ColumnMap::Position(double x) const {
  const double span = max - min;
  const double t = span > 0 ? (x - min) / span : 0.5;
  const double p = from + t * (to - from);
  const double lo = std::min(from, to) - kFar, hi = std::max(from, to) + kFar;
  return std::isnan(p) ? lo : std::clamp(p, lo, hi);
}

double ColumnMap::Column(double x) const { return std::floor(Position(x)); }

std::vector<size_t> ColumnExtremes(const std::vector<ChartPoint>& points, const ColumnMap& map) {
  std::vector<size_t> kept;
  size_t i = 0;
  while (i < points.size()) {
    const double column = map.Column(points[i].x);
    size_t lo = i, hi = i, j = i + 1;
    for (; j < points.size() && map.Column(points[j].x) == column; ++j) {
      if (points[j].y < points[lo].y) lo = j;
      if (points[j].y > points[hi].y) hi = j;
    }
    for (const size_t k : {i, std::min(lo, hi), std::max(lo, hi), j - 1})
      if (kept.empty() || kept.back() != k) kept.push_back(k);
    i = j;
  }
  return kept;
}

bool GapBetween(const std::vector<ChartPoint>& points, size_t from, size_t to) {
  for (size_t k = from + 1; k <= to; ++k)
    if (points[k].gapBefore) return true;
  return false;
}

ChartModel::ChartModel()
    : title_("Denklemin Grafiği"_cp), bottom_{"x ekseni", -100, 100}, left_{"y ekseni", -500, 500} {}

void ChartModel::SetBottomRange(double min, double max) {
  setRange(bottom_, min, max);
  changed();
}

void ChartModel::SetLeftRange(double min, double max) {
  setRange(left_, min, max);
  changed();
}

void ChartModel::AddXY(double x, double y, std::string_view label, uint32_t color) {
  const bool gap = gapPending_ && !points_.empty();
  gapPending_ = false;
  if (points_.empty() || !(x < points_.back().x)) {
    points_.push_back({x, y, std::string(label), color, gap});
  } else {
    const auto at = std::upper_bound(points_.begin(), points_.end(), x,
                                     [](double v, const ChartPoint& p) { return v < p.x; });
    points_.insert(at, {x, y, std::string(label), color, gap});
  }
  bound();
  changed();
}

void ChartModel::bound() {
  // Eight points a column before reducing to at most four: each reduction
  // is paid for by the points added since the last one.
  const double columns = std::max(1.0, std::fabs(columnsTo_ - columnsFrom_) + 2);
  const size_t limit = std::max({exactLimit_, static_cast<size_t>(8 * columns), nextBound_});
  if (points_.size() > limit) reduce();
}

void ChartModel::Compact() {
  if (reduced_) reduce();
}

void ChartModel::reduce() {
  const std::vector<size_t> kept = ColumnExtremes(points_, Columns());
  // Points far outside the axis fall in columns of their own: the next
  // reduction waits until the series has doubled, so adding stays cheap.
  nextBound_ = 2 * kept.size();
  if (kept.size() == points_.size()) return;
  // A kept point follows a break when any point left out before it did; the
  // points read lie at or after k, beyond those already moved.
  for (size_t k = 0; k < kept.size(); ++k) {
    const bool gap = k > 0 && GapBetween(points_, kept[k - 1], kept[k]);
    if (k != kept[k]) points_[k] = std::move(points_[kept[k]]);
    points_[k].gapBefore = gap;
  }
  points_.resize(kept.size());
  reduced_ = true;
}

void ChartModel::SetColumns(double from, double to) {
  columnsFrom_ = from;
  columnsTo_ = to;
}

void ChartModel::Clear() {
  points_.clear();
  points_.shrink_to_fit();
  reduced_ = false;
  nextBound_ = 0;
  undefined_.clear();
  undefinedCount_ = 0;
  gapPending_ = false;
  sampler_ = nullptr;
  changed();
}

void ChartModel::AddUndefined(double x) {
  if (undefined_.size() < kUndefinedListed) undefined_.push_back(x);
  ++undefinedCount_;
  gapPending_ = true;
}

std::string ChartModel::Note() const {
  if (undefinedCount_ == 0) return {};
  constexpr size_t kNamed = 5;
  std::string note = "x = ";
  for (size_t k = 0; k < undefined_.size() && k < kNamed; ++k) {
    if (k > 0) note += ", ";
    note += FloatToText(undefined_[k]);
  }
  if (undefinedCount_ > kNamed) note += std::string(", …"_cp);
  note += std::string(undefinedCount_ == 1 ? " noktasında tanımsız"_cp : " noktalarında tanımsız"_cp);
  return note;
}

bool ChartModel::FitLeftRange() {
  double lo = 0, hi = 0;
  bool any = false;
  for (const ChartPoint& p : points_) {
    if (p.x < bottom_.min || p.x > bottom_.max || !std::isfinite(p.y)) continue;
    lo = any ? std::min(lo, p.y) : p.y;
    hi = any ? std::max(hi, p.y) : p.y;
    any = true;
  }
  if (!any) return false;
  const double span = hi - lo;
  const double margin = span > 0 ? span * 0.05 : (lo == 0 ? 1.0 : std::fabs(lo) * 0.1);
  // Values near the end of the double range keep a finite axis.
  const double min = std::max(-DBL_MAX, lo - margin), max = std::min(DBL_MAX, hi + margin);
  SetLeftRange(min, max);
  return true;
}

}  // namespace velsira
