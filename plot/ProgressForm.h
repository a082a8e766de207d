// Form4, the progress window "Lütfen Bekleyiniz...": the window the drivers
// show while they scan, and its bar.
// The component names (Form1, Memo13, Button14Click ...): docs/glossary.md.
#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>

#include "engine/Platform.h"

namespace velsira {

class TForm4;

// Form4 as the drivers see it: ProgressBar1's model and Show/Hide, passed
// on to the window once it exists.
class DesktopProgressWindow : public ProgressWindow {
 public:
  void Show() override;
  void Hide() override;
  bool Visible() const override;
  void Tick() override;
  void attach(TForm4* view) { view_ = view; }

 private:
  QPointer<TForm4> view_;
  bool visible_ = false;
};

class TForm4 : public QDialog {
  Q_OBJECT

 public:
  // The window over mainWindow, showing the bar of model.
  TForm4(ProgressWindow& model, QWidget* mainWindow);
  ~TForm4() override;

  QProgressBar* ProgressBar1() const { return bar_; }
  // "Durdur": asks the running scan to stop.
  QPushButton* StopButton() const { return stop_; }
  // Points done and the estimated time left, shown when a scan takes long.
  QLabel* Estimate() const { return estimate_; }
  // Shows the window, not modal, centred over the main window.
  void ShowCentred();
  // Hides the window with the bar as the model holds it.
  void HideNow();
  // One point of a scan done: at most about 30 times a second the bar and
  // the estimate are updated and the windows handle their events, with
  // clicks and keys anywhere but in this window dropped.
  void tick();

 protected:
  // Escape, and closing the window, ask a running scan to stop and hide
  // the window.
  void reject() override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Copies the bar model into the widget.
  void refresh();
  // The points done and the time left, when the scan will take over 2 s.
  void showEstimate();
  // Lets the windows repaint and this window answer, dropping user input
  // meant for any other window.
  void pumpEvents();

  ProgressWindow& model_;
  QPointer<QWidget> mainWindow_;
  QProgressBar* bar_;
  QLabel* estimate_;
  QPushButton* stop_;
  QElapsedTimer sincePump_;   // since the windows last handled their events
  QElapsedTimer sinceStart_;  // since the window was shown
  bool pending_ = false;      // the bar model changed since the widget was updated
  int ticksToClock_ = 0;      // points until the clock is read again
};

// Places a window centred over another (over the screen when there is none).
void centreOver(QWidget* window, QWidget* over);

}  // namespace velsira
