// TForm1, the main window as a model without widgets: its boxes, its
// angle-unit buttons, its input pad and its click handlers. The desktop
// window shows it; velsira-batch and the tests drive it directly.
// The component names (Form1, Memo13, Button14Click ...): docs/glossary.md.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Boxes.h"
#include "engine/Calculation.h"
#include "engine/Derivative.h"
#include "engine/Equations.h"
#include "engine/Integral.h"
#include "engine/Limits.h"
#include "engine/Platform.h"
#include "engine/Preparation.h"
#include "engine/Splitting.h"
#include "engine/WorkArea.h"
#include "model/Plotting.h"
#include "worklists/WorkForm.h"

namespace velsira {

// One button of the input pad: component name, caption (empty for a picture
// button), place and size at 96 dpi, and the text it inserts.
struct PadKey {
  std::string_view name;
  std::string_view caption;
  int x, y, width, height;
  std::string_view inserted;
};

class TForm1 {
 public:
  static constexpr std::string_view kCaption = "Velsira Version 1.0";
  // "Parantezin bir öncesine h yazınız. ör: Sinh(90)", the hint of "h(x)".
  static std::string_view HintText();

  TForm1(TForm2& form2, Platform& ui);
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  InputBox Memo1;   // the input box, "[()]" at start
  ResultBox Memo2;  // the result box
  EditBox Edit1;    // the number entry box, "0" at start
  RadioButton RadioButton1;  // "Derece", checked at start
  RadioButton RadioButton2;  // "Radyan"
  RadioButton RadioButton3;  // "Grad"

  // Places the caret between "[(" and ")]".
  void FormCreate();
  // "'⁴' (5. karakter) bu programda kullanılamaz; ...": raised, after the
  // results are cleared, when the input box holds a character the code page
  // cannot hold; the input box keeps it as written.
  void RefuseKeptCharacters();

  void Button1Click();   // "Türev Al"
  void Button2Click();   // "Basit Denklem Çözme"
  void Button3Click();   // "Sonuçları Temizle"
  void Button4Click();   // "İntegral Al"
  void Button6Click();   // "Bilimsel Hesaplama"
  void Button12Click();  // "h(x)": the hint
  void Button14Click();  // "Grafik Çiz"
  void Button17Click();  // "Delta-Epsilon"
  void Button18Click();  // "Limit"
  void Button24Click();  // "Yerine Yaz"
  void Button39Click();  // "Karışık Denklem Çözme"
  void RadioButton1Click();
  void RadioButton2Click();
  void RadioButton3Click();

  // The insertion rule: the selected text stays and text follows it; the
  // caret ends after the inserted text, nothing selected, except that the
  // "N" of a text ending in "N()" (a head with a parameter) is left selected;
  // a selected parameter N (ParameterSelected) is replaced by text. A box
  // that would pass kTextLimit characters raises the length error and stays
  // as it was.
  void InsertText(std::string_view text);
  // Whether the selection is the N of a pad head with a parameter («logN(»).
  bool ParameterSelected() const;
  // A click on the pad button named name ("Button7", "SpeedButton1", ...).
  // Returns false for a name that is not a pad button.
  bool PadClick(std::string_view name);
  static const std::vector<PadKey>& PadKeys();

  // Runs one click handler as the event loop does: an error ends it and is
  // shown in the error box; what it wrote stays. When the input box ends
  // with the text it started with, its caret and selection are put back.
  // Returns whether the handler ended without an error.
  bool Perform(const std::function<void()>& handler);

  TForm2& Form2() { return form2_; }
  Platform& Ui() { return ui_; }
  WorkArea& Area() { return area_; }
  Preparation& Prep() { return prep_; }
  Splitting& Split() { return split_; }
  Calculation& Calc() { return calc_; }

 private:
  TForm2& form2_;
  Platform& ui_;
  WorkArea area_;
  Preparation prep_;
  Splitting split_;
  Derivative derivative_;
  Integral integral_;
  Calculation calc_;
  Equations equations_;
  Limits limits_;
  Plotting plotting_;
};

}  // namespace velsira
