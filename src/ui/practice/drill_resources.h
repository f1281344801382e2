#pragma once
// What the drills hold from outside: the practice history, opened when
// first needed from the services, and the MIDI instrument whose notes
// answer on the window's thread. Their one-line messages (a history that
// cannot be written, a port that cannot be opened) go to `message`.

#include <QString>
#include <functional>
#include <memory>

#include "practice/history/history_thread.h"
#include "ui/practice/drill_services.h"
#include "ui/practice/midi_answers.h"

namespace fretlab {

class DrillResources {
 public:
  // `answer` gets each note played; `message` each line for the user.
  DrillResources(DrillServices services, std::function<void(int note)> answer,
                 std::function<void(const QString&)> message);

  // Opens the history the services give, unless one is open: at the start
  // of a round and for the progress view, never before.
  practice::HistoryThread* openHistory();
  practice::HistoryThread* history() const { return m_history.get(); }
  // A history of the caller's own in place of the user's (tests,
  // benchmarks); `opened` hears of every history that comes into use.
  void useHistory(std::unique_ptr<practice::HistoryThread> history);
  void onHistory(std::function<void(practice::HistoryThread*)> opened) { m_opened = std::move(opened); }

  // The instruments' ports to offer.
  std::vector<std::string> midiPorts() const;
  // Answers from `input` (null: none).
  void useMidiInput(std::unique_ptr<MidiInput> input) { m_midi.use(std::move(input)); }
  // A port by name ("": one of our own); the line that says so or why not
  // also goes to `message`.
  MidiChoice openMidiInput(const QString& name);
  // The chooser's row: 0 none, 1 a port of our own, else the port `name`.
  void chooseMidiInput(int row, const QString& name);

 private:
  DrillServices m_services;
  std::function<void(const QString&)> m_message;
  std::function<void(practice::HistoryThread*)> m_opened;
  std::unique_ptr<practice::HistoryThread> m_history;
  MidiAnswers m_midi;
};

}  // namespace fretlab
