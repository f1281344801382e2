#include "ui/practice/drill_texts.h"

#include <QCoreApplication>
#include <QStringList>

namespace fretlab {

using namespace practice;

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("DrillMode", text); }

QString TrN(const char* text, int n) { return QCoreApplication::translate("DrillMode", text, nullptr, n); }

// Semitones above the root 0..11, for the buttons of degrees outside the key.
const char* const kChromaticDegrees[12] = {"R", "♭2", "2", "♭3", "3", "4",
                                           "♭5", "5", "♭6", "6", "♭7", "7"};

QString PositionText(Position p) { return Tr("string %1 fret %2").arg(p.string + 1).arg(p.fret); }

QString Seconds(int ms) { return Tr("%1 s").arg(ms / 1000.0, 0, 'f', 1); }

}  // namespace

std::vector<QString> DrillNames() {
  // In the order of QuestionKind.
  static const char* const kNames[kQuestionKindCount] = {
      QT_TRANSLATE_NOOP("DrillMode", "Find the note"),
      QT_TRANSLATE_NOOP("DrillMode", "Name the note"),
      QT_TRANSLATE_NOOP("DrillMode", "Where is the degree?"),
      QT_TRANSLATE_NOOP("DrillMode", "Which degree is this?"),
      QT_TRANSLATE_NOOP("DrillMode", "Ear to neck"),
      QT_TRANSLATE_NOOP("DrillMode", "Chord tone"),
      QT_TRANSLATE_NOOP("DrillMode", "Every chord tone")};
  std::vector<QString> names;
  for (const char* name : kNames) names.push_back(Tr(name));
  return names;
}

std::vector<QString> PlainNoteNames() {
  std::vector<QString> names;
  for (int pc = 0; pc < 12; ++pc) {
    // C♯ and F♯, E♭, A♭ and B♭: the black keys as guitarists mostly meet them.
    const bool sharp = pc == 1 || pc == 6;
    names.push_back(QString::fromStdString(
        NoteName(SpellPitchClass(pc, sharp ? Accidentals::kSharps : Accidentals::kFlats))));
  }
  return names;
}

std::vector<QString> AnswerButtonLabels(QuestionKind kind, const DrillSetup& setup) {
  std::vector<QString> labels;
  for (int pc = 0; pc < 12; ++pc) {
    const int note = setup.key.Root().PitchClass() + pc;
    std::string label = kind == QuestionKind::kNameDegree ? DegreeNameInKey(setup, note)
                                                          : NoteNameInKey(setup, pc);
    if (label.empty()) label = kChromaticDegrees[pc];  // a degree outside the key
    labels.push_back(QString::fromStdString(label));
  }
  return labels;
}

QString FeedbackText(const Feedback& fb) {
  const QString time = Seconds(fb.ms);
  switch (fb.checked.verdict) {
    case Verdict::kRight:
      return fb.checked.enharmonic
                 ? Tr("Right (%1), written %2 in this key.").arg(time, QString::fromStdString(fb.record->asked))
                 : Tr("Right (%1).").arg(time);
    case Verdict::kOctave:
      return Tr("The right note, but an octave off (%1).").arg(time);
    case Verdict::kAgain:
      return Tr("Found already.");
    default:
      return Tr("Wrong (%1): it was %2.").arg(time, QString::fromStdString(fb.record->asked));
  }
}

QString SummaryText(const Summary& s) {
  QString text = Tr("Round over: %1 of %2 answers right (%3 %), median %4 s.")
                     .arg(s.right)
                     .arg(s.answers)
                     .arg(qRound(100 * s.accuracy))
                     .arg(s.medianMs / 1000.0, 0, 'f', 1);
  QStringList slow, missed;
  for (const PositionSummary& p : s.slowest) {
    slow << Tr("%1 (%2 s)").arg(PositionText(p.position)).arg(p.medianMs / 1000.0, 0, 'f', 1);
  }
  for (const PositionSummary& p : s.mostMissed) {
    missed << TrN("%1 (%n missed)", p.misses).arg(PositionText(p.position));
  }
  if (!slow.isEmpty()) text += QLatin1Char('\n') + Tr("Slowest: %1.").arg(slow.join(QStringLiteral(", ")));
  if (!missed.isEmpty()) text += QLatin1Char('\n') + Tr("Most missed: %1.").arg(missed.join(QStringLiteral(", ")));
  return text;
}

}  // namespace fretlab
