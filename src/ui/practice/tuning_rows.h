#pragma once
// The tuning rows of the Practice window's Neck group: a preset, or notes
// typed lowest string first, with a one-line error under them; notes typed
// from the top string down get a button that turns them round. The rows go
// into the group's form, so they line up with the other controls.

#include <QObject>

#include "theory/tuning.h"

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace fretlab {

class TuningRows : public QObject {
  Q_OBJECT

 public:
  TuningRows(QWidget* group, QFormLayout* form);

  // Shows `tuning` without reporting it back.
  void show(const Tuning& tuning);

  QComboBox* presetBox() const { return m_presets; }
  QLineEdit* notesEdit() const { return m_notes; }
  QLabel* errorLabel() const { return m_error; }
  QPushButton* turnButton() const { return m_turn; }

 signals:
  // A preset was chosen, or typed notes make a tuning.
  void tuningChosen(const fretlab::Tuning& tuning);

 private:
  void takeTypedNotes();
  void showError(const QString& error);  // empty: no error

  Tuning m_shown;
  bool m_showing = false;  // true while show() sets the controls
  QComboBox* m_presets = nullptr;
  QLineEdit* m_notes = nullptr;
  QLabel* m_error = nullptr;
  QPushButton* m_turn = nullptr;
};

}  // namespace fretlab
