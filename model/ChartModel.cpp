// The chart model: axis ranges and the series kept in ascending x.
#include "model/ChartModel.h"

#include <algorithm>

#include "engine/Cp1254.h"
#include "engine/Errors.h"

namespace velsira {

namespace {

void setRange(ChartAxis& axis, double min, double max) {
  if (max < min) raiseMessage(Message::AxisRange);
  axis.min = min;
  axis.max = max;
}

}  // namespace

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
  if (points_.empty() || !(x < points_.back().x)) {
    points_.push_back({x, y, std::string(label), color});
  } else {
    const auto at = std::upper_bound(points_.begin(), points_.end(), x,
                                     [](double v, const ChartPoint& p) { return v < p.x; });
    points_.insert(at, {x, y, std::string(label), color});
  }
  changed();
}

void ChartModel::Clear() {
  points_.clear();
  changed();
}

}  // namespace velsira
