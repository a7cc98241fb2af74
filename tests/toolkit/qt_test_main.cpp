// Runs the Qt toolkit's tests inside one QApplication on the offscreen platform.

#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication application(argc, argv);
  // Each test opens and closes its own window; the application must outlive them all.
  QApplication::setQuitOnLastWindowClosed(false);
  return RUN_ALL_TESTS();
}
