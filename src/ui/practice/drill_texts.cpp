#include "ui/practice/drill_texts.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

#include "ui/practice/ear_texts.h"

namespace fretlab {

using namespace practice;

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("DrillMode", text); }

QString TrN(const char* text, int n) { return QCoreApplication::translate("DrillMode", text, nullptr, n); }

// Semitones above the root 0..11, for the buttons of degrees outside the key.
const char* const kChromaticDegrees[12] = {"R", "♭2", "2", "♭3", "3", "4",
                                           "♭5", "5", "♭6", "6", "♭7", "7"};

QString PositionText(Position p) { return Tr("string %1 fret %2").arg(p.string + 1).arg(p.fret); }

// "string 3, fret 12", as the words after a miss have it.
QString PlaceText(Position p) { return Tr("string %1, fret %2").arg(p.string + 1).arg(p.fret); }

QString Std(const std::string& text) { return QString::fromStdString(text); }

// "string 3, fret 12 and 5 more places" (nearest first).
QString PlacesText(const std::vector<Position>& at) {
  if (at.empty()) return {};
  const int more = static_cast<int>(at.size()) - 1;
  if (more == 0) return PlaceText(at.front());
  if (more == 1) return Tr("%1 and 1 more place").arg(PlaceText(at.front()));
  return Tr("%1 and %2 more places").arg(PlaceText(at.front())).arg(more);
}

// "F (string 3, fret 10)", "F, the 4 (string 3, fret 10)", "F3".
QString GivenText(const Miss& m, bool withDegree) {
  QString text = Std(m.answeredName);
  if (withDegree && !m.answeredDegree.empty()) text = Tr("%1, the %2").arg(text, Std(m.answeredDegree));
  if (m.answeredAt && m.given == Miss::Given::kPosition) text += Tr(" (%1)").arg(PlaceText(*m.answeredAt));
  return text;
}

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
      QT_TRANSLATE_NOOP("DrillMode", "Every chord tone"),
      QT_TRANSLATE_NOOP("DrillMode", "Find every note of the position"),
      QT_TRANSLATE_NOOP("DrillMode", "Play a voicing")};
  std::vector<QString> names;
  for (const char* name : kNames) names.push_back(Tr(name));
  // The ear drills come last; their names are their own room's.
  const std::vector<QString> ear = EarDrillNames();
  std::copy(ear.begin(), ear.end(), names.end() - static_cast<std::ptrdiff_t>(ear.size()));
  return names;
}

std::vector<QString> PlainNoteNames() {
  std::vector<QString> names;
  for (int pc = 0; pc < 12; ++pc) {
    names.push_back(QString::fromStdString(NoteName(SpellPitchClass(pc, Accidentals::kMixed))));
  }
  return names;
}

