#pragma once
// The Chords tab: a chord symbol typed ("Cmaj7", "G7b9", "D/F#"), every
// voicing the finder has for it in the window's tuning and capo, best
// first; a click on one shows it on the neck and strums it, and "Open in
// Chord lab" takes it there to be changed and named. The symbol is
// remembered between runs.

#include <optional>
#include <vector>

#include "theory/voicing_finder.h"
#include "ui/practice/practice_mode.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace fretlab {

class ChordsMode : public PracticeMode {
  Q_OBJECT

 public:
  // The rows the list shows at most; the count of all is said beside it.
  static constexpr std::size_t kShownVoicings = 200;

  explicit ChordsMode(PracticeHost& host);

  QString title() const override { return tr("Chords"); }
  QWidget* page() override;
  void showOnNeck() override;
  void positionClicked(Position position) override;
  bool play() override;
  bool strum() override;

  // Reads the symbol field and lists its voicings again.
  void rebuild();
  const std::vector<Voicing>& voicings() const { return m_voicings; }
  const Voicing* selected() const;

  QLineEdit* symbolField() const { return m_symbol; }
  QListWidget* list() const { return m_list; }
  QLabel* statusLabel() const { return m_status; }
  QPushButton* chordLabButton() const { return m_toLab; }

 signals:
  // "Open in Chord lab": the selected voicing's frets, by string from the top.
  void openInChordLab(const std::vector<fretlab::FretIndex>& frets);

 private:
  void selectionChanged();

  std::optional<ChordSymbol> m_chord;
  std::vector<Voicing> m_voicings;
  // The neck the list was made for: a new tuning or capo makes it again.
  Tuning m_tuning;
  int m_capo = -1;
  QWidget* m_page = nullptr;
  QLineEdit* m_symbol = nullptr;
  QLabel* m_status = nullptr;
  QListWidget* m_list = nullptr;
  QPushButton* m_toLab = nullptr;
};

}  // namespace fretlab
