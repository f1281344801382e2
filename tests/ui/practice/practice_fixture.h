#pragma once
// The real Practice window, offscreen, with settings in a scratch file, a
// MIDI output that records every call, a sound input fed by the test, and
// a clock that moves only when a test says so (the window's timer is then
// driven by the test).

#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTest>
#include <memory>

#include "support/fake_capture.h"
#include "support/fake_sound.h"
#include "ui/practice/neck_widget.h"
#include "ui/practice/practice_app.h"
#include "ui/practice/practice_window.h"
#include "support/qt_temp_dir.h"

namespace fretlab::testing {

class PracticeTest : public ::testing::Test {
 protected:
  PracticeTest() : settingsPath(dir.filePath(QStringLiteral("fretlab.conf"))) { OpenWindow(); }
  ~PracticeTest() override { window.reset(); }

  // A new window on the same settings file, as at the next start.
  void OpenWindow() {
    window.reset();
    settings = std::make_unique<QSettings>(settingsPath, QSettings::IniFormat);
    // The system's MIDI inputs, and a history in the test's folder: never the user's.
    DrillServices services = SystemDrillServices();
    services.openHistory = [this] {
      return std::make_unique<practice::HistoryThread>(dir.filePath(QStringLiteral("history.sqlite")));
    };
    window = BuildPracticeWindow(output, capture, *settings, [this] { return clock.now(); },
                                 std::move(services))
                 .window;
    // A first start gets a size of its own; later ones keep what was saved.
    if (!settings->contains(QStringLiteral("Practice/geometry"))) window->resize(1300, 480);
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }
  void Reopen() {
    window->close();
    OpenWindow();
  }

  NeckWidget& Neck() { return window->neck(); }
  PracticeControls& Controls() { return *window->controls(); }

  // Sets choices as the controls would and lets the window follow.
  void Choose(const std::function<void(PracticeChoices&)>& change) {
    PracticeChoices c = Controls().choices();
    change(c);
    Controls().setChoices(c);
    emit Controls().choicesChanged();
  }

  // Moves the fake clock and lets the window's player catch up, as its
  // timer would.
  void Wait(std::chrono::milliseconds by) {
    clock.Advance(by);
    window->player().tick();
  }

  // The centre of a position in the neck widget's coordinates.
  QPoint CentreOf(Position p) {
    const NeckPoint c = Neck().layout().Centre(p);
    return QPoint(static_cast<int>(c.x), static_cast<int>(c.y));
  }

  void ClickNeck(Position p) { QTest::mouseClick(&Neck(), Qt::LeftButton, {}, CentreOf(p)); }

  std::vector<int> SentNotes() const {
    std::vector<int> notes;
    for (const OutputCall& c : output.calls) {
      if (c.kind == OutputCall::kSend) notes.push_back(static_cast<int>((c.message >> 8) & 0x7F));
    }
    return notes;
  }

  QtTempDir dir;
  QString settingsPath;
  FakeClock clock;
  RecordingOutput output{clock};
  FakeCapture capture;
  std::unique_ptr<QSettings> settings;
  std::unique_ptr<PracticeWindow> window;
};

}  // namespace fretlab::testing
