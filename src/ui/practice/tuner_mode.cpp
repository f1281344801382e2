#include "ui/practice/tuner_mode.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <cmath>

#include "ui/practice/neck_widget.h"
#include "ui/practice/tuner_needle.h"

namespace fretlab {

namespace {

const QColor kNearestRing(0xD5, 0x5E, 0x00);

QString Text(const std::string& text) { return QString::fromStdString(text); }

// Tuners name notes with sharps.
std::string TunerNote(int midi) { return NoteNameWithOctave(midi, SpellPitchClass(PitchClass(midi), Accidentals::kSharps)); }

QString CentsText(double cents) {
  const long rounded = std::lround(cents);
  // A real minus sign, as printed scales have it.
  const QString number = rounded < 0   ? QStringLiteral("\u2212%1").arg(-rounded)
                         : rounded > 0 ? QStringLiteral("+%1").arg(rounded)
                                       : QStringLiteral("0");
  if (std::fabs(cents) < TunerNeedle::kInTuneCents) return TunerMode::tr("%1 cents, in tune").arg(number);
  return (rounded < 0 ? TunerMode::tr("%1 cents, flat") : TunerMode::tr("%1 cents, sharp")).arg(number);
}

}  // namespace

TunerMode::TunerMode(PracticeHost& host) : PracticeMode(host) {}

QWidget* TunerMode::page() {
  if (m_page != nullptr) return m_page;
  m_page = new QWidget;
  // The needle beside its words, so that both fit the mode area's height.
  auto* row = new QHBoxLayout(m_page);
  m_needle = new TunerNeedle(m_page);
  row->addWidget(m_needle, 1);
  auto* layout = new QVBoxLayout;
  row->addLayout(layout, 1);
  m_hint = new QLabel(tr("Switch on \u201CListen to my guitar\u201D (above the controls, or Ctrl+Shift+L) "
                         "and play one string at a time."),
                      m_page);
  m_hint->setWordWrap(true);
  layout->addWidget(m_hint);
  m_string = new QLabel(m_page);
  QFont big = m_string->font();
  big.setPointSizeF(big.pointSizeF() * 1.4);
  big.setBold(true);
  m_string->setFont(big);
  m_string->setAccessibleName(tr("Nearest string"));
  m_string->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  layout->addWidget(m_string);
  m_cents = new QLabel(m_page);
  m_cents->setFont(big);
  m_cents->setAccessibleName(tr("Deviation in cents"));
  m_cents->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  layout->addWidget(m_cents);
  m_strings = new QLabel(m_page);
  m_strings->setWordWrap(true);
  m_strings->setAccessibleName(tr("The strings' notes"));
  layout->addWidget(m_strings);
  layout->addStretch();
  listeningChanged(host().listening().isListening());
  showReading();
  return m_page;
}

void TunerMode::activated() {
  m_reading.reset();
  showReading();
}

void TunerMode::deactivate() {
  host().listening().clearTuner();
  host().neck().clearHighlights();
}

void TunerMode::showOnNeck() {
  // The tuning or the capo may have changed: the tuner follows them.
  const PracticeView view = host().view();
  host().listening().setTuner(view.tuning, view.capo);
  std::vector<NeckMark> marks;
  QStringList notes;
  for (StringIndex s = view.tuning.StringCount() - 1; s >= 0; --s) {
    const int note = view.tuning.NoteAt(s, view.capo);
    NeckMark mark;
    mark.position = {s, view.capo};
    mark.note = note;
    mark.name = SpellPitchClass(PitchClass(note), Accidentals::kSharps);
    mark.label = NoteName(mark.name);
    mark.fill = {0xF0, 0xE4, 0x42};
    marks.push_back(mark);
    notes << Text(TunerNote(note));
  }
  host().neck().setMarks(std::move(marks));
  host().neck().setMuted({});
  if (m_strings != nullptr) {
    m_strings->setText(view.capo == 0 ? tr("Strings, lowest first: %1").arg(notes.join(QLatin1Char(' ')))
                                      : tr("Strings with the capo on fret %1, lowest first: %2")
                                            .arg(view.capo)
                                            .arg(notes.join(QLatin1Char(' '))));
  }
  showReading();
}

void TunerMode::positionClicked(Position position) {
  if (position.fret < host().view().capo) return;
  host().soundPosition(position);
}

void TunerMode::tunerRead(const TunerReading& reading) {
  if (reading.heard) {
    m_reading = reading;
  } else {
    m_reading.reset();
  }
  showReading();
}

void TunerMode::listeningChanged(bool listening) {
  if (m_hint != nullptr) m_hint->setVisible(!listening);
  if (!listening) {
    m_reading.reset();
    showReading();
  }
}

void TunerMode::showReading() {
  if (m_page == nullptr) return;
  const PracticeView view = host().view();
  if (!m_reading || m_reading->target.string >= view.tuning.StringCount()) {
    m_needle->setCents(std::nullopt);
    m_string->setText(tr("Play one string"));
    m_cents->setText(tr("\u2014 cents"));
    if (isActive()) host().neck().clearHighlights();
    return;
  }
  const StringTarget& t = m_reading->target;
  m_needle->setCents(t.cents);
  m_string->setText(tr("String %1, %2 string: %3")
                        .arg(t.string + 1)
                        .arg(Text(StringName(view.tuning, t.string)))
                        .arg(Text(TunerNote(t.note))));
  m_cents->setText(CentsText(t.cents) + QStringLiteral("  (%1 Hz)").arg(m_reading->hz, 0, 'f', 1));
  m_string->setAccessibleDescription(m_string->text());
  m_cents->setAccessibleDescription(m_cents->text());
  if (isActive()) host().neck().setHighlights({{t.string, view.capo}}, kNearestRing);
}

}  // namespace fretlab
