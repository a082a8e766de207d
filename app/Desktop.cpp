// Program start: the windows in their order, wired to the windowing side.
#include "app/Desktop.h"

namespace velsira {

Desktop::Desktop() {
  form1_ = std::make_unique<Form1Window>(model_);
  form3_ = new TForm3(plot_, form1_.get());
  form3_->setAttribute(Qt::WA_QuitOnClose, false);
  plot_.attach(form3_);
  form4_ = new TForm4(progress_, form1_.get());
  form4_->setAttribute(Qt::WA_QuitOnClose, false);
  progress_.attach(form4_);

  messages_.setParent(form1_.get());
  dialogs_.setParent(form1_.get());
  // Behind a box or dialog, the main window shows what the running
  // operation has written so far.
  messages_.beforeModal = [this] { form1_->pullFromModel(); };
  dialogs_.beforeModal = [this] { form1_->pullFromModel(); };
}

Desktop::~Desktop() {
  messages_.beforeModal = nullptr;
  dialogs_.beforeModal = nullptr;
  form1_.reset();  // takes Form3 and Form4 with it
}

}  // namespace velsira
