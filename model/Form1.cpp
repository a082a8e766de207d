// The main window model: boxes, pad, angle unit and the click handlers that
// hand over to the engine's drivers.
#include "model/Form1.h"

#include <new>
#include <optional>
#include <stdexcept>

#include "engine/Cp1254.h"
#include "engine/Errors.h"

namespace velsira {

std::string_view TForm1::HintText() { return "Parantezin bir öncesine h yazınız. ör: Sinh(90)"_cp; }

TForm1::TForm1(TForm2& form2, Platform& ui)
    : RadioButton1{"Derece", true},
      RadioButton2{"Radyan", false},
      RadioButton3{"Grad", false},
      form2_(form2),
      ui_(ui),
      area_{Memo1, Memo2, Edit1, RadioButton1, RadioButton2, RadioButton3, form2, ui},
      prep_(area_),
      split_(area_),
      derivative_(area_, prep_, split_),
      integral_(area_, prep_, split_),
      calc_(area_, prep_, split_),
      equations_(area_, prep_, split_, calc_),
      limits_(area_, split_),
      plotting_(area_, calc_, ui.plot) {
  Memo1.SetText("[()]");
  FormCreate();
}

void TForm1::FormCreate() { Memo1.SetSelection(2, 0); }

void TForm1::RefuseKeptCharacters() {
  std::string character;
  long position = 0;
  if (!Memo1.FindKeptCharacter(character, position)) return;
  area_.ClearResults();
  raiseForeignCharacter(character, position);
}

// Every operation that reads the input refuses it first when it holds a
// character the engine cannot read; clearing, the angle units, the pad, the
// hint and "Limit" leave such a text as it is.
void TForm1::Button1Click() {
  RefuseKeptCharacters();
  derivative_.Button1Click();
}
void TForm1::Button2Click() {
  RefuseKeptCharacters();
  equations_.Button2Click();
}
void TForm1::Button3Click() { area_.ClearResults(); }
void TForm1::Button4Click() {
  RefuseKeptCharacters();
  integral_.Button4Click();
}
void TForm1::Button6Click() {
  RefuseKeptCharacters();
  calc_.Button6Click();
}
void TForm1::Button12Click() { ui_.messages.ShowMessage(std::string(HintText())); }
void TForm1::Button14Click() {
  RefuseKeptCharacters();
  plotting_.Button14Click();
}
void TForm1::Button17Click() {
  RefuseKeptCharacters();
  limits_.Button17Click();
}
void TForm1::Button18Click() { limits_.Button18Click(); }
void TForm1::Button24Click() {
  RefuseKeptCharacters();
  calc_.Button24Click();
}
void TForm1::Button39Click() {
  RefuseKeptCharacters();
  equations_.Button39Click();
}

// Checks one angle-unit button and unchecks the other two.
static void checkOnly(RadioButton& checked, RadioButton& other1, RadioButton& other2) {
  checked.Checked = true;
  other1.Checked = false;
  other2.Checked = false;
}

void TForm1::RadioButton1Click() { checkOnly(RadioButton1, RadioButton2, RadioButton3); }
void TForm1::RadioButton2Click() { checkOnly(RadioButton2, RadioButton1, RadioButton3); }
void TForm1::RadioButton3Click() { checkOnly(RadioButton3, RadioButton1, RadioButton2); }

namespace {
// The end of a pad text whose head takes a parameter: logN(), KökN() ...
constexpr std::string_view kParameter = "N()";
}  // namespace

bool TForm1::ParameterSelected() const {
  if (Memo1.SelText() != "N") return false;
  const long at = Memo1.SelStart();
  InputBox probe = Memo1;
  probe.SetSelection(at + 1, 1);
  if (probe.SelText() != "(") return false;
  for (const PadKey& key : PadKeys()) {
    if (!key.inserted.ends_with(kParameter)) continue;
    // The heads are code page 1254 texts, one byte a character.
    const std::string_view head = key.inserted.substr(0, key.inserted.size() - kParameter.size());
    const long n = static_cast<long>(head.size());
    if (at < n) continue;
    probe.SetSelection(at - n, n);
    if (probe.SelText() == head) return true;
  }
  return false;
}

void TForm1::InsertText(std::string_view text) {
  // The input box never grows past the longest text an operation may build.
  checkTextLength(Memo1.Text().size() + text.size());
  // A selected parameter N is replaced; any other selection stays.
  std::string replacement = ParameterSelected() ? std::string() : Memo1.SelText();
  replacement += text;
  Memo1.ReplaceSelection(replacement);
  // A head with a parameter leaves its N selected, so that the number typed
  // next takes its place.
  if (text.ends_with(kParameter)) Memo1.SetSelection(Memo1.SelStart() - static_cast<long>(kParameter.size()), 1);
}

bool TForm1::PadClick(std::string_view name) {
  for (const auto& key : PadKeys()) {
    if (key.name == name) {
      InsertText(key.inserted);
      return true;
    }
  }
  return false;
}

const std::vector<PadKey>& TForm1::PadKeys() {
  static const std::vector<PadKey> keys = {
      {"SpeedButton6", "", 16, 16, 33, 25, "x"},
      {"SpeedButton1", "", 56, 16, 33, 25, "²"_cp},
      {"SpeedButton2", "", 96, 16, 33, 25, "³"_cp},
      {"SpeedButton3", "", 136, 16, 33, 25, "^"},
      {"Button7", "Sin", 176, 16, 33, 25, "Sin()"},
      {"Button8", "Cos", 216, 16, 33, 25, "Cos()"},
      {"Button9", "Tan", 256, 16, 33, 25, "Tan()"},
      {"Button10", "Cot", 296, 16, 33, 25, "Cot()"},
      {"Button11", "Arc", 336, 16, 33, 25, "Arc"},
      {"Button15", "logN", 376, 16, 33, 25, "logN()"},
      {"Button16", "ln", 416, 16, 33, 25, "ln()"},
      {"Button19", "e", 16, 44, 33, 25, "e"},
      {"Button20", "pi", 56, 44, 33, 25, "pi"},
      {"Button21", "Csc", 96, 44, 33, 25, "Csc()"},
      {"Button22", "Sec", 136, 44, 33, 25, "Sec()"},
      {"SpeedButton4", "", 176, 44, 33, 25, "KökN()"_cp},
      {"SpeedButton5", "", 216, 44, 33, 25, "Kök()"_cp},
      {"Button40", "!", 253, 44, 30, 25, "!()"},
      {"Button41", "KomN", 287, 44, 33, 25, "KomN()"},
      {"Button42", "PerN", 323, 44, 33, 25, "PerN()"},
      {"Button34", "ÜstelN"_cp, 404, 44, 49, 25, "ÜstelN()"_cp},
      {"Button23", "KuvvetN", 457, 44, 49, 25, "KuvvetN()"},
      {"Button13", "0", 344, 312, 33, 25, "0"},
      {"Button25", "1", 376, 312, 33, 25, "1"},
      {"Button26", "2", 408, 312, 33, 25, "2"},
      {"Button27", "3", 440, 312, 33, 25, "3"},
      {"Button28", "4", 472, 312, 33, 25, "4"},
      {"Button29", "5", 344, 336, 33, 25, "5"},
      {"Button30", "6", 376, 336, 33, 25, "6"},
      {"Button31", "7", 408, 336, 33, 25, "7"},
      {"Button32", "8", 440, 336, 33, 25, "8"},
      {"Button33", "9", 472, 336, 33, 25, "9"},
      {"Button35", "+", 376, 360, 33, 25, "+"},
      {"Button36", "-", 408, 360, 33, 25, "-"},
      {"Button37", "*", 440, 360, 33, 25, "*"},
      {"Button38", "/", 472, 360, 33, 25, "/"},
  };
  return keys;
}

bool TForm1::Perform(const std::function<void()>& handler) {
  // An operation that ends with the input text it started with leaves the
  // caret and the selection where they were, whether it succeeded or not.
  const std::string before = Memo1.Text();
  const long selStart = Memo1.SelStart();
  const long selLength = Memo1.SelLength();
  std::optional<std::string> error;
  try {
    handler();
  } catch (const EngineError& e) {
    error = e.text();
  } catch (const std::bad_alloc&) {
    error = "Out of memory";
  } catch (const std::exception& e) {
    // A fault of the program itself: shown, never a crash of the window.
    error = std::string("Internal error: ") + e.what();
  }
  if (Memo1.Text() == before) Memo1.SetSelection(selStart, selLength);
  if (error) ui_.messages.ShowError(presentError(*error));
  return !error;
}

}  // namespace velsira
