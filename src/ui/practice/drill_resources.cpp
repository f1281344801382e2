#include "ui/practice/drill_resources.h"

#include <QCoreApplication>
#include <sstream>

namespace fretlab {

DrillResources::DrillResources(DrillServices services, std::function<void(int note)> answer,
                               std::function<void(const QString&)> message)
    : m_services(std::move(services)), m_message(std::move(message)), m_midi(std::move(answer)) {}

practice::HistoryThread* DrillResources::openHistory() {
  if (!m_history && m_services.openHistory) {
    if (auto opened = m_services.openHistory()) useHistory(std::move(opened));
  }
  return m_history.get();
}

void DrillResources::useHistory(std::unique_ptr<practice::HistoryThread> history) {
  m_history = std::move(history);
  if (m_history) m_history->SetMessageHandler(m_message);
  if (m_opened) m_opened(m_history.get());
}

std::vector<std::string> DrillResources::midiPorts() const {
  std::ostringstream quiet;  // no sequencer: said when the user picks a port
  return m_services.midiPorts ? m_services.midiPorts(quiet) : std::vector<std::string>{};
}

MidiChoice DrillResources::openMidiInput(const QString& name) {
  std::ostringstream diagnostics;
  std::string portName;
  std::unique_ptr<MidiInput> input =
      m_services.openMidi ? m_services.openMidi(name.toStdString(), diagnostics, portName) : nullptr;
  MidiChoice choice;
  if (input) {
    useMidiInput(std::move(input));
    choice = {true, QCoreApplication::translate("DrillMode", "Notes from the MIDI port %1 answer.")
                        .arg(QString::fromStdString(portName))};
  } else {
    choice = {false, QString::fromStdString(diagnostics.str()).trimmed()};
  }
  m_message(choice.message);
  return choice;
}

void DrillResources::chooseMidiInput(int row, const QString& name) {
  if (row == 0) {
    useMidiInput(nullptr);
    m_message(QString());
  } else {
    openMidiInput(row == 1 ? QString() : name);
  }
}

}  // namespace fretlab
