// The main window: every control at its place (scaled with the window when
// it grows), the boxes as views of the model, and one way of running a
// click handler.
#include "app/Form1Window.h"

#include <algorithm>
#include <cmath>

#include <QCloseEvent>
#include <QResizeEvent>
#include <QPlainTextDocumentLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QToolButton>

#include "algebra/Answer.h"
#include "algebra/Conversion.h"
#include "algebra/Reader.h"
#include "app/BoxText.h"
#include "model/InputConversion.h"
#include "ui/Look.h"
#include "ui/PadPictures.h"
#include "engine/Cp1254.h"
#include "engine/Text.h"
#include "model/Operations.h"

namespace velsira {

namespace {

// The client area of the window; with the frame it is 715 x 494.
constexpr int kClientWidth = 707;
constexpr int kClientHeight = 467;

QString caption(std::string_view cp1254) { return toWidgetText(cp1254); }
QString componentName(std::string_view name) {
  return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// A click handler of the main-window model.
using Handler = void (TForm1::*)();
// The typed text read as ordinary notation and written in op's syntax, in
// the engine's code page with CR LF; nullopt when it cannot be.
InputConverter converterOf(const QString& typed, algebra::Operation op) {
  return [typed, op]() -> std::optional<std::string> {
    try {
      const std::string text = algebra::ToProgramSyntax(algebra::Read(typed.toStdString()), op);
      return utf8ToCp1254(replaceAll(text, "\n", "\r\n"));
    } catch (const std::runtime_error&) {
      return std::nullopt;
    }
  };
}


void setColours(QWidget* w, QPalette::ColorRole role, const QColor& background,
                QPalette::ColorRole textRole, const QColor& text) {
  QPalette pal = w->palette();
  pal.setColor(role, background);
  pal.setColor(textRole, text);
  w->setPalette(pal);
}

}  // namespace

Form1Window::Form1Window(TForm1& model, QWidget* parent) : QWidget(parent), model_(model) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QString::fromUtf8(TForm1::kCaption.data(),
                                   static_cast<qsizetype>(TForm1::kCaption.size())));
  setFont(look::defaultFont());
  // The designed size is the smallest; a larger window scales every control.
  setMinimumSize(kClientWidth, kClientHeight);
  resize(kClientWidth, kClientHeight);
  move(219, 179);
  setColours(this, QPalette::Window, look::kPurple, QPalette::WindowText, Qt::black);
  setAutoFillBackground(true);

  buildBoxes();  // first, so the input box is first in tab order
  buildOperationButtons();
  buildPad();
  buildRadioButtons();
  keepDesignedGeometry();
  arrangeTabOrder();

  model_.Memo1.SetLineLayout([this](const std::string& text) { return displayedLines(text); });
  pullFromModel();
  memo1_->setFocus();
}

Form1Window::~Form1Window() { model_.Memo1.SetLineLayout(nullptr); }

