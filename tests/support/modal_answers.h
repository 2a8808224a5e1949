#pragma once

#include <QPointer>
#include <QWidget>
#include <deque>
#include <functional>
#include <memory>

// Answers modal windows as a person at the screen would. Each Expect queues
// one answer; the answers run in order, each on the next modal window of
// its type (QMessageBox, QFileDialog, or QDialog for the framework's
// dialogs) that comes up after it was queued, once that window shows. The
// answer runs from the event loop, so it works inside nested modal runs;
// an answer may itself queue further answers and click buttons that open
// further modal windows.
//
//   ModalAnswers answers;
//   answers.Expect<QMessageBox>([](QMessageBox* box) {
//     EXPECT_EQ(box->text(), "Hits Compute first");
//     box->accept();
//   });
//   ...   // something that shows the box and waits for it
//
// An answer whose window does not come up within the time limit is a test
// failure; the modal window then on top is rejected so that the test ends.
// The destructor checks that every answer was used.
class ModalAnswers {
 public:
  explicit ModalAnswers(int timeLimitMs = 10000);
  ~ModalAnswers();
  ModalAnswers(const ModalAnswers&) = delete;
  ModalAnswers& operator=(const ModalAnswers&) = delete;

  template <class Window, class Answer>
  void Expect(Answer answer) {
    Queue([](QWidget* w) { return qobject_cast<Window*>(w) != nullptr; },
          [answer](QWidget* w) { answer(qobject_cast<Window*>(w)); });
  }

  // Answers not used yet.
  int pending() const;

 private:
  struct Pending;
  void Queue(std::function<bool(QWidget*)> matches, std::function<void(QWidget*)> run);
  void Poll();

  int timeLimitMs_;
  std::shared_ptr<bool> alive_;
  std::deque<std::shared_ptr<Pending>> queue_;
};
