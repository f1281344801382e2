#include "ui/practice/chord_lab_mode.h"

#include <QAccessible>
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "practice/played_note.h"
#include "theory/voicing.h"
#include "ui/practice/neck_widget.h"
#include "ui/practice/round_panel.h"

namespace fretlab {

namespace {

// The label's name says what it is ("Chord name"); its description is what
// it now says, and a screen reader is told when that changes.
void Announce(QLabel* label, const QString& text) {
  label->setText(text);
  if (label->accessibleDescription() == text) return;
  label->setAccessibleDescription(text);
  QAccessibleEvent changed(label, QAccessible::DescriptionChanged);
  QAccessible::updateAccessibility(&changed);
}

}  // namespace

ChordLabMode::ChordLabMode(PracticeHost& host) : PracticeMode(host) {
  // The arrow keys pick the string a note played goes to.
  connect(&host.neck(), &NeckWidget::cursorMoved, this, [this](Position p) {
    if (isActive()) pickString(p.string);
  });
}

QWidget* ChordLabMode::page() {
  if (m_page != nullptr) return m_page;
  m_page = new QWidget;
  auto* layout = new QVBoxLayout(m_page);
  auto* help = new QLabel(tr("Click one position per string to build a chord; click beside an "
                             "open string to mute it."),
                          m_page);
  help->setWordWrap(true);
  layout->addWidget(help);
  m_name = new QLabel(m_page);
  QFont big = m_name->font();
  big.setPointSizeF(big.pointSizeF() * 2);
  big.setBold(true);
  m_name->setFont(big);
  m_name->setAccessibleName(tr("Chord name"));
  m_name->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  layout->addWidget(m_name);
  m_alternatives = new QLabel(m_page);
  m_alternatives->setWordWrap(true);
  m_alternatives->setAccessibleName(tr("Other names"));
  layout->addWidget(m_alternatives);
  m_frets = new QLabel(m_page);
  m_frets->setAccessibleName(tr("Frets from the lowest string"));
  layout->addWidget(m_frets);
  auto* clear = new QPushButton(tr("Clear chor&d"), m_page);
  clear->setAccessibleName(tr("Clear chord"));
  connect(clear, &QPushButton::clicked, this, [this] {
    m_shape.Reset(host().view().tuning.StringCount());
    changed();
  });
  layout->addWidget(clear);
  m_picked = new QLabel(m_page);
  m_picked->setAccessibleName(tr("String for the note you play"));
  layout->addWidget(m_picked);
  m_reach = new QLabel(m_page);
  m_reach->setWordWrap(true);
  m_reach->setAccessibleName(tr("Note out of reach"));
  m_reach->hide();
  layout->addWidget(m_reach);
  layout->addStretch();
  listeningChanged(host().listening().isListening());
  pickString(host().view().tuning.StringCount() - 1);
  changed();
  return m_page;
}

QString ChordLabMode::nameText() const {
  return QString::fromStdString(ChordLabText(NameShape(m_shape, host().view().tuning)));
}

QString ChordLabMode::alternativesText() const {
  return QString::fromStdString(ChordLabAlternatives(NameShape(m_shape, host().view().tuning)));
}

void ChordLabMode::showOnNeck() {
  if (m_shape.StringCount() != host().view().tuning.StringCount()) {
    m_shape.Reset(host().view().tuning.StringCount());
    pickString(m_shape.StringCount() - 1);  // the lowest string
    changed();
    return;
  }
  const ChordName name = NameShape(m_shape, host().view().tuning);
  host().neck().setMarks(shapeMarks(name));
  std::vector<StringIndex> muted;
  for (StringIndex s = 0; s < m_shape.StringCount(); ++s) {
    if (m_shape.IsMuted(s)) muted.push_back(s);
  }
  host().neck().setMuted(muted);
}

std::vector<NeckMark> ChordLabMode::shapeMarks(const ChordName& name) const {
  const PracticeView view = host().view();
  std::vector<NeckMark> marks;
  for (const SoundedPosition& p : m_shape.Sounding(view.tuning)) {
    Degree degree;
    SpelledNote spelled = NoteNameAt(view, p.position);
    if (name.Named() && name.Best().kind != ChordKind::SingleNote) {
      degree = name.Best().DegreeOf(PitchClass(p.note));
      spelled = name.Best().Spell(PitchClass(p.note));
    }
    marks.push_back(MakeMark(view.labels, p.position, p.note, spelled, degree));
  }
  return marks;
}

void ChordLabMode::positionClicked(Position position) {
  if (position.fret < host().view().capo) return;  // behind the capo nothing sounds
  pickString(position.string);
  m_shape.Pick(position);
  if (m_shape.FretOf(position.string)) host().soundPosition(position);
  changed();
}

void ChordLabMode::takeFrets(const std::vector<FretIndex>& frets) {
  m_shape.Reset(static_cast<int>(frets.size()));
  for (StringIndex s = 0; s < static_cast<StringIndex>(frets.size()); ++s) {
    if (frets[s] == kMuted) {
      m_shape.ToggleMute(s);
    } else {
      m_shape.Pick({s, frets[s]});
    }
  }
  changed();
}

void ChordLabMode::muteClicked(StringIndex string) {
  m_shape.ToggleMute(string);
  changed();
}

bool ChordLabMode::play() {
  host().playPositions(m_shape.Sounding(host().view().tuning));
  return true;
}

bool ChordLabMode::strum() {
  host().strumPositions(m_shape.Sounding(host().view().tuning));
  return true;
}

void ChordLabMode::noteHeard(const LiveNote& note) {
  const PracticeView view = host().view();
  const StringIndex string = std::min(m_string, view.tuning.StringCount() - 1);
  const std::optional<FretIndex> fret = FretForNote(view.tuning, view.capo, string, note.heard.note);
  if (!fret) {
    RoundPanel::announce(m_reach, QString::fromStdString(OutOfReachText(view, string, note.heard.note)));
    return;
  }
  RoundPanel::announce(m_reach, {});
  m_shape.Place({string, *fret});
  changed();
  // The next string up takes the next note, so a chord is played string by string.
  host().neck().setCursorPosition({std::max(string - 1, 0), *fret});
  pickString(std::max(string - 1, 0));
}

void ChordLabMode::listeningChanged(bool listening) {
  if (m_picked == nullptr) return;
  m_picked->setVisible(listening);
  if (!listening) RoundPanel::announce(m_reach, {});
}

void ChordLabMode::pickString(StringIndex string) {
  m_string = string;
  if (m_picked == nullptr) return;
  const Tuning& tuning = host().view().tuning;
  if (string < 0 || string >= tuning.StringCount()) return;
  m_picked->setText(tr("Play a note for string %1, %2 string (click a string or use the arrow keys to pick another).")
                        .arg(string + 1)
                        .arg(QString::fromStdString(StringName(tuning, string))));
  m_picked->setAccessibleDescription(m_picked->text());
}

void ChordLabMode::changed() {
  if (m_name != nullptr) {
    Announce(m_name, nameText());
    const QString others = alternativesText();
    Announce(m_alternatives, others.isEmpty() ? QString() : tr("Also: %1").arg(others));
    m_frets->setText(tr("Frets: %1").arg(QString::fromStdString(ShapeText(m_shape))));
  }
  if (isActive()) showOnNeck();
}

}  // namespace fretlab
