#include "ui/practice/midi_answers.h"

namespace fretlab {

void MidiAnswers::use(std::unique_ptr<MidiInput> input) {
  if (m_input) m_input->SetHandler(nullptr);
  m_input = std::move(input);
  if (!m_input) return;
  // Detaching waits for a running handler, and Qt drops what is still
  // queued for the receiver when it goes.
  m_input->SetHandler([this](const MidiNoteOn& noteOn) {
    QMetaObject::invokeMethod(
        &m_receiver, [this, note = noteOn.note] { m_answer(note); }, Qt::QueuedConnection);
  });
}

}  // namespace fretlab
