#pragma once
// The chord lab: clicks build a chord one position per string (a second
// click on a string moves it, the column beside the open strings mutes the
// string), its name and the other readings show as it changes (and are told
// to a screen reader), and Strum sounds it.

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

  const ChordShape& shape() const { return m_shape; }
  QString nameText() const;
  QString alternativesText() const;
  // The labels a screen reader reads: the name and the other readings, each
  // with what it says as its accessible description.
  QLabel* nameLabel() const { return m_name; }
  QLabel* alternativesLabel() const { return m_alternatives; }

 private:
  void changed();
  std::vector<NeckMark> shapeMarks(const ChordName& name) const;

  ChordShape m_shape;
  QWidget* m_page = nullptr;
  QLabel* m_name = nullptr;
  QLabel* m_alternatives = nullptr;
  QLabel* m_frets = nullptr;
};

}  // namespace fretlab
