// The progress window and its bar.
#include "plot/ProgressForm.h"

#include <QCoreApplication>
#include <QScreen>
#include <algorithm>
#include <climits>

#include "ui/Look.h"

namespace velsira {

namespace {

// The bar repaints at once on every visible change; the rest of the windows
// get their paint events at this interval.
constexpr int kRepaintIntervalMs = 40;

int toInt(long v) { return static_cast<int>(std::clamp<long>(v, INT_MIN, INT_MAX)); }

}  // namespace

void DesktopProgressWindow::Show() {
  visible_ = true;
  if (view_) view_->ShowCentred();
}

void DesktopProgressWindow::Hide() {
  visible_ = false;
  if (view_) view_->hide();
}

bool DesktopProgressWindow::Visible() const { return view_ ? view_->isVisible() : visible_; }

void centreOver(QWidget* window, QWidget* over) {
  QRect area;
  if (over && over->isVisible()) {
    area = over->frameGeometry();
  } else if (QScreen* screen = window->screen()) {
    area = screen->availableGeometry();
  }
  if (area.isNull()) return;
  const QRect frame = window->frameGeometry();
  window->move(area.center() - QPoint(frame.width() / 2, frame.height() / 2));
}

TForm4::TForm4(ProgressWindow& model, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::MSWindowsFixedSizeDialogHint),
      model_(model),
      mainWindow_(mainWindow),
      bar_(new QProgressBar(this)) {
  setObjectName(QStringLiteral("Form4"));
  setWindowTitle(QStringLiteral("Lütfen Bekleyiniz..."));
  setFixedSize(345, 88);
  setFont(look::defaultFont());
  QPalette pal = palette();
  pal.setColor(QPalette::Window, look::kPurple);
  setPalette(pal);
  setAutoFillBackground(true);

  // FormCreate: black background, yellow bar.
  bar_->setObjectName(QStringLiteral("ProgressBar1"));
  bar_->setGeometry(40, 32, 257, 25);
  bar_->setTextVisible(false);
  bar_->setStyleSheet(QStringLiteral(
      "QProgressBar { background-color: rgb(0, 0, 0); border: 1px solid rgb(160, 160, 160); }"
      "QProgressBar::chunk { background-color: rgb(255, 255, 0); }"));
  refresh();
  model_.ProgressBar1.onChanged = [this] { refresh(); };
  sinceRepaint_.start();
}

TForm4::~TForm4() { model_.ProgressBar1.onChanged = nullptr; }

void TForm4::ShowCentred() {
  if (!isVisible()) {
    show();
    centreOver(this, mainWindow_);
  }
  raise();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  sinceRepaint_.restart();
}

void TForm4::refresh() {
  const ProgressBar& model = model_.ProgressBar1;
  const int min = toInt(model.Min()), max = toInt(model.Max());
  if (min == max) {
    // A range of one value shows a full bar (Qt would read 0 .. 0 as "busy").
    if (bar_->minimum() != 0 || bar_->maximum() != 1) bar_->setRange(0, 1);
    bar_->setValue(1);
  } else {
    if (bar_->minimum() != min || bar_->maximum() != max) bar_->setRange(min, max);
    bar_->setValue(toInt(model.Position()));
  }
  if (isVisible() && sinceRepaint_.elapsed() >= kRepaintIntervalMs) {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    sinceRepaint_.restart();
  }
}

}  // namespace velsira
