#pragma once
// The first mode: the choice marked on the neck; a click or Enter sounds the
// position, Play walks the shown notes, Strum sounds the shown chord.

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

 private:
  QWidget* m_page = nullptr;
};

}  // namespace fretlab
