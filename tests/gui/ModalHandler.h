// Answers the modal windows a GUI test opens, and fails the test on any
// modal window it did not expect, so that no test waits for a human.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>

namespace velsira::testing {

class ModalHandler {
 public:
  using Answer = std::function<void(QWidget*)>;

  ModalHandler() {
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
    timer_.start();
  }

  // The next modal window to appear is handed to answer, which must close it.
  void expect(Answer answer) { answers_.push_back(std::move(answer)); }
  int answered() const { return answered_; }
  bool allAnswered() const { return answers_.empty(); }

 private:
  void poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) {
      last_ = nullptr;
      return;
    }
    if (modal == last_) return;
    last_ = modal;
    if (answers_.empty()) {
      ADD_FAILURE() << "unexpected modal window \"" << modal->windowTitle().toStdString() << "\"";
      modal->close();
      return;
    }
    Answer answer = std::move(answers_.front());
    answers_.pop_front();
    ++answered_;
    answer(modal);
  }

  QTimer timer_;
  std::deque<Answer> answers_;
  QPointer<QWidget> last_;
  int answered_ = 0;
};

}  // namespace velsira::testing
