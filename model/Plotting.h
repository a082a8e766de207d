// "Grafik Çiz": asks for the x and y ranges, evaluates the input at every
// integer of the x range with the progress window shown, and shows the
// points in the plot window.
#pragma once

#include <memory>
#include <string>

#include "engine/Calculation.h"
#include "engine/PointScan.h"
#include "engine/WorkArea.h"
#include "model/PlotWindow.h"

namespace velsira {

class Plotting {
 public:
  Plotting(WorkArea& w, Calculation& calc, PlotWindow& plot) : w_(w), calc_(calc), plot_(plot) {}

  // Button14Click of the main window. Points where the input is undefined
  // are left out (the chart records them); any other error ends the plot,
  // and every failure hides the progress window.
  void Button14Click();

  // The value of the input at the integer x, one point of the curve, from
  // the scan's plan (the last point through the text path). A value that a
  // double cannot hold raises "Floating point overflow".
  double PointAt(PointScan& scan, long long x, bool last);

 private:
  // The dialogs, the scan and the showing of the plot window.
  void plot();
  // Gives the chart the scan's plan to draw the curve between the integers,
  // when the plan holds the input and the input is at most 10,000
  // characters long.
  void setSampler(ChartModel& chart, std::shared_ptr<PointScan> scan);

  WorkArea& w_;
  Calculation& calc_;
  PlotWindow& plot_;
  std::string value_;  // storage reused from one point to the next
};

}  // namespace velsira
