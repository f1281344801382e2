// Note-ons from a MIDI instrument reach the drills on the window's thread,
// whichever thread the instrument's port calls from, and nothing arrives
// once the answers are taken down.

#include "ui/practice/midi_answers.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <thread>
#include <vector>

#include "support/fed_midi_input.h"

namespace fretlab::testing {
namespace {

TEST(MidiAnswers, NoteOnsFromAnotherThreadArriveOnTheOwnersThread) {
  std::vector<int> notes;
  std::vector<std::thread::id> threads;
  MidiAnswers answers([&](int note) {
    notes.push_back(note);
    threads.push_back(std::this_thread::get_id());
  });
  auto input = std::make_unique<FedMidiInput>();
  FedMidiInput& keys = *input;
  answers.use(std::move(input));
  std::thread device([&] {
    keys.NoteOn(60);
    keys.NoteOn(62, 0);  // a note-off by MIDI's own rule
    keys.NoteOn(64);
  });
  device.join();
  EXPECT_TRUE(notes.empty()) << "answered off the owner's thread";
  QCoreApplication::processEvents();
  EXPECT_EQ(notes, (std::vector<int>{60, 64}));
  for (std::thread::id id : threads) EXPECT_EQ(id, std::this_thread::get_id());
}

TEST(MidiAnswers, ANoteStillQueuedWhenTheAnswersGoIsDropped) {
  std::vector<int> notes;
  {
    MidiAnswers answers([&](int note) { notes.push_back(note); });
    auto input = std::make_unique<FedMidiInput>();
    input->NoteOn(59);  // before it answers: nobody listens yet
    FedMidiInput& keys = *input;
    answers.use(std::move(input));
    keys.NoteOn(60);
  }
  QCoreApplication::processEvents();
  EXPECT_TRUE(notes.empty());
}

TEST(MidiAnswers, AnotherInstrumentTakesOver) {
  std::vector<int> notes;
  MidiAnswers answers([&](int note) { notes.push_back(note); });
  auto first = std::make_unique<FedMidiInput>();
  first->NoteOn(40);
  answers.use(std::move(first));
  auto second = std::make_unique<FedMidiInput>();
  FedMidiInput& keys = *second;
  answers.use(std::move(second));
  keys.NoteOn(45);
  QCoreApplication::processEvents();
  EXPECT_EQ(notes, std::vector<int>{45});
}

}  // namespace
}  // namespace fretlab::testing
