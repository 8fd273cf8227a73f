#include <gtest/gtest.h>

#include <QApplication>

// The Qt host needs an application object; the Fusion style makes the pixels the same on every
// machine.
int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // Listing the tests (as CTest does to discover them) needs no platform.
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
  QApplication application(argc, argv);
  QApplication::setStyle("Fusion");
  return RUN_ALL_TESTS();
}
