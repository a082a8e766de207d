// Speed of showing long texts in the main window: the model's input and
// result texts into both boxes, one repaint of the window, and the way back
// to the model. Runs on Qt's offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPixmap>
#include <QPlainTextEdit>
#include <string>

#include "app/Form1Window.h"
#include "model/RecordingPlatform.h"

namespace {

using namespace velsira;

// One line of about length characters, as a long derivative result reads.
std::string oneLine(long length) {
  std::string line;
  line.reserve(static_cast<size_t>(length) + 8);
  while (static_cast<long>(line.size()) < length) line += "1*Sin(x)+";
  line.resize(static_cast<size_t>(length));
  return line;
}

// Lines of 40 characters up to about length characters in all.
std::string manyLines(long length) {
  std::string text;
  while (static_cast<long>(text.size()) < length) text += oneLine(38) + "\r\n";
  return text;
}

struct Window {
  TForm2 form2;
  RecordingPlatform ui;
  TForm1 model{form2, ui.platform};
  Form1Window window{model};
  Window() {
    window.show();
    QCoreApplication::processEvents();
  }
  void clear() {
    model.Memo1.SetText("[()]");
    model.Memo2.Clear();
    window.pullFromModel();
  }
};

void show(benchmark::State& state, const std::string& text) {
  Window w;
  for (auto _ : state) {
    state.PauseTiming();
    w.clear();
    w.model.Memo1.SetText(text);
    w.model.Memo2.SetText(text);
    state.ResumeTiming();
    w.window.pullFromModel();
    benchmark::DoNotOptimize(w.window.grab());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()) * 2);
}

void BM_ShowOneLine(benchmark::State& state) { show(state, oneLine(state.range(0))); }
BENCHMARK(BM_ShowOneLine)->Arg(1000000)->Arg(4000000)->Unit(benchmark::kMillisecond);

void BM_ShowManyLines(benchmark::State& state) { show(state, manyLines(state.range(0))); }
BENCHMARK(BM_ShowManyLines)->Arg(4000000)->Unit(benchmark::kMillisecond);

// After a long line is shown: one typed character, a repaint, and the texts
// back to the model, as the next button click does.
void BM_TypeIntoOneLine(benchmark::State& state) {
  Window w;
  const std::string text = oneLine(state.range(0));
  w.model.Memo1.SetText(text);
  w.model.Memo2.SetText(text);
  w.model.Memo1.SetSelection(static_cast<long>(text.size()) / 2, 0);
  w.window.pullFromModel();
  benchmark::DoNotOptimize(w.window.grab());
  for (auto _ : state) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("x"));
    QApplication::sendEvent(w.window.Memo1(), &press);
    benchmark::DoNotOptimize(w.window.grab());
    w.window.pushToModel();
  }
}
BENCHMARK(BM_TypeIntoOneLine)->Arg(1000000)->Arg(4000000)->Unit(benchmark::kMillisecond);

// A click that changes neither box: both texts back to the model and the
// model into the boxes again.
void BM_RoundTripOneLine(benchmark::State& state) {
  Window w;
  const std::string text = oneLine(state.range(0));
  w.model.Memo1.SetText(text);
  w.model.Memo2.SetText(text);
  w.window.pullFromModel();
  for (auto _ : state) {
    w.window.pushToModel();
    w.window.pullFromModel();
  }
}
BENCHMARK(BM_RoundTripOneLine)->Arg(4000000)->Unit(benchmark::kMillisecond);

// The lines as displayed of a long input, as "Delta-Epsilon" reads them.
void BM_LinesAsDisplayed(benchmark::State& state) {
  Window w;
  const std::string text = oneLine(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    w.clear();
    state.ResumeTiming();
    benchmark::DoNotOptimize(w.window.displayedLines(text));
  }
}
BENCHMARK(BM_LinesAsDisplayed)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
