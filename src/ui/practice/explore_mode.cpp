#include "ui/practice/explore_mode.h"

#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/practice/neck_widget.h"
#include "ui/practice/round_panel.h"

namespace fretlab {

namespace {

const QColor kPlayedRing(0xD5, 0x5E, 0x00);

}  // namespace

ExploreMode::ExploreMode(PracticeHost& host) : PracticeMode(host) {}

QWidget* ExploreMode::page() {
  if (m_page != nullptr) return m_page;
  m_page = new QWidget;
  auto* layout = new QVBoxLayout(m_page);
  auto* help = new QLabel(
      tr("Point at the neck to see a note; click it (or press Enter on the cursor) to hear it. "
         "Play walks the marked notes up and back, Strum sounds the chord, Escape stops. "
         "With \u201CListen to my guitar\u201D on, a note you play shows wherever it is on the neck."),
      m_page);
  help->setWordWrap(true);
  layout->addWidget(help);
  m_played = new QLabel(m_page);
  m_played->setWordWrap(true);
  m_played->setAccessibleName(tr("What you played"));
  m_played->hide();
  QFont big = m_played->font();
  big.setPointSizeF(big.pointSizeF() * 1.3);
  m_played->setFont(big);
  layout->addWidget(m_played);
  layout->addStretch();
  return m_page;
}

void ExploreMode::showOnNeck() {
  const PracticeView view = host().view();
  std::vector<NeckMark> marks = BuildMarks(view);
  if (m_heard) {
    // The key may have changed since: the note is named in the one shown.
    const PlayedNote played = DescribePlayed(view, *m_heard);
    for (const NeckMark& mark : PlayedMarks(played)) {
      const bool shown = std::any_of(marks.begin(), marks.end(),
                                     [&](const NeckMark& m) { return m.position == mark.position; });
      if (!shown) marks.push_back(mark);
    }
    host().neck().setHighlights(played.positions, kPlayedRing);
    if (m_played != nullptr) RoundPanel::announce(m_played, QString::fromStdString(PlayedNoteText(view, played)));
  }
  host().neck().setMarks(std::move(marks));
  host().neck().setMuted({});
}

void ExploreMode::positionClicked(Position position) {
  if (position.fret < host().view().capo) return;  // behind the capo nothing sounds
  host().soundPosition(position);
}

void ExploreMode::noteHeard(const LiveNote& note) {
  m_heard = note.heard.note;
  showOnNeck();
}

void ExploreMode::listeningChanged(bool listening) {
  if (listening || !m_heard) return;
  m_heard.reset();
  if (m_played != nullptr) RoundPanel::announce(m_played, {});
  if (isActive()) {
    host().neck().clearHighlights();
    showOnNeck();
  }
}

void ExploreMode::deactivate() {
  m_heard.reset();
  if (m_played != nullptr) RoundPanel::announce(m_played, {});
  host().neck().clearHighlights();
}

}  // namespace fretlab
