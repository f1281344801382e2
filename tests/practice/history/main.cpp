// The history suite runs inside a QCoreApplication, as the program does, and
// never near the user's own data folder.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  QCoreApplication app(argc, argv);
  QTemporaryDir home;
  qputenv("XDG_DATA_HOME", home.path().toUtf8());
  return RUN_ALL_TESTS();
}
