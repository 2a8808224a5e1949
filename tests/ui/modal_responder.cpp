#include "tests/ui/modal_responder.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>

ModalResponder::ModalResponder(QWidget* form, QString caption)
    : form_(form), caption_(std::move(caption)) {
  // A short interval: an action that opens several windows in turn should
  // not wait long for each.
  poll_.setInterval(1);
  QObject::connect(&poll_, &QTimer::timeout, [this] { Poll(); });
  poll_.start();
}

QStringList ModalResponder::TakeLog() {
  results_ = nullptr;
  about_ = nullptr;
  file_ = nullptr;
  std::erase_if(answered_, [](const QPointer<QWidget>& window) { return window.isNull(); });
  return std::exchange(log_, {});
}

void ModalResponder::Poll() {
  QWidget* top = QApplication::activeModalWidget();
  if (top == nullptr || top == form_ || !top->isVisible()) return;
  if (std::find(answered_.begin(), answered_.end(), top) != answered_.end()) return;
  answered_.emplace_back(top);
  // The answer may wait for the window (and so poll again, nested): the
  // window counts as answered before it runs.
  Answer(top);
}

void ModalResponder::Answer(QWidget* window) {
  if (qobject_cast<QMessageBox*>(window) != nullptr) return AnswerMessage(window);
  if (auto* files = qobject_cast<QFileDialog*>(window)) {
    log_ << "file dialog";
    if (auto answer = std::exchange(file_, nullptr)) return answer(files);
  } else if (auto* dialog = qobject_cast<QDialog*>(window)) {
    const QString title = dialog->windowTitle();
    auto& answer = title == "Tubrix Outputs" ? results_ : about_;
    if (title == "Tubrix Outputs" || title == "A Propos Tubrix") {
      log_ << (title == "Tubrix Outputs" ? "results" : "about");
      if (auto run = std::exchange(answer, nullptr)) return run(dialog);
    }
  }
  log_ << "unexpected: " + QString::fromLatin1(window->metaObject()->className()) + " " +
              window->windowTitle();
  if (auto* dialog = qobject_cast<QDialog*>(window)) {
    dialog->reject();
  } else {
    window->close();
  }
}

void ModalResponder::AnswerMessage(QWidget* window) {
  auto* box = static_cast<QMessageBox*>(window);
  const bool asTheApplicationShowsIt = box->windowTitle() == caption_ &&
                                       box->icon() == QMessageBox::Warning &&
                                       box->standardButtons() == QMessageBox::Ok;
  log_ << (asTheApplicationShowsIt ? "message: " : "bad message box: ") + box->text();
  if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
    ok->click();
  } else {
    box->reject();
  }
}
