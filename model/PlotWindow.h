// Form3, the plot window "Grafik Oluşturucu", as the drivers see it: shown
// and hidden without modality, with the model of its chart Chart1; and the
// windowing side bundle that holds it.
// The component names (Form1, Memo13, Button14Click ...): docs/glossary.md.
#pragma once

#include "engine/Platform.h"
#include "model/ChartModel.h"

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

// The whole windowing side as one bundle, handed to the main-window model:
// what the engine's drivers use and the plot window.
struct Platform : EngineUi {
  PlotWindow& plot;
};

}  // namespace velsira
