// Shared main of the tests that drive real Qt widgets: a QApplication on
// the offscreen platform (unless the environment picks another, e.g. a
// display for looking at the dialogs), then every test.

#include <gtest/gtest.h>
#include <QApplication>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
