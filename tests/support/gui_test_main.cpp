// The main of every GUI test program. Its tests run in one application, on the offscreen
// platform unless the environment names another, with the Windows face names mapped to the
// installed faces as the program maps them. Listing the tests needs no application: ctest lists
// them at build time, without the tests' environment.
#include <gtest/gtest.h>

#include <QApplication>

#include "fonts.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  vorpo::InstallFontSubstitutions();
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