void Form1Window::buildBoxes() {
  memo1_ = new TextBox(this);
  memo1_->setObjectName(QStringLiteral("Memo1"));
  memo1_->setGeometry(16, 88, 305, 201);
  memo1_->setFont(look::arial(16));
  memo1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  memo1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  memo1_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  memo1_->setTabChangesFocus(true);
  setColours(memo1_, QPalette::Base, look::kTooltip, QPalette::Text, Qt::black);

  memo2_ = new TextBox(this);
  memo2_->setObjectName(QStringLiteral("Memo2"));
  memo2_->setGeometry(336, 88, 321, 201);
  memo2_->setFont(look::arial(16));
  memo2_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  memo2_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo2_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  memo2_->setTabChangesFocus(true);
  // The operations write the result box; the user selects and copies from it.
  memo2_->setReadOnly(true);
  memo2_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  setColours(memo2_, QPalette::Base, look::kTooltip, QPalette::Text, look::kNavy);

  label1_ = new QLabel(caption("İşlem Girişi"_cp), this);
  label1_->setObjectName(QStringLiteral("Label1"));
  label1_->setGeometry(16, 72, 305, 13);
  label2_ = new QLabel(QStringLiteral("Sonuç"), this);
  label2_->setObjectName(QStringLiteral("Label2"));
  label2_->setGeometry(336, 72, 321, 13);
  for (QLabel* label : {label1_, label2_}) {
    label->setAutoFillBackground(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setColours(label, QPalette::Window, look::kInactiveCaptionGradient, QPalette::WindowText,
               Qt::black);
  }

  // The line under the boxes that says when the input was converted.
  conversion_ = new QLabel(this);
  conversion_->setObjectName(QStringLiteral("Label3"));
  conversion_->setGeometry(16, 436, 675, 18);
  setColours(conversion_, QPalette::Window, look::kPurple, QPalette::WindowText, Qt::white);

  // The line under the result box: the simplified answer and its check.
  answer_ = new QLabel(this);
  answer_->setObjectName(QStringLiteral("Label4"));
  answer_->setGeometry(336, 291, 321, 18);
  answer_->setTextFormat(Qt::PlainText);
  setColours(answer_, QPalette::Window, look::kPurple, QPalette::WindowText, Qt::white);

  edit1_ = new QLineEdit(this);
  edit1_->setObjectName(QStringLiteral("Edit1"));
  edit1_->setGeometry(16, 376, 97, 21);
}

void Form1Window::buildOperationButtons() {
  for (const Operation& op : kOperations) {
    auto* button = new QPushButton(caption(op.caption), this);
    button->setObjectName(componentName(op.button));
    button->setGeometry(op.x, op.y, op.width, op.height);
    // Enter and Return press the focused button, as the space bar does.
    button->setAutoDefault(true);
    // "h(x)" and "Limit" stand with the pad and leave the caret in the input box.
    if (op.button == "Button12" || op.button == "Button18") button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QPushButton::clicked, this, [this, &op] { runOperation(op); });
  }
}

void Form1Window::buildPad() {
  for (const PadKey& key : TForm1::PadKeys()) {
    QAbstractButton* button;
    if (key.caption.empty()) {
      auto* picture = new QToolButton(this);
      picture->setIcon(QIcon(padPicture(key.name)));
      picture->setIconSize(kPadPictureSize);
      picture->setToolButtonStyle(Qt::ToolButtonIconOnly);
      picture->setToolTip(caption(key.inserted));
      button = picture;
    } else {
      auto* push = new QPushButton(caption(key.caption), this);
      push->setAutoDefault(false);
      button = push;
    }
    button->setObjectName(componentName(key.name));
    button->setGeometry(key.x, key.y, key.width, key.height);
    // Pad buttons leave the focus, and so the caret, in the input box.
    button->setFocusPolicy(Qt::NoFocus);
    const std::string_view name = key.name;
    connect(button, &QAbstractButton::clicked, this,
            [this, name] { run([this, name] { model_.PadClick(name); }); });
  }
}

void Form1Window::buildRadioButtons() {
  const std::array<velsira::RadioButton*, 3> models = {&model_.RadioButton1, &model_.RadioButton2,
                                              &model_.RadioButton3};
  const std::array<Handler, 3> handlers = {&TForm1::RadioButton1Click, &TForm1::RadioButton2Click,
                                           &TForm1::RadioButton3Click};
  const int xs[3] = {528, 584, 648};
  for (int k = 0; k < 3; ++k) {
    auto* radio = new QRadioButton(caption(models[k]->Caption), this);
    radio->setObjectName(QStringLiteral("RadioButton%1").arg(k + 1));
    radio->setGeometry(xs[k], 16, 57, 25);
    // The model keeps exactly one checked; the widgets show it.
    radio->setAutoExclusive(false);
    // White captions: the window text colour does not read on purple.
    setColours(radio, QPalette::Window, look::kPurple, QPalette::WindowText, Qt::white);
    radio->setStyleSheet(QStringLiteral("QRadioButton { spacing: 3px; }"));
    const Handler handler = handlers[k];
    connect(radio, &QRadioButton::clicked, this,
            [this, handler] { run([this, handler] { (model_.*handler)(); }); });
    radio_[k] = radio;
  }
}

void Form1Window::keepDesignedGeometry() {
  for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (!child->isWindow()) designed_.emplace_back(child, child->geometry());
}

void Form1Window::arrangeTabOrder() {
  // The controls Tab reaches, in reading order: by rows, then left to right.
  std::vector<std::pair<QWidget*, QRect>> reached;
  for (const auto& [child, rect] : designed_)
    if (child && (child->focusPolicy() & Qt::TabFocus)) reached.emplace_back(child, rect);
  std::stable_sort(reached.begin(), reached.end(), [](const auto& a, const auto& b) {
    return std::pair(a.second.y(), a.second.x()) < std::pair(b.second.y(), b.second.x());
  });
  for (size_t k = 1; k < reached.size(); ++k) setTabOrder(reached[k - 1].first, reached[k].first);
}

