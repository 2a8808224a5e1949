#include <gtest/gtest.h>
#include <QElapsedTimer>
#include <QProcess>

namespace {

// Reads lines from a process until `line` comes or the time is up.
bool WaitForLine(QProcess& process, const QByteArray& line, int timeoutMs = 10000) {
  QByteArray seen;
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < timeoutMs) {
    process.waitForReadyRead(100);
    seen += process.readAllStandardOutput();
    if (seen.split('\n').contains(line)) return true;
    if (process.state() == QProcess::NotRunning) break;
  }
  return false;
}

TEST(SingleCopy, SecondStartBringsTheFirstToTheFrontAndEndsWithoutShowingAnything) {
  QProcess first;
  first.start(TUBRIX_SINGLE_COPY_APP, {});
  ASSERT_TRUE(WaitForLine(first, "ready"));

  QProcess second;
  second.start(TUBRIX_SINGLE_COPY_APP, {});
  ASSERT_TRUE(second.waitForFinished(10000));
  EXPECT_EQ(second.exitCode(), 0);
  EXPECT_EQ(second.readAllStandardOutput(), "");

  EXPECT_TRUE(WaitForLine(first, "raised"));
  ASSERT_TRUE(first.waitForFinished(10000));

  // With the first copy gone, the next start runs normally.
  QProcess third;
  third.start(TUBRIX_SINGLE_COPY_APP, {"once"});
  EXPECT_TRUE(WaitForLine(third, "ready"));
  EXPECT_TRUE(third.waitForFinished(10000));
}

}  // namespace
