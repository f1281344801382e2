// The window tests need a QApplication. CTest sets the offscreen platform in
// the environment, but test discovery runs this binary without it.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>

namespace {

// The offscreen platform warns once per window that it cannot pass size
// hints on; nothing to act on, and it buries real failures in the log.
QtMessageHandler g_defaultHandler = nullptr;
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.contains(QStringLiteral("propagateSizeHints"))) return;
  g_defaultHandler(type, context, message);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  g_defaultHandler = qInstallMessageHandler(QuietHandler);
  QApplication application(argc, argv);
  ::testing::InitGoogleMock(&argc, argv);
  return RUN_ALL_TESTS();
}
