#include "ui/practice/ear_texts.h"

#include <QCoreApplication>

#include "practice/ear_drills.h"
#include "practice/ear_names.h"

namespace fretlab {

using namespace practice;

namespace {

// The texts of this room, in the DrillMode context of the translations.
struct EarTexts {
  Q_DECLARE_TR_FUNCTIONS(DrillMode)
};

QString Std(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

std::vector<QString> EarDrillNames() {
  static const char* const kNames[] = {QT_TRANSLATE_NOOP("DrillMode", "Intervals by ear"),
                                       QT_TRANSLATE_NOOP("DrillMode", "Chord quality by ear"),
                                       QT_TRANSLATE_NOOP("DrillMode", "Scale sound")};
  std::vector<QString> names;
  for (const char* name : kNames) names.push_back(EarTexts::tr(name));
  return names;
}

std::vector<QString> EarAnswerLabels(QuestionKind kind, const DrillSetup& setup) {
  std::vector<QString> labels;
  switch (kind) {
    case QuestionKind::kEarInterval:
      for (int n : IntervalsInPlay(setup.ear.intervalStep)) labels.push_back(Std(IntervalShortName(n)));
      break;
    case QuestionKind::kEarChordQuality:
      for (ChordQuality q : QualitiesInPlay(setup.ear.qualityStep)) labels.push_back(Std(QualityName(q)));
      break;
    case QuestionKind::kEarScale:
      for (int s : ScalesInPlay(setup.ear.scaleStep)) labels.push_back(Std(std::string(ScaleSounds()[s].name)));
      break;
    default:
      break;
  }
  return labels;
}

int EarButtonColumns(QuestionKind kind) {
  switch (kind) {
    case QuestionKind::kEarChordQuality:
      return 6;
    case QuestionKind::kEarScale:
      return 4;
    default:
      return 12;
  }
}

QString EarTypedHint(QuestionKind kind) {
  switch (kind) {
    case QuestionKind::kEarInterval:
      return EarTexts::tr("or type it (m3, A4, TT) and press Enter");
    case QuestionKind::kEarChordQuality:
      return EarTexts::tr("or type it (min, maj7, m7b5) and press Enter");
    default:
      return EarTexts::tr("or type it (Dorian, blues) and press Enter");
  }
}

QString EarMissText(const Miss& m, const Question& q) {
  if (m.given == Miss::Given::kVoicing) {
    const QString given = m.answeredName == kOtherQuality
                              ? EarTexts::tr("your voicing is none of the qualities on the marked root")
                              : EarTexts::tr("your voicing sounds %1").arg(Std(m.answeredName));
    const QString heard = Std(m.chord ? m.chord->Symbol() : m.askedName);
    return EarTexts::tr("%1 (%2); the chord heard was %3, at %4. Hear yours, then the one heard.")
        .arg(given, Std(m.why), heard, Std(m.rightFrets));
  }
  if (m.given == Miss::Given::kName) {
    return EarTexts::tr("you answered %1; it was %2. Hear the %1, then the %2.")
        .arg(Std(m.answeredName), Std(m.askedName));
  }
  const QString note = Std(NoteNameWithOctave(q.pitch, SpellPitchClass(PitchClass(q.pitch), Accidentals::kMixed)));
  if (m.octave) {
    return EarTexts::tr("the right note, an octave off: the %1 goes to %2.").arg(Std(m.askedName), note);
  }
  return EarTexts::tr("the note given makes a %1; the %2 goes to %3. Hear the %1, then the %2.")
      .arg(Std(m.answeredName), Std(m.askedName), note);
}

}  // namespace fretlab
