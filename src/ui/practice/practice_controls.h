#pragma once
// The controls beside the neck: tuning (tuning_rows.h), capo, fret range or
// the whole neck, spacing, handedness, root and its spelling, the kind of
// choice and the choice (the user's own scales too, made with My scales…),
// the position or triads shown, labels, the ♯/♭ preference and the note
// names. Every change is reported at once through choicesChanged(); nothing
// sounds.

#include <QWidget>

#include "ui/practice/practice_settings.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace fretlab {

class ShapeControls;
class TuningRows;

class PracticeControls : public QWidget {
  Q_OBJECT

 public:
  explicit PracticeControls(QWidget* parent = nullptr);

  const PracticeChoices& choices() const { return m_choices; }
  void setChoices(const PracticeChoices& choices);

  // The switches the window's shortcuts reach.
  void stepRoot(int semitones);
  void stepEntry(int rows);
  void stepPosition(int step);
  void nextLabels();
  void setLeftHanded(bool left);

  QComboBox* tuningBox() const;
  QLineEdit* tuningNotesEdit() const;
  TuningRows* tuningRows() const { return m_tuning; }
  QComboBox* rootBox() const { return m_root; }
  QComboBox* kindBox() const { return m_kind; }
  QComboBox* entryBox() const { return m_entry; }
  QComboBox* labelsBox() const { return m_labels; }
  QComboBox* noteNamesBox() const { return m_noteNames; }
  QSpinBox* capoBox() const { return m_capo; }
  ShapeControls* shapes() const { return m_shapes; }
  QPushButton* myScalesButton() const { return m_myScales; }

 signals:
  void choicesChanged();

 private:
  QWidget* makeNeckGroup();
  QWidget* makeChoiceGroup();
  void fillEntries();
  void showChoices();
  void readControls();
  void editUserScales();
  void changed();  // shows the choices and reports them

  PracticeChoices m_choices;
  bool m_showing = false;  // true while the controls are being set from m_choices
  TuningRows* m_tuning = nullptr;
  QSpinBox* m_capo = nullptr;
  QCheckBox* m_wholeNeck = nullptr;
  QSpinBox* m_from = nullptr;
  QSpinBox* m_to = nullptr;
  QComboBox* m_spacing = nullptr;
  QCheckBox* m_leftHanded = nullptr;
  QComboBox* m_root = nullptr;
  QCheckBox* m_otherRoot = nullptr;
  QComboBox* m_kind = nullptr;
  QComboBox* m_entry = nullptr;
  QComboBox* m_labels = nullptr;
  QComboBox* m_accidentals = nullptr;
  QPushButton* m_myScales = nullptr;
  ShapeControls* m_shapes = nullptr;
  QComboBox* m_noteNames = nullptr;
};

}  // namespace fretlab
