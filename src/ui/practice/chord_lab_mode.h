#pragma once
// The chord lab: clicks build a chord one position per string (a second
// click on a string moves it, the column beside the open strings mutes the
// string), its name and the other readings show as it changes (and are told
// to a screen reader), and Strum sounds it. While the guitar is heard, a
// note played goes onto the string picked (by a click, or with the arrow
// keys), and the next string up is picked for the next note; a note that
// string cannot reach gets one line.

#include "practice/chord_lab.h"
#include "practice/practice_view.h"
#include "ui/practice/practice_mode.h"

class QLabel;

namespace fretlab {

class ChordLabMode : public PracticeMode {
  Q_OBJECT

 public:
  explicit ChordLabMode(PracticeHost& host);

  QString title() const override { return tr("Chord lab"); }
  QWidget* page() override;
  void showOnNeck() override;
  void positionClicked(Position position) override;
  void muteClicked(StringIndex string) override;
  bool play() override;
  bool strum() override;
  void noteHeard(const LiveNote& note) override;
  void listeningChanged(bool listening) override;

  const ChordShape& shape() const { return m_shape; }
  // Takes a voicing (frets by string from the top, kMuted for a mute) as
  // the shape to work on.
  void takeFrets(const std::vector<FretIndex>& frets);
  QString nameText() const;
  QString alternativesText() const;
  // The string a note played goes to, 0 = the top (thinnest).
  StringIndex pickedString() const { return m_string; }
  // "Play a note for string 6, E string": shown while listening.
  QLabel* pickedLabel() const { return m_picked; }
  // Why the last note played did not go onto the string.
  QLabel* reachLabel() const { return m_reach; }
  // The labels a screen reader reads: the name and the other readings, each
  // with what it says as its accessible description.
  QLabel* nameLabel() const { return m_name; }
  QLabel* alternativesLabel() const { return m_alternatives; }

 private:
  void changed();
  void pickString(StringIndex string);
  std::vector<NeckMark> shapeMarks(const ChordName& name) const;

  ChordShape m_shape;
  StringIndex m_string = 5;
  QWidget* m_page = nullptr;
  QLabel* m_name = nullptr;
  QLabel* m_alternatives = nullptr;
  QLabel* m_frets = nullptr;
  QLabel* m_picked = nullptr;
  QLabel* m_reach = nullptr;
};

}  // namespace fretlab
