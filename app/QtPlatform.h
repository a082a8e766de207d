// The message boxes and input dialogs of the desktop program.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <string>

#include "engine/Platform.h"

namespace velsira {

// Plain message boxes and the error box, caption "Velsira", over the main
// window; the error box shows the message's Turkish text (engine/Messages.h).
class QtMessageBoxes : public MessageBoxes {
 public:
  void ShowMessage(const std::string& text) override;
  void ShowError(const std::string& text) override;

  void setParent(QWidget* parent) { parent_ = parent; }
  // Runs before a box opens, so that the windows behind it show what the
  // running operation has written so far.
  std::function<void()> beforeModal;

 private:
  QPointer<QWidget> parent_;
};

// The modal input dialog with «Tamam» and «İptal»; «İptal» gives the default text.
class QtInputDialogs : public InputDialogs {
 public:
  std::string InputBox(const std::string& caption, const std::string& prompt,
                       const std::string& defaultText) override;

  void setParent(QWidget* parent) { parent_ = parent; }
  std::function<void()> beforeModal;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace velsira
