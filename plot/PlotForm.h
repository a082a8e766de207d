// Form3, the plot window "Grafik Oluşturucu" with the chart Chart1.
// The component names (Form1, Memo13, Button14Click ...): docs/glossary.md.
#pragma once

#include <QDialog>
#include <QPointer>
#include <QPushButton>

#include "chart/LineChart.h"
#include "model/PlotWindow.h"

namespace velsira {

class TForm3;

// Form3 as the drivers see it: the chart's model and Show/Hide, passed on to
// the window once it exists.
class DesktopPlotWindow : public PlotWindow {
 public:
  void Show() override;
  void Hide() override;
  bool Visible() const override;
  void attach(TForm3* view) { view_ = view; }

 private:
  QPointer<TForm3> view_;
  bool visible_ = false;
};

class TForm3 : public QDialog {
  Q_OBJECT

 public:
  // The window over mainWindow, its chart showing the chart model of model.
  TForm3(PlotWindow& model, QWidget* mainWindow);

  LineChart* Chart1() const { return chart_; }
  QPushButton* Button1() const { return button1_; }
  // Shows the window, not modal, centred over the main window.
  void ShowCentred();

 protected:
  // The chart fills the window above the centred "Tamam" button.
  void resizeEvent(QResizeEvent* event) override;

 private:
  QPointer<QWidget> mainWindow_;
  LineChart* chart_;
  QPushButton* button1_;
};

}  // namespace velsira
