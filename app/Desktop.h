// The desktop program as a whole: the windowing side the drivers use, the
// main-window model and the four windows, created in program-start order.
#pragma once

#include <memory>

#include "app/Form1Window.h"
#include "app/QtPlatform.h"
#include "model/Form1.h"
#include "plot/PlotForm.h"
#include "plot/ProgressForm.h"
#include "worklists/WorkForm.h"

namespace velsira {

class Desktop {
 public:
  // Creates Form1 (shown by show()), the work form Form2 (never shown), the
  // plot window Form3 and the progress window Form4, all hidden.
  Desktop();
  ~Desktop();
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;

  TForm1& model() { return model_; }
  Form1Window& Form1() { return *form1_; }
  TForm2& Form2() { return form2_; }
  TForm3& Form3() { return *form3_; }
  TForm4& Form4() { return *form4_; }
  Platform& platform() { return platform_; }

 private:
  QtMessageBoxes messages_;
  QtInputDialogs dialogs_;
  DesktopProgressWindow progress_;
  DesktopPlotWindow plot_;
  Platform platform_{{messages_, dialogs_, progress_}, plot_};
  // The work form is a plain model; it is made with the main-window model
  // that works on it.
  TForm2 form2_;
  TForm1 model_{form2_, platform_};
  std::unique_ptr<Form1Window> form1_;
  TForm3* form3_ = nullptr;  // owned by Form1
  TForm4* form4_ = nullptr;  // owned by Form1
};

}  // namespace velsira
