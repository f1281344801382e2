#include "ui/practice/explore_mode.h"

#include <QLabel>
#include <QVBoxLayout>

#include "ui/practice/neck_widget.h"

namespace fretlab {

ExploreMode::ExploreMode(PracticeHost& host) : PracticeMode(host) {}

QWidget* ExploreMode::page() {
  if (m_page != nullptr) return m_page;
  m_page = new QWidget;
  auto* layout = new QVBoxLayout(m_page);
  auto* help = new QLabel(
      tr("Point at the neck to see a note; click it (or press Enter on the cursor) to hear it. "
         "Play walks the marked notes up and back, Strum sounds the chord, Escape stops."),
      m_page);
  help->setWordWrap(true);
  layout->addWidget(help);
  layout->addStretch();
  return m_page;
}

void ExploreMode::showOnNeck() {
  host().neck().setMarks(BuildMarks(host().view()));
  host().neck().setMuted({});
}

void ExploreMode::positionClicked(Position position) {
  if (position.fret < host().view().capo) return;  // behind the capo nothing sounds
  host().soundPosition(position);
}

}  // namespace fretlab
