#pragma once
// The ear drills' own choices, under the choice of drill while one of them
// is chosen: how an interval's notes sound and how it is answered, which
// intervals, qualities or scales are in play (a ladder of presets), a
// chord strummed or arpeggiated and answered by its name or its voicing, a scale up or as a phrase, and the tempo.
// Every choice is remembered.

#include <QWidget>

#include "practice/drill.h"

class QComboBox;
class QFormLayout;
class QSettings;
class QSpinBox;

namespace fretlab {

class EarChoice : public QWidget {
  Q_OBJECT

 public:
  // `settings` must outlive the choice.
  explicit EarChoice(QSettings& settings, QWidget* parent = nullptr);

  // Shows the rows of `kind`'s drill; hides itself for any other drill.
  void showFor(practice::QuestionKind kind);
  // The choices as the core takes them (the phrases' seed left as it is).
  practice::EarOptions options() const;

  QComboBox* directionBox() const { return m_direction; }
  QComboBox* ladderBox() const { return m_ladder; }
  QComboBox* answerBox() const { return m_answer; }
  // Chord quality: by its name, or its voicing picked on the neck.
  QComboBox* chordAnswerBox() const { return m_chordAnswer; }
  QComboBox* chordBox() const { return m_chord; }
  QComboBox* scaleBox() const { return m_scale; }
  QSpinBox* tempoBox() const { return m_tempo; }

 private:
  QSettings& m_settings;
  practice::QuestionKind m_kind = practice::QuestionKind::kEarInterval;
  int m_steps[3] = {0, 0, 0};  // the ladder's step per ear drill
  QFormLayout* m_form = nullptr;
  QComboBox* m_direction = nullptr;
  QComboBox* m_ladder = nullptr;
  QComboBox* m_answer = nullptr;
  QComboBox* m_chordAnswer = nullptr;
  QComboBox* m_chord = nullptr;
  QComboBox* m_scale = nullptr;
  QSpinBox* m_tempo = nullptr;
};

}  // namespace fretlab
