// Form3, the plot window "Grafik Oluşturucu", as the drivers see it: shown
// and hidden without modality, with the model of its chart Chart1.
#pragma once

#include "chart/ChartModel.h"
#include "engine/Platform.h"

namespace velsira {

class PlotWindow {
 public:
  virtual ~PlotWindow() = default;
  virtual void Show() = 0;
  virtual void Hide() = 0;
  virtual bool Visible() const = 0;
  ChartModel& Chart1() { return chart1_; }
  const ChartModel& Chart1() const { return chart1_; }

 private:
  ChartModel chart1_;
};

}  // namespace velsira