void Form1Window::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // Every control keeps its designed place and size in proportion to the
  // window, so the boxes grow with it.
  const double sx = static_cast<double>(width()) / kClientWidth;
  const double sy = static_cast<double>(height()) / kClientHeight;
  const auto x = [sx](int v) { return static_cast<int>(std::lround(v * sx)); };
  const auto y = [sy](int v) { return static_cast<int>(std::lround(v * sy)); };
  for (const auto& [child, r] : designed_) {
    if (!child) continue;
    child->setGeometry(QRect(QPoint(x(r.left()), y(r.top())), QPoint(x(r.right() + 1) - 1, y(r.bottom() + 1) - 1)));
  }
}

QAbstractButton* Form1Window::button(std::string_view name) const {
  return findChild<QAbstractButton*>(componentName(name), Qt::FindDirectChildrenOnly);
}

void Form1Window::run(const std::function<void()>& handler) {
  if (running_) return;
  running_ = true;
  pushToModel();
  model_.Perform(handler);
  pullFromModel();
  running_ = false;
  if (closePending_) {
    closePending_ = false;
    close();
  }
}

void Form1Window::runOperation(const Operation& operation) {
  if (running_) return;
  const Handler handler = operation.click;
  const std::optional<algebra::Operation> op = algebra::OperationNamed(operation.name);
  std::optional<std::string> converted;
  QString typed;
  if (op) {
    pushToModel();
    typed = memo1_->text();
    converted = ConvertedInput(model_, handler, converterOf(typed, *op));
  }
  running_ = true;
  pushToModel();
  if (converted) {
    model_.Memo1.SetText(*converted);
    model_.Memo1.SetSelection(model_.Memo1.Length(), 0);
  }
  const std::string input = model_.Memo1.Text();
  const bool succeeded = model_.Perform([this, handler] { (model_.*handler)(); });
  if (converted) {
    // The box takes the text the operation leaves in one edit, which Ctrl+Z
    // takes back to what the user typed.
    QTextCursor all(memo1_->document());
    all.select(QTextCursor::Document);
    all.insertText(toWidgetText(model_.Memo1.Text()));
    conversion_->setText(caption("Girişiniz programın yazımına çevrildi: "_cp) + typed + QStringLiteral(" → ") +
                         toWidgetText(*converted).replace(QLatin1Char('\n'), QLatin1Char(' ')));
  } else {
    conversion_->clear();
  }
  pullFromModel();
  showAnswer(operation.name, input, succeeded);
  running_ = false;
  if (closePending_) {
    closePending_ = false;
    close();
  }
}

void Form1Window::showAnswer(std::string_view op, const std::string& input, bool succeeded) {
  answer_->clear();
  answer_->setToolTip({});
  std::optional<algebra::AnswerRequest> request = algebra::AnswerRequestFor(op, model_.Area().Unit());
  if (!request || !succeeded) return;
  const auto utf8 = [](const std::string& cp1254) { return cp1254ToUtf8(replaceAll(cp1254, "\r\n", "\n")); };
  request->input = utf8(input);
  std::string result;
  for (const std::string& line : model_.Memo2.Lines()) result += (result.empty() ? "" : "\n") + line;
  request->result = utf8(result);
  if (op == "at") request->atValue = utf8(model_.Edit1.Text);
  const algebra::Answer answer =
      algebra::SimplifyAndCheck(*request, [](std::string_view text) { return algebra::PlainOf(text); });
  if (!answer.simplified) return;
  QString verdict;
  QColor colour = Qt::white;
  switch (answer.check.status) {
    case algebra::CheckStatus::Ok:
      verdict = QStringLiteral("✓ doğrulandı");
      break;
    case algebra::CheckStatus::Wrong:
      verdict = QStringLiteral("✗ doğrulanamadı: ") + QString::fromStdString(answer.check.detail);
      colour = QColor(255, 96, 96);
      break;
    case algebra::CheckStatus::Unknown:
      verdict = QStringLiteral("denetlenemedi: ") + QString::fromStdString(answer.check.detail);
      break;
  }
  const QString line = QStringLiteral("Sade: ") + QString::fromStdString(*answer.simplified) +
                       QStringLiteral("  ") + verdict;
  setColours(answer_, QPalette::Window, look::kPurple, QPalette::WindowText, colour);
  answer_->setText(answer_->fontMetrics().elidedText(line, Qt::ElideRight, answer_->width()));
  answer_->setToolTip(line);
}

