#pragma once
// The first mode: the choice marked on the neck; a click or Enter sounds the
// position, Play walks the shown notes, Strum sounds the shown chord. While
// the guitar is heard, "What am I playing?": the note played is ringed at
// every position it has on the neck and named with its interval and degree
// in the key shown, until the next note.

#include <optional>

#include "practice/played_note.h"
#include "ui/practice/practice_mode.h"

class QLabel;

namespace fretlab {

class ExploreMode : public PracticeMode {
  Q_OBJECT

 public:
  explicit ExploreMode(PracticeHost& host);

  QString title() const override { return tr("Explore"); }
  QWidget* page() override;
  void showOnNeck() override;
  void positionClicked(Position position) override;
  void noteHeard(const LiveNote& note) override;
  void listeningChanged(bool listening) override;

  // The last note heard, named: "A3: 6, major sixth above C; degree 6 of C major".
  QLabel* playedLabel() const { return m_played; }

 protected:
  void deactivate() override;

 private:
  std::optional<NoteNumber> m_heard;
  QWidget* m_page = nullptr;
  QLabel* m_played = nullptr;
};

}  // namespace fretlab
