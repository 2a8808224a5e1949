#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QString>
#include <functional>
#include <memory>

// One copy of a program per user session. The first copy holds a lock file
// and listens on a local socket, both named after the program and the
// user; a later copy finds the lock taken, asks the first over the socket
// to come to the front, and gives way.
class SingleInstance {
 public:
  explicit SingleInstance(const QString& programName);
  ~SingleInstance();

  // True for the first copy. For a later one it has already sent the
  // request to the first copy.
  bool IsFirst() const { return first_; }
  // What the first copy does when a later one starts.
  void OnOtherStart(std::function<void()> bringToFront);

 private:
  QString name_;
  std::unique_ptr<QLockFile> lock_;
  std::unique_ptr<QLocalServer> server_;
  std::function<void()> bringToFront_;
  bool first_ = false;
};