void Form1Window::pushToModel() {
  const QString text = memo1_->text();
  model_.Memo1.SetText(fromWidgetText(text));
  const QTextCursor cursor = memo1_->textCursor();
  const long start = toEngineOffset(text, memo1_->toTextPosition(cursor.selectionStart()));
  const long end = toEngineOffset(text, memo1_->toTextPosition(cursor.selectionEnd()));
  model_.Memo1.SetSelection(start, end - start);

  // The result box goes back only when the user has edited it, through the
  // set it is shown in.
  const QString result = memo2_->text();
  if (result != shownResult_) {
    model_.Memo2.SetText(shownCharset_ == ResultBox::Charset::Greek ? fromGreekWidgetText(result)
                                                                    : fromWidgetText(result));
    shownResult_ = result;
  }
  model_.Edit1.Text = fromWidgetText(edit1_->text());
}

void Form1Window::pullFromModel() {
  const QString text = toWidgetText(model_.Memo1.Text());
  if (!memo1_->shows(text)) memo1_->setText(text);
  const long selStart = model_.Memo1.SelStart();
  QTextCursor cursor(memo1_->document());
  cursor.setPosition(memo1_->toBoxPosition(toWidgetPosition(text, selStart)));
  cursor.setPosition(
      memo1_->toBoxPosition(toWidgetPosition(text, selStart + model_.Memo1.SelLength())),
      QTextCursor::KeepAnchor);
  memo1_->setTextCursor(cursor);

  shownCharset_ = model_.Memo2.DisplayCharset();
  const std::string result = model_.Memo2.Text();
  const QString shown = shownCharset_ == ResultBox::Charset::Greek ? toGreekWidgetText(result)
                                                                   : toWidgetText(result);
  if (!memo2_->shows(shown)) memo2_->setText(shown);
  shownResult_ = shown;

  const QString edit = toWidgetText(model_.Edit1.Text);
  if (edit1_->text() != edit) edit1_->setText(edit);

  const std::array<const velsira::RadioButton*, 3> models = {&model_.RadioButton1, &model_.RadioButton2,
                                                    &model_.RadioButton3};
  for (size_t k = 0; k < 3; ++k) radio_[k]->setChecked(models[k]->Checked);
}

std::vector<std::string> Form1Window::displayedLines(const std::string& text) {
  // The box shows the text the engine reads, as the engine's own box would.
  const QString wanted = toWidgetText(text);
  if (!memo1_->shows(wanted)) memo1_->setText(wanted);
  auto* layout = qobject_cast<QPlainTextDocumentLayout*>(memo1_->document()->documentLayout());
  // Until the window is shown the box has no width to wrap at.
  if (!layout || !memo1_->isVisible()) return splitLines(text);

  // Each block is a line of the text, several short lines of a text of
  // many lines, or a piece of a very long line; a piece's end is where the
  // box breaks its line, so it ends a line as displayed. A line break inside
  // a block ends the line it stands in.
  std::vector<std::string> lines;
  for (QTextBlock block = memo1_->document()->begin(); block.isValid(); block = block.next()) {
    layout->ensureBlockLayout(block);
    const QTextLayout* blockLayout = block.layout();
    const QString blockText = block.text();
    if (!blockLayout || blockLayout->lineCount() == 0) {
      lines.push_back(fromWidgetText(blockText));
      continue;
    }
    for (int i = 0; i < blockLayout->lineCount(); ++i) {
      const QTextLine line = blockLayout->lineAt(i);
      QString shown = blockText.mid(line.textStart(), line.textLength());
      if (shown.endsWith(QChar::LineSeparator)) shown.chop(1);
      lines.push_back(fromWidgetText(shown));
    }
  }
  return lines;
}

void Form1Window::closeEvent(QCloseEvent* event) {
  // A close asked while an operation runs stops its scan and takes effect
  // when it ends.
  if (running_) {
    model_.Ui().progress.RequestStop();
    closePending_ = true;
    event->ignore();
    return;
  }
  QWidget::closeEvent(event);
}

}  // namespace velsira
