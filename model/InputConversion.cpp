// Trying an operation on a scratch copy of the main window, and the choice
// of the converted input.
#include "model/InputConversion.h"

#include <array>
#include <string_view>

#include "model/RecordingPlatform.h"
#include "engine/Errors.h"
#include "worklists/WorkForm.h"

namespace velsira {
namespace {

// Errors of the arithmetic on a text the engine has read, and refusals of
// a range: none of them says the text could not be read.
constexpr std::array<std::string_view, 8> kFaults = {
    "Invalid floating point operation", "Floating point division by zero", "Floating point overflow",
    "Division by zero",                 "Integer overflow",                 "TProgressBar property out of range",
    "Axis Maximum Value must be >= Minimum", "Out of memory",
};

// t without its blanks, tabs and line breaks.
std::string withoutBlanks(std::string_view t) {
  std::string out;
  for (char c : t)
    if (c != ' ' && c != '\t' && c != '\r' && c != '\n') out += c;
  return out;
}

}  // namespace

std::optional<std::string> TryOnCopy(const TForm1& form, Click click, const std::string& text) {
  TForm2 form2;
  RecordingPlatform recording;
  TForm1 copy(form2, recording.platform);
  copy.Memo1.SetText(text);
  copy.Memo1.SetSelection(copy.Memo1.Length(), 0);
  copy.Edit1.Text = form.Edit1.Text;
  copy.RadioButton1.Checked = form.RadioButton1.Checked;
  copy.RadioButton2.Checked = form.RadioButton2.Checked;
  copy.RadioButton3.Checked = form.RadioButton3.Checked;
  // One point is enough to see whether the scan reads the text.
  if (click == &TForm1::Button39Click) recording.dialogs.answers = {"0", "0"};
  if (click == &TForm1::Button14Click) recording.dialogs.answers = {"0", "0", "-500", "500"};
  copy.Perform([&copy, click] { (copy.*click)(); });
  return recording.messages.error;
}

bool RefusesText(const std::string& error) {
  std::string_view e = error;
  if (!e.empty() && e.back() == '.') e.remove_suffix(1);
  for (std::string_view fault : kFaults)
    if (e == fault) return false;
  // A result too long to build was read first.
  return e.find("4.000.000") == std::string_view::npos;
}

std::optional<std::string> ConvertedInput(const TForm1& form, Click click, const InputConverter& convert) {
  const std::string& text = form.Memo1.Text();
  const std::optional<std::string> refusal = TryOnCopy(form, click, text);
  if (!refusal || !RefusesText(*refusal)) return std::nullopt;
  const std::optional<std::string> converted = convert();
  // A text that is the program's syntax but for blanks keeps the engine's
  // own message, which names what it did not read.
  if (!converted || withoutBlanks(*converted) == withoutBlanks(text)) return std::nullopt;
  const std::optional<std::string> second = TryOnCopy(form, click, *converted);
  if (second && RefusesText(*second)) return std::nullopt;
  return converted;
}

}  // namespace velsira
