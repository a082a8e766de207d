// What the drivers ask of the windowing side: message boxes, input dialogs
// and the progress window. The desktop program supplies Qt versions; tests
// and velsira-batch supply recording ones.
// The component names (Form1, Memo13, Button14Click ...): docs/glossary.md.
#pragma once

#include <functional>
#include <string>

namespace velsira {

// The application title, the caption of every message box.
inline constexpr const char* kApplicationTitle = "Velsira";

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // A plain modal message box with one button, «Tamam» (warnings and hints).
  virtual void ShowMessage(const std::string& text) = 0;
  // The modal error box with the error icon; text is already presented
  // (full-stop rule applied), as the engine raised it. The desktop program
  // shows its Turkish text (TurkishMessage, engine/Messages.h).
  virtual void ShowError(const std::string& text) = 0;
};

class InputDialogs {
 public:
  virtual ~InputDialogs() = default;
  // A modal input dialog with an edit box holding defaultText and the buttons
  // «Tamam» and «İptal»; «İptal» returns defaultText.
  virtual std::string InputBox(const std::string& caption, const std::string& prompt,
                               const std::string& defaultText) = 0;
};

// ProgressBar1 of the progress window.
class ProgressBar {
 public:
  long Min() const { return min_; }
  long Max() const { return max_; }
  long Position() const { return position_; }
  // Replaces the range as a whole; a maximum below the minimum is refused
  // with "TProgressBar property out of range". The position is kept, held
  // inside the new range.
  void SetRange(long min, long max);
  // Sets the position, held inside the range.
  void SetPosition(long position);
  // Advances the position by delta, held inside the range.
  void StepBy(long delta) { SetPosition(position_ + delta); }
  // Called after every change, so that a view can repaint.
  std::function<void()> onChanged;

 private:
  long min_ = 0;
  long max_ = 200;
  long position_ = 0;
};

// Form4, the progress window "Lütfen Bekleyiniz...", with its "Durdur"
// button. A scan calls Tick once per point and ends at the next point once
// a stop was asked.
class ProgressWindow {
 public:
  virtual ~ProgressWindow() = default;
  virtual void Show() = 0;
  virtual void Hide() = 0;
  virtual bool Visible() const = 0;
  // Called once per point of a scan: a window shows the progress and
  // answers "Durdur" now and then. Nothing by default.
  virtual void Tick() {}
  // Asks the running scan to stop ("Durdur", Escape, closing the main window).
  void RequestStop() { stopRequested_ = true; }
  // Whether a stop was asked since the scan began.
  bool StopRequested() const { return stopRequested_; }
  // A scan begins: no stop asked.
  void BeginScan() { stopRequested_ = false; }
  ProgressBar ProgressBar1;

 private:
  bool stopRequested_ = false;
};

// The line a stopped scan adds to the result box: "Durduruldu: son taranan
// değer x = 57".
std::string StoppedLine(long long lastX);

// The windowing side the engine's drivers use, as one bundle. The main-window
// model adds the plot window to it (model/PlotWindow.h).
struct EngineUi {
  MessageBoxes& messages;
  InputDialogs& dialogs;
  ProgressWindow& progress;
};

}  // namespace velsira
