// The plot driver. Every point costs one point evaluation, from a plan made
// once per scan; the points go
// into the chart's model as they are computed, and the window draws them
// once it is shown. "Durdur" ends the scan at the next point and shows the
// points so far. A point where the function is undefined is left out, the
// curve is broken there and the chart names it under the curve.
#include "model/Plotting.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <memory>
#include <optional>

#include "engine/Cp1254.h"
#include "engine/Errors.h"
#include "engine/NumberText.h"
#include "model/PlotWindow.h"

namespace velsira {

double Plotting::PointAt(PointScan& scan, long long x, bool last) {
  scan.Evaluate(x, value_, last);
  const long double y = scan.Value();
  // The chart holds doubles: a larger value would become an infinity there.
  if (!(std::fabs(y) <= static_cast<long double>(DBL_MAX))) raiseOverflow();
  return static_cast<double>(y);
}

namespace {

// Whether an evaluation failed because the function has no value there
// (division by zero, a logarithm or root of a negative number, a value
// beyond the number range): the plot leaves that point out and goes on.
bool undefinedPoint(const EngineError& e) {
  for (const Message m : {Message::DivisionByZero, Message::InvalidOperation, Message::Overflow})
    if (e.text() == MessageTemplate(m)) return true;
  return false;
}

}  // namespace

void Plotting::setSampler(ChartModel& chart, std::shared_ptr<PointScan> scan) {
  // Every repaint samples about one value a pixel column. A point costs
  // about 2 ns a character of the input, so a longer input would make each
  // repaint take longer than a frame; its curve is drawn from its integer
  // points alone.
  constexpr size_t kLongestSampled = 10000;
  if (!scan->Planned() || w_.Memo1.Text().size() > kLongestSampled) return;
  const AngleUnit unit = w_.Unit();
  const WorkArea& w = w_;
  chart.SetSampler([scan = std::move(scan), unit, &w](double x) -> std::optional<double> {
    long double y = 0;
    // A curve plotted in one angle unit is never drawn in another.
    if (w.Unit() != unit || !scan->Sample(x, y) || !(std::fabs(y) <= static_cast<long double>(DBL_MAX)))
      return std::nullopt;
    return static_cast<double>(y);
  });
}

void Plotting::Button14Click() {
  ProgressWindow& progress = w_.ui.progress;
  try {
    plot();
  } catch (...) {
    // No failure leaves the progress window over the boxes.
    progress.Hide();
    throw;
  }
}

void Plotting::plot() {
  w_.ClearResults();
  ProgressWindow& progress = w_.ui.progress;
  progress.Show();
  InputDialogs& dialogs = w_.ui.dialogs;
  const std::string caption("Grafik Değerleri"_cp);
  const int32_t xmin = TextToInt(dialogs.InputBox(caption, std::string("Lütfen x'in minimum değerini giriniz."_cp), "-100"));
  const int32_t xmax = TextToInt(dialogs.InputBox(caption, std::string("Lütfen x'in maksimum değerini giriniz."_cp), "100"));
  const int32_t ymin = TextToInt(dialogs.InputBox(caption, std::string("Lütfen y'nin minimum değerini giriniz."_cp), "-500"));
  const int32_t ymax = TextToInt(dialogs.InputBox(caption, std::string("Lütfen y'nin maksimum değerini giriniz."_cp), "500"));

  PlotWindow& plot = plot_;
  ChartModel& chart = plot.Chart1();
  chart.SetBottomRange(xmin, xmax);
  chart.SetLeftRange(ymin, ymax);
  ProgressBar& bar = progress.ProgressBar1;
  bar.SetRange(xmin, xmax);
  // Each scan shows its own progress: the bar starts at the new minimum.
  bar.SetPosition(xmin);
  // Each plot shows its own curve, not one merged with the points of an
  // earlier plot.
  chart.Clear();

  auto scan = std::make_shared<PointScan>(calc_);
  progress.BeginScan();
  for (long long x = xmin; x <= xmax; ++x) {
    try {
      chart.AddXY(static_cast<double>(x), PointAt(*scan, x, x == xmax), {}, 0);
    } catch (const EngineError& e) {
      if (!undefinedPoint(e)) throw;
      chart.AddUndefined(static_cast<double>(x));
    }
    bar.StepBy(1);
    progress.Tick();
    // "Durdur": the plot window shows the points so far.
    const bool stopped = x < xmax && progress.StopRequested();
    if (x == xmax || stopped) {
      chart.Compact();
      setSampler(chart, std::move(scan));
      w_.Memo2.Clear();
      if (stopped) w_.Memo2.AddLine(StoppedLine(x));
      progress.Hide();
      plot.Show();
      return;
    }
  }
}

}  // namespace velsira
