// The plot window: the chart and the "Tamam" button that hides the window.
#include "plot/PlotForm.h"

#include "ui/Look.h"
#include "plot/ProgressForm.h"

namespace velsira {

void DesktopPlotWindow::Show() {
  visible_ = true;
  if (view_) view_->ShowCentred();
}

void DesktopPlotWindow::Hide() {
  visible_ = false;
  if (view_) view_->hide();
}

bool DesktopPlotWindow::Visible() const { return view_ ? view_->isVisible() : visible_; }

TForm3::TForm3(PlotWindow& model, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint),
      mainWindow_(mainWindow),
      chart_(new LineChart(model.Chart1(), this)),
      button1_(new QPushButton(QStringLiteral("Tamam"), this)) {
  setObjectName(QStringLiteral("Form3"));
  setWindowTitle(QStringLiteral("Grafik Oluşturucu"));
  // The designed size is the smallest; the chart grows with the window.
  setMinimumSize(651, 530);
  resize(651, 530);
  setFont(look::defaultFont());
  QPalette pal = palette();
  pal.setColor(QPalette::Window, look::kActiveCaptionGradient);
  setPalette(pal);
  setAutoFillBackground(true);

  chart_->setObjectName(QStringLiteral("Chart1"));
  chart_->setGeometry(8, 8, 640, 480);
  button1_->setObjectName(QStringLiteral("Button1"));
  button1_->setGeometry(240, 496, 177, 25);
  button1_->setAutoDefault(true);
  // Button1Click: "Tamam" only hides the window; the points stay.
  connect(button1_, &QPushButton::clicked, this, &QWidget::hide);
}

void TForm3::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  chart_->setGeometry(8, 8, width() - 11, height() - 50);
  button1_->move(240 + (width() - 651) / 2, height() - 34);
}

void TForm3::ShowCentred() {
  if (!isVisible()) {
    show();
    centreOver(this, mainWindow_);
  }
  raise();
  activateWindow();
}

}  // namespace velsira
