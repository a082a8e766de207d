// Recording versions of the windowing side, for velsira-batch and the tests:
// message boxes are recorded, input dialogs answer from a script, windows
// remember whether they are shown.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "engine/Platform.h"
#include "model/PlotWindow.h"

namespace velsira {

class RecordingMessages : public MessageBoxes {
 public:
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  void ShowError(const std::string& text) override { error = text; }

  std::vector<std::string> messages;  // plain message boxes, in order
  std::optional<std::string> error;   // the error box, if one was shown
};

// One asked dialog: its caption, prompt and default text.
struct AskedDialog {
  std::string caption;
  std::string prompt;
  std::string defaultText;
};

class ScriptedDialogs : public InputDialogs {
 public:
  std::string InputBox(const std::string& caption, const std::string& prompt,
                       const std::string& defaultText) override {
    asked.push_back({caption, prompt, defaultText});
    if (answers.empty()) return defaultText;
    std::optional<std::string> answer = answers.front();
    answers.pop_front();
    return answer ? *answer : defaultText;  // no answer is Cancel
  }

  std::deque<std::optional<std::string>> answers;
  std::vector<AskedDialog> asked;
};

// A window that only remembers whether it is shown.
template <typename Window>
class RecordingWindow : public Window {
 public:
  void Show() override { visible_ = true; }
  void Hide() override { visible_ = false; }
  bool Visible() const override { return visible_; }

 private:
  bool visible_ = false;
};

// The progress window, counting the points of a scan; a test can press
// "Durdur" after a given number of them.
class RecordingProgressWindow : public RecordingWindow<ProgressWindow> {
 public:
  void Tick() override {
    if (++ticks == stopAtTick) RequestStop();
  }
  long long ticks = 0;
  long long stopAtTick = 0;  // 0: never
};
using RecordingPlotWindow = RecordingWindow<PlotWindow>;

// The whole recording side with its Platform bundle.
struct RecordingPlatform {
  RecordingPlatform() = default;
  RecordingPlatform(const RecordingPlatform&) = delete;
  RecordingPlatform& operator=(const RecordingPlatform&) = delete;

  RecordingMessages messages;
  ScriptedDialogs dialogs;
  RecordingProgressWindow progress;
  RecordingPlotWindow plot;
  Platform platform{{messages, dialogs, progress}, plot};
};

}  // namespace velsira
