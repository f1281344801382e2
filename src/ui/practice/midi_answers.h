#pragma once
// Note-ons from a MIDI instrument, brought onto the window's thread: the
// input calls its handler on a thread of its own, and the answer must be
// given where the drill lives.

#include <QObject>
#include <functional>
#include <memory>

#include "sound/midi_input.h"

namespace fretlab {

class MidiAnswers {
 public:
  // `answer` runs on the thread that makes this object, with the note.
  explicit MidiAnswers(std::function<void(int note)> answer) : m_answer(std::move(answer)) {}
  ~MidiAnswers() { use(nullptr); }
  MidiAnswers(const MidiAnswers&) = delete;
  MidiAnswers& operator=(const MidiAnswers&) = delete;

  // Answers from `input` from now on (null: none).
  void use(std::unique_ptr<MidiInput> input);

 private:
  std::function<void(int)> m_answer;
  std::unique_ptr<MidiInput> m_input;
  QObject m_receiver;  // note-ons are queued to the thread it lives on
};

}  // namespace fretlab
