#include "tests/support/modal_answers.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <vector>

namespace {

constexpr int kPollMs = 20;

// Windows already answered: a later answer never runs on them again.
std::vector<QPointer<QWidget>>& Answered() {
  static std::vector<QPointer<QWidget>> answered;
  return answered;
}

bool WasAnswered(QWidget* window) {
  for (const QPointer<QWidget>& seen : Answered()) {
    if (seen == window) return true;
  }
  return false;
}

}  // namespace

struct ModalAnswers::Pending {
  std::function<bool(QWidget*)> matches;
  std::function<void(QWidget*)> run;
  QPointer<QWidget> onTopWhenQueued;
  QElapsedTimer waiting;
};

ModalAnswers::ModalAnswers(int timeLimitMs)
    : timeLimitMs_(timeLimitMs), alive_(std::make_shared<bool>(true)) {}

ModalAnswers::~ModalAnswers() {
  *alive_ = false;
  EXPECT_EQ(queue_.size(), 0u) << "modal windows expected but never shown";
}

int ModalAnswers::pending() const { return static_cast<int>(queue_.size()); }

void ModalAnswers::Queue(std::function<bool(QWidget*)> matches, std::function<void(QWidget*)> run) {
  auto pending = std::make_shared<Pending>();
  pending->matches = std::move(matches);
  pending->run = std::move(run);
  pending->onTopWhenQueued = QApplication::activeModalWidget();
  const bool idle = queue_.empty();
  queue_.push_back(std::move(pending));
  if (idle) {
    queue_.front()->waiting.start();
    std::weak_ptr<bool> alive = alive_;
    QTimer::singleShot(kPollMs, qApp, [this, alive] {
      if (auto flag = alive.lock(); flag && *flag) Poll();
    });
  }
}

void ModalAnswers::Poll() {
  if (queue_.empty()) return;
  auto schedule = [this] {
    if (queue_.empty()) return;
    if (!queue_.front()->waiting.isValid()) queue_.front()->waiting.start();
    std::weak_ptr<bool> alive = alive_;
    QTimer::singleShot(kPollMs, qApp, [this, alive] {
      if (auto flag = alive.lock(); flag && *flag) Poll();
    });
  };
  const std::shared_ptr<Pending> head = queue_.front();
  QWidget* top = QApplication::activeModalWidget();
  const bool fits = top != nullptr && top->isVisible() && top != head->onTopWhenQueued &&
                    !WasAnswered(top) && head->matches(top);
  if (fits) {
    queue_.pop_front();
    Answered().push_back(top);
    // The next poll is set up before the answer runs, since the answer may
    // open a nested modal run that the next answer is for.
    schedule();
    head->run(top);
    return;
  }
  if (head->waiting.elapsed() > timeLimitMs_) {
    ADD_FAILURE() << "a modal window expected by the test did not come up";
    queue_.pop_front();
    if (auto* dialog = qobject_cast<QDialog*>(top)) dialog->reject();
  }
  schedule();
}
