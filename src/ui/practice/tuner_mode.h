#pragma once
// The Tuner mode: the tuning chosen beside the neck (any preset or notes
// typed, the capo raising every string) tuned by ear through the sound
// input. Each reading (25 a second) names the nearest string and its note
// and moves the needle by the cents it is off, which is also written out;
// the neck marks every string's note at the capo and rings the nearest.
// Listening stays the user's choice: the page says how to switch it on.

#include <optional>

#include "ui/practice/practice_mode.h"

class QLabel;

namespace fretlab {

class TunerNeedle;

class TunerMode : public PracticeMode {
  Q_OBJECT

 public:
  explicit TunerMode(PracticeHost& host);

  QString title() const override { return tr("Tuner"); }
  QWidget* page() override;
  void showOnNeck() override;
  // Clicking the neck sounds the string's note, to tune to by ear.
  void positionClicked(Position position) override;
  void tunerRead(const TunerReading& reading) override;
  void listeningChanged(bool listening) override;

  TunerNeedle* needle() const { return m_needle; }
  // "String 6, E string: E2": the nearest string and the note it is tuned to.
  QLabel* stringLabel() const { return m_string; }
  // "+3 cents, sharp": the deviation as a number.
  QLabel* centsLabel() const { return m_cents; }
  QLabel* stringsLabel() const { return m_strings; }
  QLabel* listenHint() const { return m_hint; }

 protected:
  void activated() override;
  void deactivate() override;

 private:
  void showReading();

  std::optional<TunerReading> m_reading;  // the last one, while a pitch is heard
  QWidget* m_page = nullptr;
  TunerNeedle* m_needle = nullptr;
  QLabel* m_string = nullptr;
  QLabel* m_cents = nullptr;
  QLabel* m_strings = nullptr;
  QLabel* m_hint = nullptr;
};

}  // namespace fretlab
