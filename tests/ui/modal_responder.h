#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <vector>

class QDialog;
class QFileDialog;

// Answers every modal window that comes up over the form, however deeply
// nested, and keeps a log of what came up, so that a test can run any
// action and compare afterwards what the user was shown with what it
// expected. An unexpected window is logged and closed rather than left to
// hang the run.
//
// Message boxes are answered with OK and logged as "message: <text>" (or as
// "bad message box: ..." when the caption, icon or buttons are not those of
// the application's message box). The results dialog ("results"), the about
// box ("about") and the file dialog ("file dialog") are answered once each
// by the answer set for them before the action; without one they are
// logged as unexpected.
class ModalResponder {
 public:
  // `form` is the window that stays (never answered); `caption` the
  // caption every message box must carry.
  ModalResponder(QWidget* form, QString caption);

  void AnswerResults(std::function<void(QDialog*)> answer) { results_ = std::move(answer); }
  void AnswerAbout(std::function<void(QDialog*)> answer) { about_ = std::move(answer); }
  void AnswerFileDialog(std::function<void(QFileDialog*)> answer) { file_ = std::move(answer); }

  // What came up since the last call, in order; forgets it and any answer
  // that was not used.
  QStringList TakeLog();

 private:
  void Poll();
  void Answer(QWidget* window);
  void AnswerMessage(QWidget* box);

  QPointer<QWidget> form_;
  QString caption_;
  std::function<void(QDialog*)> results_;
  std::function<void(QDialog*)> about_;
  std::function<void(QFileDialog*)> file_;
  std::vector<QPointer<QWidget>> answered_;
  QStringList log_;
  QTimer poll_;
};
