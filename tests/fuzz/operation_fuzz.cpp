// A fuzz target for one operation of the main window (VELSIRA_FUZZ_OPERATION
// names its row in model/Operations.h): the fuzzed input box, selection, angle
// unit, number entry and dialog answers go to a fresh program state, the
// click handler runs as the event loop runs it, and the state it leaves is
// checked: the error box shows one of the program's messages, the result
// box is as the operation leaves it on failure, a point evaluation gives
// the input box back, results stay bounded and show no "?" that was not
// typed, and no input takes more than a second.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "model/Form1.h"
#include "model/Operations.h"
#include "model/RecordingPlatform.h"
#include "tests/fuzz/FuzzChecks.h"
#include "tests/fuzz/FuzzInput.h"
#include "worklists/WorkForm.h"

namespace velsira::testing {
namespace {

const Operation& fuzzedOperation() {
  if (const Operation* op = findOperation(VELSIRA_FUZZ_OPERATION)) return *op;
  std::fprintf(stderr, "no operation named %s\n", VELSIRA_FUZZ_OPERATION);
  std::abort();
}

struct Program {
  TForm2 form2;
  RecordingPlatform recording;
  TForm1 form{form2, recording.platform};
};

void run(const Operation& op, const FuzzCase& c) {
  Program p;
  TForm1& form = p.form;
  if (c.unit == 1) form.RadioButton2Click();
  if (c.unit == 2) form.RadioButton3Click();
  form.Memo1.SetText(c.input);
  const long length = form.Memo1.Length();
  form.Memo1.SetSelection(length * static_cast<long>(c.selStart) / 255,
                          length * static_cast<long>(c.selLength) / 255);
  if (op.reads == Reads::InputAndEntry) form.Edit1.Text = c.entry;
  for (int k = 0; k < op.dialogs && k < static_cast<int>(c.answers.size()); ++k)
    p.recording.dialogs.answers.push_back(c.answers[static_cast<size_t>(k)]);
  const std::string before = form.Memo1.Text();

  const double start = threadSeconds();
  form.Perform([&] { (form.*op.click)(); });
  const double seconds = threadSeconds() - start;

  checkTime(op.name, seconds);
  const std::optional<std::string>& error = p.recording.messages.error;
  if (error) checkMessage(*error);
  checkResultSize(form.Memo2.Lines());
  std::vector<std::string> typed = {before, form.Edit1.Text};
  for (const auto& answer : c.answers) typed.push_back(answer.value_or(""));
  checkNoInventedQuestionMarks(typed, form.Memo2.Lines());

  const size_t lines = form.Memo2.Lines().size();
  if (op.keepsInput && form.Memo1.Text() != before) fail("the input box does not hold the user's text", before);
  if (!error) {
    if (op.linesOnSuccess && lines != static_cast<size_t>(op.linesOnSuccess) &&
        !(op.shortSuccess && lines == static_cast<size_t>(op.shortSuccess)))
      fail("a success wrote " + std::to_string(lines) + " result lines", before);
    return;
  }
  switch (op.afterFailure) {
    case AfterFailure::Empty:
      if (lines != 0) fail("a failure left the result box written", *error);
      break;
    case AfterFailure::WrittenLinesStay:
      if (lines >= static_cast<size_t>(op.linesOnSuccess)) fail("a failure wrote every result line", *error);
      break;
    case AfterFailure::AsEvaluationLeft:
      if (lines > 1) fail("a failed evaluation left more than one result line", *error);
      break;
    case AfterFailure::Untouched:
      if (lines != 0) fail("an operation without a result wrote one", *error);
      break;
  }
  // No failure leaves the progress window over the boxes.
  if (p.recording.progress.Visible()) fail("a failure left the progress window shown", *error);
}

}  // namespace
}  // namespace velsira::testing

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace velsira::testing;
  static const velsira::Operation& op = fuzzedOperation();
  run(op, readFuzzCase(data, size));
  return 0;
}
