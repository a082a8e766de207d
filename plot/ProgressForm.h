// Form4, the progress window "Lütfen Bekleyiniz...": the window the drivers
// show while they scan, and its bar.
// The component names (Form1, Memo13, Button14Click ...): docs/glossary.md.
#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QProgressBar>

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
  // Shows the window, not modal, centred over the main window.
  void ShowCentred();

 private:
  // Copies the bar model into the widget; while the window is shown, lets
  // the windows repaint now and then (no user input is handled meanwhile).
  void refresh();

  ProgressWindow& model_;
  QPointer<QWidget> mainWindow_;
  QProgressBar* bar_;
  QElapsedTimer sinceRepaint_;
};

// Places a window centred over another (over the screen when there is none).
void centreOver(QWidget* window, QWidget* over);

}  // namespace velsira