std::vector<QString> AnswerButtonLabels(QuestionKind kind, const DrillSetup& setup) {
  if (IsEarTraining(kind)) return EarAnswerLabels(kind, setup);
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

QString MissFeedback(const Miss& miss, const Feedback& fb) {
  return Tr("Wrong (%1): %2").arg(Seconds(fb.ms), MissText(miss, fb.question));
}

QString FeedbackText(const Feedback& fb) {
  const QString time = Seconds(fb.ms);
  switch (fb.checked.verdict) {
    case Verdict::kRight:
      if (fb.checked.enharmonic && IsEarTraining(fb.question.kind)) {
        return Tr("Right (%1): %2.").arg(time, QString::fromStdString(fb.record->asked));
      }
      if (fb.checked.input == AnswerInput::kAudio && fb.question.kind != QuestionKind::kNameDegree) {
        // The note the guitar was heard as (a degree answer names no note).
        return Tr("Right (%1): %2 heard.").arg(time, QString::fromStdString(fb.checked.answered));
      }
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

QString MissText(const Miss& m, const Question& q) {
  if (IsEarTraining(q.kind)) return EarMissText(m, q);
  if (m.given == Miss::Given::kVoicing) {
    return Tr("%1 is no voicing of %2 here (%3); one is %4.")
        .arg(Std(m.answeredName), Std(m.askedName), Std(m.why), Std(m.rightFrets));
  }
  const bool degrees = AsksForDegree(q.kind);
  if (AsksForName(q.kind)) {
    const QString where = m.rightAt.empty() ? QString() : PlaceText(m.rightAt.front());
    const QString given = m.given == Miss::Given::kPitch ? Tr("you played %1").arg(Std(m.answeredName))
                                                         : Tr("you answered %1").arg(Std(m.answeredName));
    if (q.kind == QuestionKind::kNameDegree) {
      return Tr("%1; %2 is the %3 (%4).").arg(given, where, Std(m.askedName), Std(m.rightNote));
    }
    return Tr("%1; %2 is %3.").arg(given, where, Std(m.askedName));
  }
  const QString given = (m.given == Miss::Given::kPitch ? Tr("you played %1") : Tr("you clicked %1"))
                            .arg(GivenText(m, degrees));
  const QString places = PlacesText(m.rightAt);
  switch (q.kind) {
    case QuestionKind::kEarToNeck:
      return m.octave ? Tr("%1, an octave off; the note was %2, at %3.").arg(given, Std(m.askedName), places)
                      : Tr("%1; the note was %2, at %3.").arg(given, Std(m.askedName), places);
    case QuestionKind::kFindDegree:
      return Tr("%1; the %2 is %3, at %4.").arg(given, Std(m.askedName), Std(m.rightNote), places);
    case QuestionKind::kFindChordTone:
      return Tr("%1; the %2 of the chord is %3, at %4.").arg(given, Std(m.askedName), Std(m.rightNote), places);
    case QuestionKind::kFindChordTones:
      return Tr("%1, not a tone of %2; its tones are at %3.").arg(given, Std(m.askedName), places);
    default:
      return Tr("%1; %2 is at %3.").arg(given, Std(m.askedName), places);
  }
}

QString RangeSummary(const DrillSetup& setup) {
  const int count = setup.tuning.StringCount();
  QStringList runs;
  int allowed = 0;
  for (int s = 0; s < count;) {
    if (((setup.area.strings >> s) & 1u) == 0) {
      ++s;
      continue;
    }
    int end = s;
    while (end + 1 < count && ((setup.area.strings >> (end + 1)) & 1u) != 0) ++end;
    allowed += end - s + 1;
    runs << (end == s ? QString::number(s + 1) : QStringLiteral("%1–%2").arg(s + 1).arg(end + 1));
    s = end + 1;
  }
  const QString frets = Tr("frets %1–%2")
                            .arg(std::max(setup.area.frets.from, setup.area.capo))
                            .arg(setup.area.frets.to);
  if (allowed == count) return frets;
  return (allowed == 1 ? Tr("string %1, %2") : Tr("strings %1, %2")).arg(runs.join(QStringLiteral(", ")), frets);
}

QString RoundTitle(const QString& drill, const std::string& viewTitle, const DrillSetup& setup) {
  return QStringLiteral("%1 \u2014 %2 \u2014 %3").arg(drill, Std(viewTitle), RangeSummary(setup));
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
  for (const MissedSummary& m : s.mostMissed) {
    const QString asked = m.shown ? Tr("%1 (%2)").arg(PositionText(*m.shown), Std(m.asked)) : Std(m.asked);
    missed << TrN("%1 (%n missed)", m.misses).arg(asked);
  }
  if (!slow.isEmpty()) text += QLatin1Char('\n') + Tr("Slowest: %1.").arg(slow.join(QStringLiteral(", ")));
  if (!missed.isEmpty()) text += QLatin1Char('\n') + Tr("Most missed: %1.").arg(missed.join(QStringLiteral(", ")));
  return text;
}

}  // namespace fretlab
