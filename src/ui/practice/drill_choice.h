#pragma once
// The choice of a drill and its round: which drill, on which strings, how
// many questions or minutes, the MIDI instrument, and the round's options
// (the ear drill's reference, missed questions again, going on by itself
// after a miss), which are remembered.

#include <QString>
#include <QWidget>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "practice/round.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSettings;
class QSpinBox;

namespace fretlab {

class DrillChoice : public QWidget {
  Q_OBJECT

 public:
  // `drillNames` in the order of the drills; `midiPorts` the instruments'
  // ports to offer. `settings` must outlive the choice.
  DrillChoice(const std::vector<QString>& drillNames, const std::vector<std::string>& midiPorts,
              QSettings& settings, QWidget* parent = nullptr);

  QComboBox* drillBox() const { return m_drill; }
  QLineEdit* stringsField() const { return m_strings; }
  QSpinBox* questionsBox() const { return m_questions; }
  QSpinBox* minutesBox() const { return m_minutes; }
  // 0: none, 1: a port of our own, then the ports offered.
  QComboBox* midiBox() const { return m_midiBox; }
  // The ear drill: the key's root first as a reference.
  QCheckBox* referenceBox() const { return m_reference; }
  // Ask a missed question again later in the round.
  QCheckBox* repeatMissedBox() const { return m_repeatMissed; }
  // After a miss, go on by itself after this many seconds; 0: wait for Next.
  QSpinBox* goOnBox() const { return m_goOn; }
  QPushButton* startButton() const { return m_start; }

  practice::QuestionKind kind() const;
  practice::RoundLimit limit() const;
  // The strings typed, as a mask for NeckArea::strings; nothing when they
  // cannot be read for a tuning of `stringCount` strings.
  std::optional<std::uint32_t> strings(int stringCount) const;

 private:
  QComboBox* m_drill = nullptr;
  QLineEdit* m_strings = nullptr;
  QSpinBox* m_questions = nullptr;
  QSpinBox* m_minutes = nullptr;
  QComboBox* m_midiBox = nullptr;
  QCheckBox* m_reference = nullptr;
  QCheckBox* m_repeatMissed = nullptr;
  QSpinBox* m_goOn = nullptr;
  QPushButton* m_start = nullptr;
};

}  // namespace fretlab
