// Form1, the main window "Velsira Version 1.0": the widgets that show the
// main-window model, its input pad and its operation buttons.
// The component names (Form1, Memo13, Button14Click ...): docs/glossary.md.
#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "algebra/Conversion.h"
#include "app/TextBox.h"
#include "model/Form1.h"
#include "model/Operations.h"

namespace velsira {

class Form1Window : public QWidget {
  Q_OBJECT

 public:
  // The window over model; it runs FormCreate's caret placement by showing
  // the model as it stands.
  explicit Form1Window(TForm1& model, QWidget* parent = nullptr);
  ~Form1Window() override;

  TextBox* Memo1() const { return memo1_; }
  TextBox* Memo2() const { return memo2_; }
  QLineEdit* Edit1() const { return edit1_; }
  QRadioButton* RadioButton(int k) const { return radio_.at(static_cast<size_t>(k - 1)); }
  // A button of the window by component name ("Button7", "SpeedButton1", ...).
  QAbstractButton* button(std::string_view name) const;

  // Runs a click handler of the model as the event loop does: the widgets'
  // texts and selection go to the model first, the model comes back after;
  // an error is shown in the error box. A click while a handler runs is
  // ignored, so no handler runs inside another.
  void run(const std::function<void()>& handler);
  // Runs an operation button's handler. When the operation refuses the
  // input box's text and op's syntax holds its reading as ordinary
  // notation, it runs on the converted text instead, the line under the
  // boxes says so, and Ctrl+Z in the input box brings back the typed text.
  void runOperation(const Operation& operation);
  QLabel* ConversionLine() const { return conversion_; }
  // The line under the result box: the simplified answer and its check.
  QLabel* AnswerLine() const { return answer_; }
  // The widgets' state into the model: texts (CR LF line breaks, code
  // page 1254) and the input box's selection.
  void pushToModel();
  // The model into the widgets: texts, selection, display set, angle unit.
  void pullFromModel();
  // Lines of text as the input box displays them (wrapped at its width),
  // in code page 1254. A line long enough to be shown in pieces also
  // breaks where a piece ends.
  std::vector<std::string> displayedLines(const std::string& text);

 protected:
  void closeEvent(QCloseEvent* event) override;
  // Scales every control's designed geometry to the window's size.
  void resizeEvent(QResizeEvent* event) override;

 private:
  void buildBoxes();
  void buildOperationButtons();
  void buildPad();
  void buildRadioButtons();
  // Records each control's geometry at the designed size.
  void keepDesignedGeometry();
  // Tab goes through the controls in reading order of the designed layout.
  void arrangeTabOrder();
  // Shows the simplified answer of the operation called op and its check
  // against input, the text it ran on; clears the line for an operation
  // that failed or gives no such answer.
  void showAnswer(std::string_view op, const std::string& input, bool succeeded);

  TForm1& model_;
  TextBox* memo1_ = nullptr;
  TextBox* memo2_ = nullptr;
  QLineEdit* edit1_ = nullptr;
  QLabel* label1_ = nullptr;
  QLabel* label2_ = nullptr;
  QLabel* conversion_ = nullptr;
  QLabel* answer_ = nullptr;
  std::array<QRadioButton*, 3> radio_{};
  // Each control with its geometry at the designed size (707 x 467).
  std::vector<std::pair<QPointer<QWidget>, QRect>> designed_;
  // The result box as last shown from the model, and through which set.
  QString shownResult_;
  ResultBox::Charset shownCharset_ = ResultBox::Charset::Turkish;
  bool running_ = false;
  bool closePending_ = false;
};

}  // namespace velsira
