#include "ui/practice/chord_lab_mode.h"

#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/practice/neck_widget.h"

namespace fretlab {

namespace {

// The degree a sounding tone plays in a reading, with its alteration
// against the major scale (the ♭3 of a minor chord).
Degree DegreeInReading(const ChordReading& reading, int pitchClass) {
  const int semitones = PitchClass(pitchClass - reading.root);
  const int number = reading.toneDegrees[semitones] > 0 ? reading.toneDegrees[semitones] : 1;
  int alteration = semitones - Degree{number, 0}.Semitones();
  if (alteration > 6) alteration -= 12;
  if (alteration < -6) alteration += 12;
  return {number, alteration};
}

}  // namespace

ChordLabMode::ChordLabMode(PracticeHost& host) : PracticeMode(host) {}

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
  layout->addStretch();
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
    NeckMark mark;
    mark.position = p.position;
    mark.note = p.note;
    if (name.Named() && name.Best().kind != ChordKind::SingleNote) {
      const ChordReading& r = name.Best();
      mark.degree = DegreeInReading(r, PitchClass(p.note));
      mark.name = r.Spell(PitchClass(p.note));
    } else {
      mark.name = NoteNameAt(view, p.position);
    }
    mark.root = mark.degree.IsRoot();
    switch (view.labels) {
      case LabelMode::kNoteNames:
        mark.label = NoteName(mark.name, NoteNaming{SignStyle::kUnicode, view.noteNames});
        break;
      case LabelMode::kIntervals: mark.label = IntervalLabel(mark.degree); break;
      case LabelMode::kDegrees: mark.label = DegreeLabel(mark.degree); break;
      case LabelMode::kNone: break;
    }
    mark.fill = IntervalColour(mark.degree);
    mark.text = IntervalTextColour(mark.degree);
    marks.push_back(mark);
  }
  return marks;
}

void ChordLabMode::positionClicked(Position position) {
  if (position.fret < host().view().capo) return;  // behind the capo nothing sounds
  m_shape.Pick(position);
  if (m_shape.FretOf(position.string)) host().soundPosition(position);
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

void ChordLabMode::changed() {
  if (m_name != nullptr) {
    m_name->setText(nameText());
    const QString others = alternativesText();
    m_alternatives->setText(others.isEmpty() ? QString() : tr("Also: %1").arg(others));
    m_frets->setText(tr("Frets: %1").arg(QString::fromStdString(ShapeText(m_shape))));
  }
  if (isActive()) showOnNeck();
}

}  // namespace fretlab
