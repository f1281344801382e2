// The Practice window tests need a QApplication on the offscreen platform
// (test discovery runs this binary without CTest's environment), and a
// settings folder of their own, never the user's.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>

#include "support/temp_dir.h"

namespace {

QtMessageHandler g_defaultHandler = nullptr;
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  // The offscreen platform says once per window what it cannot pass on
  // (size hints, raising a tooltip); nothing to act on.
  if (message.startsWith(QStringLiteral("This plugin does not support"))) return;
  g_defaultHandler(type, context, message);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  fretlab::testing::TempDir config;
  qputenv("XDG_CONFIG_HOME", config.path().c_str());
  QStandardPaths::setTestModeEnabled(true);
  g_defaultHandler = qInstallMessageHandler(QuietHandler);
  QApplication application(argc, argv);
  ::testing::InitGoogleMock(&argc, argv);
  return RUN_ALL_TESTS();
}
