#pragma once
// The Practice window listening to a guitar through the fake capture: the
// switch turned on as a user does, and notes rendered by FluidSynth (from
// the named soundfont) delivered as the capture's thread would. The
// window's fake clock moves on with the sound delivered, so that the
// program's own notes and the guitar's share one time line; what the
// guitar answers reaches the window's thread as its events are processed.

#include <QCheckBox>
#include <QLabel>
#include <QCoreApplication>

#include "drill_fixture.h"
#include "support/guitar_material.h"
#include "ui/practice/listening_bar.h"
#include "ui/practice/practice_listening.h"

namespace fretlab::testing {

class ListeningTest : public DrillTest {
 protected:
  ListeningBar& Bar() { return *window->findChild<ListeningBar*>(); }
  PracticeListening& Ear() { return window->listening(); }

  // Clicks the switch on, as a user does; the capture is then running.
  void Listen() {
    QTest::mouseClick(Bar().listenSwitch(), Qt::LeftButton);
    ASSERT_TRUE(capture.Capturing()) << Bar().messageLabel()->text().toStdString();
  }

  // The note of the current question's first position asked for.
  int PitchAtTarget() { return practice::PitchAt(drills.session().round()->Setup(), Current().targets.front()); }

  // Nylon-guitar notes (General MIDI program 24) over `seconds`, delivered
  // from now on the window's clock.
  void Play(const std::vector<PlayedNote>& notes, double seconds) { Hear(RenderNotes(24, notes, seconds)); }
  // Block by block, as a capture hands them over, the clock moving with
  // each: what a note answers happens when the note is heard.
  void Hear(const std::vector<float>& samples) {
    constexpr std::size_t kBlock = 1024;
    for (std::size_t i = 0; i < samples.size(); i += kBlock) {
      const std::size_t count = std::min(kBlock, samples.size() - i);
      capture.Deliver(std::vector<float>(samples.begin() + i, samples.begin() + i + count), clock.now(), kBlock);
      QCoreApplication::processEvents();
      clock.Advance(std::chrono::duration_cast<SoundClock::duration>(
          std::chrono::duration<double>(double(count) / kMaterialRate)));
      window->player().tick();
    }
  }
  // Nothing played for a while: the program's own notes ring out (an ear
  // question sounds 0.9 s, and its ring is not heard for half a second more).
  void Silence(double seconds = 2.0) { Hear(std::vector<float>(FrameAt(seconds))); }
  // One note after another, each `apart` seconds after the last.
  void PlayEach(const std::vector<int>& pitches, double apart = 0.8) {
    std::vector<PlayedNote> notes;
    for (std::size_t i = 0; i < pitches.size(); ++i) notes.push_back({pitches[i], 0.2 + apart * i, apart - 0.1, 100});
    Play(notes, 0.4 + apart * pitches.size());
  }
};

}  // namespace fretlab::testing
