// Chart1: the view of a ChartModel. Draws the title, the two titled axes with
// their fixed ranges, a light grid and the series as segments joined in x
// order, each in its point's colour, cut off at the border of the plotting
// area, broken where the model marks a gap, with the model's note under it.
// Right-click menu and shortcuts save the picture, copy it or fit the y axis
// to the curve ("Y eksenini sığdır", Ctrl+F); a tooltip
// names the point nearest to the mouse.
#pragma once

#include <QAction>
#include <QImage>
#include <QRectF>
#include <QString>
#include <QWidget>
#include <array>
#include <vector>

#include "model/ChartModel.h"

class QPainter;

namespace velsira {

// Asks where to save the picture of the chart. The desktop program asks with
// a file dialog; tests answer it themselves.
class ImageFileDialog {
 public:
  virtual ~ImageFileDialog() = default;
  // The chosen file name, or an empty text when the user cancelled.
  virtual QString AskSaveFileName(QWidget* parent, const QString& caption, const QString& filters) = 0;
};

// The file dialog of the toolkit.
class QtImageFileDialog : public ImageFileDialog {
 public:
  QString AskSaveFileName(QWidget* parent, const QString& caption, const QString& filters) override;
};

class LineChart : public QWidget {
  Q_OBJECT

 public:
  explicit LineChart(ChartModel& model, QWidget* parent = nullptr);
  ~LineChart() override;

  ChartModel& Model() const { return model_; }

  // Draws the whole chart into a target of the given size.
  void render(QPainter& painter, QSize size) const;
  // The chart as a picture of the widget's size.
  QImage toImage() const;
  // The plotting area of a chart of the given size: the curve never leaves it.
  QRectF plotArea(QSize size) const;

  // Writes the picture: SVG for a name ending in ".svg", PNG otherwise (a
  // name without a suffix gets ".png"). False when the file cannot be written.
  bool saveTo(const QString& fileName) const;
  // "Resmi Kaydet...": asks for a file name and saves there.
  void saveImage();
  // "Panoya Kopyala": puts the picture on the clipboard.
  void copyToClipboard() const;

  // The tooltip text at a place of the widget ("x = 12, y = 144"), empty
  // when no point is near.
  QString toolTipAt(QPointF pos) const;

  void setFileDialog(ImageFileDialog* dialog) { fileDialog_ = dialog; }
  QAction* saveAction() const { return save_; }
  QAction* copyAction() const { return copy_; }
  QAction* fitAction() const { return fit_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  bool event(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  struct Layout;
  Layout layoutFor(QSize size) const;
  // The steps of render: the title, the grid with ticks and labels, the
  // axis titles and the curve.
  void drawTitle(QPainter& painter, const Layout& l) const;
  void drawGrid(QPainter& painter, const Layout& l) const;
  void drawAxisTitles(QPainter& painter, const Layout& l, QSize size) const;
  void drawCurve(QPainter& painter, const Layout& l) const;
  // The indices of the points the curve joins.
  std::vector<size_t> shownPoints(const Layout& l) const;
  // Gives the model the pixel columns of the plotting area, when the axes
  // or the size changed since the last time, or always.
  void syncColumns(bool always);

  ChartModel& model_;
  QtImageFileDialog qtDialog_;
  ImageFileDialog* fileDialog_ = &qtDialog_;
  QAction* save_;
  QAction* copy_;
  QAction* fit_;
  std::array<double, 7> columnsFor_{};  // the axis ranges, size and note the model's columns were set for
};

}  // namespace velsira
