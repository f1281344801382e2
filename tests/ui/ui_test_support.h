#pragma once
// The real main window, offscreen, with a MIDI output that records what it is
// sent and a clock that only moves when the player waits.

#include <gtest/gtest.h>

#include <QImage>
#include <QListWidget>
#include <QString>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <vector>

#include "sequence/chord_sequence.h"
#include "sound/midi_output.h"
#include "sound/note_player.h"
#include "theory/fretboard.h"
#include "theory/show.h"
#include "ui/combo_list.h"
#include "ui/fretboard_dlg.h"
#include "ui/fretboard_view.h"

namespace fretlab::testing {

// Milliseconds on the fake clock since the test began.
class FakeClock {
 public:
  SoundClock::time_point now() const { return m_now; }
  long long Millis() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(m_now - SoundClock::time_point{})
        .count();
  }
  // Runs inside every wait of the player, before the clock jumps to the
  // deadline; a test uses it to act "while the note sounds".
  std::function<void(int waitIndex)> duringWait;
  int waits = 0;

  Timing MakeTiming() {
    return Timing{[this] { return m_now; },
                  [this](SoundClock::time_point deadline) {
                    const int index = waits++;
                    if (duringWait) duringWait(index);
                    m_now = std::max(m_now, deadline);
                    return true;
                  }};
  }

 private:
  SoundClock::time_point m_now{};
};

struct MidiEvent {
  enum Kind { Open, NoteOn, Close } kind;
  int note = 0;           // for NoteOn
  long long millis = 0;   // fake time of the event
  friend bool operator==(const MidiEvent&, const MidiEvent&) = default;
};

class RecordingOutput : public MidiOutput {
 public:
  explicit RecordingOutput(const FakeClock& clock) : m_clock(clock) {}
  void open() override {
    events.push_back({MidiEvent::Open, 0, m_clock.Millis()});
    if (onOpen) onOpen();
  }
  void send(std::uint32_t message) override {
    ASSERT_EQ(message & 0xF0u, 0x90u) << "only note-on messages are sent";
    events.push_back({MidiEvent::NoteOn, static_cast<int>((message >> 8) & 0x7Fu), m_clock.Millis()});
  }
  void close() override { events.push_back({MidiEvent::Close, 0, m_clock.Millis()}); }

  std::vector<int> Notes() const {
    std::vector<int> notes;
    for (const MidiEvent& e : events)
      if (e.kind == MidiEvent::NoteOn) notes.push_back(e.note);
    return notes;
  }
  // Note groups between an open and its close, with the time each was opened
  // and closed.
  struct Sound {
    std::vector<int> notes;
    long long openedAt = 0;
    long long closedAt = 0;
  };
  std::vector<Sound> Sounds() const {
    std::vector<Sound> sounds;
    for (const MidiEvent& e : events) {
      if (e.kind == MidiEvent::Open) sounds.push_back({{}, e.millis, e.millis});
      if (e.kind == MidiEvent::NoteOn && !sounds.empty()) sounds.back().notes.push_back(e.note);
      if (e.kind == MidiEvent::Close && !sounds.empty()) sounds.back().closedAt = e.millis;
    }
    return sounds;
  }

  std::vector<MidiEvent> events;
  std::function<void()> onOpen;

 private:
  const FakeClock& m_clock;
};

// The dialog with its questions answered by the test and its messages
// recorded instead of shown in modal boxes.
class TestDialog : public CFretboardDlg {
 public:
  using CFretboardDlg::CFretboardDlg;
  using CFretboardDlg::UnsavedChoice;

  int sequenceFullMessages = 0;
  int endQuestions = 0;
  bool allowEnd = true;  // false refuses every end before the real check
  bool ConfirmEnd() override {
    ++endQuestions;
    return allowEnd && CFretboardDlg::ConfirmEnd();
  }

  // Answers for the file dialogs; an empty name stands for Cancel.
  QString openAnswer;
  QString saveAnswer;
  bool replaceAnswer = true;
  UnsavedChoice unsavedAnswer = UnsavedChoice::Cancel;
  // What was asked and told.
  int openQuestions = 0;
  int saveQuestions = 0;
  std::vector<QString> replaceQuestions;
  int unsavedQuestions = 0;
  std::vector<QString> fileProblems;

 protected:
  void ShowSequenceFull() override { ++sequenceFullMessages; }
  QString AskOpenFileName() override {
    ++openQuestions;
    return openAnswer;
  }
  QString AskSaveFileName() override {
    ++saveQuestions;
    return saveAnswer;
  }
  bool AskReplace(const QString& file) override {
    replaceQuestions.push_back(file);
    return replaceAnswer;
  }
  UnsavedChoice AskSaveChanges() override {
    ++unsavedQuestions;
    return unsavedAnswer;
  }
  void ShowFileProblem(const QString& message) override { fileProblems.push_back(message); }
};

class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The chord state is static storage that a real run starts with zeroed.
    g_currentChord.fill(0);
    g_stringCursor = 0;
    for (auto& row : g_chordRows) std::fill(std::begin(row), std::end(row), 0);
    for (auto& row : g_fretRows) std::fill(std::begin(row), std::end(row), 0);
    dlg = std::make_unique<TestDialog>(output, clock.MakeTiming());
    dlg->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
  }
  void TearDown() override {
    clock.duringWait = nullptr;
    output.onOpen = nullptr;
    dlg.reset();
  }

  // A client pixel as a point of the dialog's window, below the menu bar.
  QPoint ToWindow(QPoint client) const { return dlg->ClientArea()->mapTo(dlg.get(), client); }
  QWindow* Window() const { return dlg->windowHandle(); }

  // Real presses and moves, hit-tested by Qt from the window down.
  void ClickClient(QPoint client) {
    QTest::mouseClick(Window(), Qt::LeftButton, Qt::NoModifier, ToWindow(client));
  }
  void MoveClient(QPoint client) { QTest::mouseMove(Window(), ToWindow(client)); }
  QPoint EntryInWindow(CComboList& list, int index) {
    list.List()->scrollToItem(list.List()->item(index));
    return list.mapTo(dlg.get(), list.EntryRect(index).center());
  }
  void ClickEntry(CComboList& list, int index) {
    QTest::mouseClick(Window(), Qt::LeftButton, Qt::NoModifier, EntryInWindow(list, index));
  }
  void DoubleClickEntry(CComboList& list, int index) {
    const QPoint at = EntryInWindow(list, index);
    QTest::mouseClick(Window(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(Window(), Qt::LeftButton, Qt::NoModifier, at);
  }
  void TypeInto(CComboList& list, const QString& text) {
    list.Edit()->setFocus();
    QTest::keyClicks(list.Edit(), text);
  }
  void Key(Qt::Key key) { QTest::keyClick(Window(), key); }

  QImage ClientImage() const {
    return dlg->ClientArea()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  }
  // The picture area of the client, in picture pixels.
  QImage PictureImage() const {
    return ClientImage().copy(QRect(kPictureOrigin, kPictureSize));
  }

  FakeClock clock;
  RecordingOutput output{clock};
  std::unique_ptr<TestDialog> dlg;
};

inline QColor At(const QImage& image, QPoint p) { return image.pixelColor(p); }
inline QColor At(const QImage& image, int x, int y) { return image.pixelColor(x, y); }

}  // namespace fretlab::testing
