// The history suite runs inside a QCoreApplication, as the program does, and
// never near the user's own data folder.

#include <gtest/gtest.h>

#include <QCoreApplication>

#include "support/temp_dir.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  QCoreApplication app(argc, argv);
  fretlab::testing::TempDir home;
  qputenv("XDG_DATA_HOME", home.path().c_str());
  return RUN_ALL_TESTS();
}
