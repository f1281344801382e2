#include "ui/practice/ear_choice.h"

#include <QComboBox>
#include <QFormLayout>
#include <QSettings>
#include <QSpinBox>
#include <algorithm>

#include "practice/ear_names.h"

namespace fretlab {

using practice::QuestionKind;

namespace {

const QString kDirectionKey = QStringLiteral("Practice/earDirection");
const QString kAnswerKey = QStringLiteral("Practice/earAnswerOnNeck");
const QString kChordAnswerKey = QStringLiteral("Practice/earChordAnswerOnNeck");
const QString kChordKey = QStringLiteral("Practice/earArpeggiated");
const QString kScaleKey = QStringLiteral("Practice/earPhrase");
const QString kTempoKey = QStringLiteral("Practice/earTempo");
const QString kStepKeys[3] = {QStringLiteral("Practice/earIntervalStep"),
                              QStringLiteral("Practice/earQualityStep"),
                              QStringLiteral("Practice/earScaleStep")};

// 0, 1, 2 for the ear drills in their order; -1 for the others.
int EarIndex(QuestionKind kind) {
  return practice::IsEarTraining(kind)
             ? static_cast<int>(kind) - static_cast<int>(QuestionKind::kEarInterval)
             : -1;
}

QStringList LadderItems(QuestionKind kind) {
  switch (kind) {
    case QuestionKind::kEarInterval:
      return {EarChoice::tr("P4 P5 P8"), EarChoice::tr("+ M3 m3"), EarChoice::tr("+ M2 m2"),
              EarChoice::tr("+ M6 m6"), EarChoice::tr("+ m7 M7 TT"), EarChoice::tr("+ compound, to P15")};
    case QuestionKind::kEarChordQuality:
      return {EarChoice::tr("major, minor"), EarChoice::tr("+ diminished, augmented"),
              EarChoice::tr("+ sus2, sus4"), EarChoice::tr("+ 7, maj7, m7"), EarChoice::tr("+ m7♭5, dim7")};
    default:
      return {EarChoice::tr("Major, natural minor"), EarChoice::tr("+ pentatonics, blues"),
              EarChoice::tr("+ Dorian, Mixolydian, Lydian"), EarChoice::tr("+ Phrygian, Locrian"),
              EarChoice::tr("+ harmonic, melodic minor")};
  }
}

QComboBox* Box(QWidget* parent, const QStringList& items, const QString& name) {
  auto* box = new QComboBox(parent);
  box->addItems(items);
  box->setAccessibleName(name);
  return box;
}

}  // namespace

EarChoice::EarChoice(QSettings& settings, QWidget* parent) : QWidget(parent), m_settings(settings) {
  m_form = new QFormLayout(this);
  m_form->setContentsMargins(0, 0, 0, 0);
  m_direction = Box(this, {tr("Ascending"), tr("Descending"), tr("Together")}, tr("How the two notes sound"));
  m_form->addRow(tr("Notes:"), m_direction);
  m_ladder = Box(this, {}, tr("What is in play"));
  m_form->addRow(tr("In play:"), m_ladder);
  m_answer = Box(this, {tr("By its name"), tr("The second note on the neck")}, tr("How to answer"));
  m_form->addRow(tr("Answer:"), m_answer);
  m_chordAnswer = Box(this, {tr("By its name"), tr("Pick its voicing on the neck")}, tr("How to answer"));
  m_form->addRow(tr("Answer:"), m_chordAnswer);
  m_chord = Box(this, {tr("Strummed"), tr("Arpeggiated")}, tr("How the chord sounds"));
  m_form->addRow(tr("Chord:"), m_chord);
  m_scale = Box(this, {tr("Up from its root"), tr("A short phrase in it")}, tr("How the scale sounds"));
  m_form->addRow(tr("Scale:"), m_scale);
  m_tempo = new QSpinBox(this);
  m_tempo->setRange(practice::kMinTempo, practice::kMaxTempo);
  m_tempo->setSuffix(tr(" beats a minute"));
  m_tempo->setAccessibleName(tr("Tempo of the notes heard"));
  m_form->addRow(tr("Tempo:"), m_tempo);

  m_direction->setCurrentIndex(std::clamp(settings.value(kDirectionKey, 0).toInt(), 0, 2));
  m_answer->setCurrentIndex(settings.value(kAnswerKey, false).toBool() ? 1 : 0);
  m_chordAnswer->setCurrentIndex(settings.value(kChordAnswerKey, false).toBool() ? 1 : 0);
  m_chord->setCurrentIndex(settings.value(kChordKey, false).toBool() ? 1 : 0);
  m_scale->setCurrentIndex(settings.value(kScaleKey, false).toBool() ? 1 : 0);
  m_tempo->setValue(settings.value(kTempoKey, practice::EarOptions{}.tempo).toInt());
  for (int i = 0; i < 3; ++i) m_steps[i] = std::max(0, settings.value(kStepKeys[i], 0).toInt());

  QSettings* kept = &settings;
  connect(m_direction, &QComboBox::currentIndexChanged, this, [kept](int i) { kept->setValue(kDirectionKey, i); });
  connect(m_answer, &QComboBox::currentIndexChanged, this, [kept](int i) { kept->setValue(kAnswerKey, i == 1); });
  connect(m_chordAnswer, &QComboBox::currentIndexChanged, this,
          [kept](int i) { kept->setValue(kChordAnswerKey, i == 1); });
  connect(m_chord, &QComboBox::currentIndexChanged, this, [kept](int i) { kept->setValue(kChordKey, i == 1); });
  connect(m_scale, &QComboBox::currentIndexChanged, this, [kept](int i) { kept->setValue(kScaleKey, i == 1); });
  connect(m_tempo, &QSpinBox::valueChanged, this, [kept](int bpm) { kept->setValue(kTempoKey, bpm); });
  connect(m_ladder, &QComboBox::currentIndexChanged, this, [this](int step) {
    const int ear = EarIndex(m_kind);
    if (ear < 0 || step < 0) return;
    m_steps[ear] = step;
    m_settings.setValue(kStepKeys[ear], step);
  });
  showFor(QuestionKind::kFindNote);
}

void EarChoice::showFor(QuestionKind kind) {
  const int ear = EarIndex(kind);
  setVisible(ear >= 0);
  if (ear < 0) return;
  m_kind = kind;
  const QSignalBlocker quiet(m_ladder);
  m_ladder->clear();
  m_ladder->addItems(LadderItems(kind));
  m_ladder->setCurrentIndex(std::min(m_steps[ear], m_ladder->count() - 1));
  const bool interval = kind == QuestionKind::kEarInterval;
  m_form->setRowVisible(m_direction, interval);
  m_form->setRowVisible(m_answer, interval);
  m_form->setRowVisible(m_chordAnswer, kind == QuestionKind::kEarChordQuality);
  m_form->setRowVisible(m_chord, kind == QuestionKind::kEarChordQuality);
  m_form->setRowVisible(m_scale, kind == QuestionKind::kEarScale);
}

practice::EarOptions EarChoice::options() const {
  practice::EarOptions o;
  o.direction = static_cast<practice::IntervalDirection>(m_direction->currentIndex());
  o.intervalStep = m_steps[0];
  o.qualityStep = m_steps[1];
  o.scaleStep = m_steps[2];
  o.onNeck = m_answer->currentIndex() == 1;
  o.voicingOnNeck = m_chordAnswer->currentIndex() == 1;
  o.arpeggiated = m_chord->currentIndex() == 1;
  o.phrase = m_scale->currentIndex() == 1;
  o.tempo = m_tempo->value();
  return o;
}

}  // namespace fretlab
