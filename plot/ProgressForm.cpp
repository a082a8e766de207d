// The progress window, its bar and its "Durdur" button. While a scan runs
// the window updates itself at most about 30 times a second, from the
// scan's ticks; in between nothing of the toolkit runs, so a scan in the
// window costs about what it costs in velsira-batch. Clicks and keys meant
// for other windows during a scan are dropped, never replayed afterwards.
#include "plot/ProgressForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <climits>
#include <cmath>

#include "ui/Look.h"

namespace velsira {

namespace {

// The windows handle their events, and the bar is updated, at most once in
// this interval while a scan runs: about 30 times a second.
constexpr int kPumpIntervalMs = 33;
// The clock is read once in this many points.
constexpr int kTicksPerClockRead = 16;
// The estimate shows when a scan will take longer than this.
constexpr double kLongScanSeconds = 2.0;

int toInt(long v) { return static_cast<int>(std::clamp<long>(v, INT_MIN, INT_MAX)); }

// Whether an event is the user's input: clicks, keys, the wheel, touches.
bool isUserInput(const QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::InputMethod:
      return true;
    default:
      return false;
  }
}

// "1 dk 5 sn", "12 sn".
QString durationText(double seconds) {
  const long long s = std::llround(std::max(0.0, seconds));
  if (s < 60) return QStringLiteral("%1 sn").arg(s);
  if (s < 3600) return QStringLiteral("%1 dk %2 sn").arg(s / 60).arg(s % 60);
  return QStringLiteral("%1 sa %2 dk").arg(s / 3600).arg((s % 3600) / 60);
}

}  // namespace

void DesktopProgressWindow::Show() {
  visible_ = true;
  if (view_) view_->ShowCentred();
}

void DesktopProgressWindow::Hide() {
  visible_ = false;
  if (view_) view_->HideNow();
}

void DesktopProgressWindow::Tick() {
  if (view_) view_->tick();
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
      bar_(new QProgressBar(this)),
      estimate_(new QLabel(this)),
      stop_(new QPushButton(QStringLiteral("Durdur"), this)) {
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

  estimate_->setObjectName(QStringLiteral("Estimate"));
  estimate_->setGeometry(8, 8, 329, 20);
  estimate_->setAlignment(Qt::AlignCenter);
  QPalette labelPalette = estimate_->palette();
  labelPalette.setColor(QPalette::WindowText, Qt::white);
  estimate_->setPalette(labelPalette);
  estimate_->hide();

  stop_->setObjectName(QStringLiteral("Durdur"));
  stop_->setGeometry(135, 61, 75, 23);
  stop_->setAutoDefault(false);
  connect(stop_, &QPushButton::clicked, this, [this] { model_.RequestStop(); });

  refresh();
  // Outside a scan the bar follows its model at once; during one, at most
  // once an interval (see tick).
  model_.ProgressBar1.onChanged = [this] {
    pending_ = true;
    if (!isVisible() || sincePump_.elapsed() >= kPumpIntervalMs) refresh();
  };
  sincePump_.start();
  sinceStart_.start();
}

TForm4::~TForm4() { model_.ProgressBar1.onChanged = nullptr; }

void TForm4::ShowCentred() {
  if (!isVisible()) {
    show();
    centreOver(this, mainWindow_);
  }
  raise();
  estimate_->hide();
  sinceStart_.restart();
  refresh();
  pumpEvents();
}

void TForm4::HideNow() {
  refresh();
  hide();
}

void TForm4::tick() {
  if (--ticksToClock_ > 0) return;
  ticksToClock_ = kTicksPerClockRead;
  if (sincePump_.elapsed() < kPumpIntervalMs) return;
  refresh();
  showEstimate();
  pumpEvents();
}

void TForm4::refresh() {
  pending_ = false;
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
}

void TForm4::showEstimate() {
  const ProgressBar& model = model_.ProgressBar1;
  const double total = static_cast<double>(model.Max()) - static_cast<double>(model.Min()) + 1;
  const double done = static_cast<double>(model.Position()) - static_cast<double>(model.Min());
  const double elapsed = static_cast<double>(sinceStart_.elapsed()) / 1000;
  if (done <= 0 || elapsed <= 0) return;
  const double left = elapsed / done * (total - done);
  if (elapsed + left <= kLongScanSeconds) return;
  const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
  estimate_->setText(QStringLiteral("%1 / %2 nokta, kalan süre yaklaşık %3")
                         .arg(turkish.toString(static_cast<qlonglong>(done)),
                              turkish.toString(static_cast<qlonglong>(total)), durationText(left)));
  estimate_->show();
}

void TForm4::pumpEvents() {
  qApp->installEventFilter(this);
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  qApp->removeEventFilter(this);
  sincePump_.restart();
}

bool TForm4::eventFilter(QObject* watched, QEvent* event) {
  if (isUserInput(event)) {
    // Only this window answers while a scan runs.
    auto* widget = qobject_cast<QWidget*>(watched);
    const bool here = (widget && (widget == this || isAncestorOf(widget))) || watched == static_cast<QObject*>(windowHandle());
    if (!here) return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TForm4::reject() {
  model_.RequestStop();
  QDialog::reject();
}

void TForm4::closeEvent(QCloseEvent* event) {
  model_.RequestStop();
  QDialog::closeEvent(event);
}

}  // namespace velsira
