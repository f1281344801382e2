// Help > About Fretlab and About Qt, in the Practice window: what the box
// says of this run (version, licence, the libraries as loaded, the
// soundfont, the settings and history files) and that it closes again.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTimer>

#include "ui/practice/practice_fixture.h"

namespace fretlab::testing {
namespace {

QAction* HelpAction(QMainWindow& window, const QString& text) {
  for (QAction* menu : window.menuBar()->actions()) {
    if (menu->text() != QStringLiteral("&Help")) continue;
    for (QAction* action : menu->menu()->actions()) {
      if (action->text() == text) return action;
    }
  }
  return nullptr;
}

QString Plain(const QString& richText) {
  QString text = richText;
  text.replace(QRegularExpression(QStringLiteral("<[^>]*>")), QStringLiteral(" "));
  return text;
}

TEST_F(PracticeTest, AboutFretlabTellsTheVersionLicenceLibrariesSoundfontAndFiles) {
  output.soundfontFile = "/usr/share/sounds/sf2/TimGM6mb.sf2";
  Reopen();
  QCoreApplication::setApplicationVersion(QStringLiteral("1.0.0"));
  QAction* about = HelpAction(*window, QStringLiteral("&About Fretlab"));
  ASSERT_NE(about, nullptr);
  about->trigger();
  auto* box = window->findChild<QMessageBox*>(QStringLiteral("aboutFretlab"));
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(box->isVisible());
  EXPECT_EQ(box->windowTitle(), QStringLiteral("About Fretlab"));
  const QString text = Plain(box->text());
  EXPECT_TRUE(text.contains(QStringLiteral("Fretlab 1.0.0"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("GPL-3.0-or-later")));
  EXPECT_TRUE(text.contains(QStringLiteral("Qt: ") + QString::fromLatin1(qVersion())));
  // Each library with a version as the library gives it: digits and dots.
  for (const char* library : {"FluidSynth", "RtMidi", "SQLite"}) {
    const QRegularExpression version(QStringLiteral("%1: \\d+\\.\\d+").arg(library));
    EXPECT_TRUE(version.match(text).hasMatch()) << library << " in " << text.toStdString();
  }
  EXPECT_TRUE(text.contains(QStringLiteral("Soundfont: /usr/share/sounds/sf2/TimGM6mb.sf2")));
  EXPECT_TRUE(text.contains(QStringLiteral("Settings: ") + settingsPath));
  EXPECT_TRUE(text.contains(QStringLiteral("Practice history: ") +
                            dir.filePath(QStringLiteral("history.sqlite"))));
  box->close();
  QCoreApplication::processEvents();
  EXPECT_EQ(window->findChild<QMessageBox*>(QStringLiteral("aboutFretlab")), nullptr)
      << "the box is gone once closed";
}

TEST_F(PracticeTest, AboutFretlabWithoutASoundfontSaysNoneAndEscapesPaths) {
  const QString text = AboutText(AboutFacts{QString(), QStringLiteral("/tmp/a<b>.conf"),
                                            QStringLiteral("/tmp/h&.sqlite")});
  EXPECT_TRUE(Plain(text).contains(QStringLiteral("Soundfont: none")));
  EXPECT_TRUE(text.contains(QStringLiteral("/tmp/a&lt;b&gt;.conf")));
  EXPECT_TRUE(text.contains(QStringLiteral("/tmp/h&amp;.sqlite")));
}

TEST_F(PracticeTest, AboutQtOpensQtsOwnBox) {
  QAction* aboutQt = HelpAction(*window, QStringLiteral("About &Qt"));
  ASSERT_NE(aboutQt, nullptr);
  QString title;
  QTimer::singleShot(0, [&title] {
    if (QWidget* box = QApplication::activeModalWidget()) {
      title = box->windowTitle();
      box->close();
    }
  });
  aboutQt->trigger();  // returns when the box is closed
  EXPECT_EQ(title, QStringLiteral("About Qt"));
}

}  // namespace
}  // namespace fretlab::testing
