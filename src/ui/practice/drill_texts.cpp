#include "ui/practice/drill_texts.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

#include "ui/practice/ear_texts.h"

namespace fretlab {

using namespace practice;

namespace {

// The texts' translation context, as lupdate finds it.
struct DrillTexts {
  Q_DECLARE_TR_FUNCTIONS(DrillTexts)
};


// Semitones above the root 0..11, for the buttons of degrees outside the key.
const char* const kChromaticDegrees[12] = {"R", "♭2", "2", "♭3", "3", "4",
                                           "♭5", "5", "♭6", "6", "♭7", "7"};

QString PositionText(Position p) { return DrillTexts::tr("string %1 fret %2").arg(p.string + 1).arg(p.fret); }

// "string 3, fret 12", as the words after a miss have it.
QString PlaceText(Position p) { return DrillTexts::tr("string %1, fret %2").arg(p.string + 1).arg(p.fret); }

QString Std(const std::string& text) { return QString::fromStdString(text); }

// "string 3, fret 12 and 5 more places" (nearest first).
QString PlacesText(const std::vector<Position>& at) {
  if (at.empty()) return {};
  const int more = static_cast<int>(at.size()) - 1;
  if (more == 0) return PlaceText(at.front());
  if (more == 1) return DrillTexts::tr("%1 and 1 more place").arg(PlaceText(at.front()));
  return DrillTexts::tr("%1 and %2 more places").arg(PlaceText(at.front())).arg(more);
}

// "F (string 3, fret 10)", "F, the 4 (string 3, fret 10)", "F3".
QString GivenText(const Miss& m, bool withDegree) {
  QString text = Std(m.answeredName);
  if (withDegree && !m.answeredDegree.empty()) text = DrillTexts::tr("%1, the %2").arg(text, Std(m.answeredDegree));
  if (m.answeredAt && m.given == Miss::Given::kPosition) text += DrillTexts::tr(" (%1)").arg(PlaceText(*m.answeredAt));
  return text;
}

QString Seconds(int ms) { return DrillTexts::tr("%1 s").arg(ms / 1000.0, 0, 'f', 1); }

}  // namespace

std::vector<QString> DrillNames() {
  // In the order of QuestionKind.
  static const char* const kNames[kQuestionKindCount] = {
      QT_TRANSLATE_NOOP("DrillTexts", "Find the note"),
      QT_TRANSLATE_NOOP("DrillTexts", "Name the note"),
      QT_TRANSLATE_NOOP("DrillTexts", "Where is the degree?"),
      QT_TRANSLATE_NOOP("DrillTexts", "Which degree is this?"),
      QT_TRANSLATE_NOOP("DrillTexts", "Ear to neck"),
      QT_TRANSLATE_NOOP("DrillTexts", "Chord tone"),
      QT_TRANSLATE_NOOP("DrillTexts", "Every chord tone"),
      QT_TRANSLATE_NOOP("DrillTexts", "Find every note of the position"),
      QT_TRANSLATE_NOOP("DrillTexts", "Play a voicing")};
  std::vector<QString> names;
  for (const char* name : kNames) names.push_back(DrillTexts::tr(name));
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
    std::string label =
        kind == QuestionKind::kNameDegree
            ? DegreeNameInKey(setup, note)
            : NoteName(setup.key.Spell(pc), NoteNaming{SignStyle::kUnicode, setup.noteNames});
    if (label.empty()) label = kChromaticDegrees[pc];  // a degree outside the key
    labels.push_back(QString::fromStdString(label));
  }
  return labels;
}

QString MissFeedback(const Miss& miss, const Feedback& fb) {
  return DrillTexts::tr("Wrong (%1): %2").arg(Seconds(fb.ms), MissText(miss, fb.question));
}

QString FeedbackText(const Feedback& fb) {
  const QString time = Seconds(fb.ms);
  switch (fb.checked.verdict) {
    case Verdict::kRight:
      if (fb.checked.enharmonic && IsEarTraining(fb.question.kind)) {
        return DrillTexts::tr("Right (%1): %2.").arg(time, QString::fromStdString(fb.record->asked));
      }
      if (fb.checked.input == AnswerInput::kAudio && fb.question.kind != QuestionKind::kNameDegree) {
        // The note the guitar was heard as (a degree answer names no note).
        return DrillTexts::tr("Right (%1): %2 heard.").arg(time, QString::fromStdString(fb.checked.answered));
      }
      return fb.checked.enharmonic
                 ? DrillTexts::tr("Right (%1), written %2 in this key.").arg(time, QString::fromStdString(fb.record->asked))
                 : DrillTexts::tr("Right (%1).").arg(time);
    case Verdict::kOctave:
      return DrillTexts::tr("The right note, but an octave off (%1).").arg(time);
    case Verdict::kAgain:
      return DrillTexts::tr("Found already.");
    default:
      return DrillTexts::tr("Wrong (%1): it was %2.").arg(time, QString::fromStdString(fb.record->asked));
  }
}

QString MissText(const Miss& m, const Question& q) {
  if (IsEarTraining(q.kind)) return EarMissText(m, q);
  if (m.given == Miss::Given::kVoicing) {
    return DrillTexts::tr("%1 is no voicing of %2 here (%3); one is %4.")
        .arg(Std(m.answeredName), Std(m.askedName), Std(m.why), Std(m.rightFrets));
  }
  const bool degrees = AsksForDegree(q.kind);
  if (AsksForName(q.kind)) {
    const QString where = m.rightAt.empty() ? QString() : PlaceText(m.rightAt.front());
    const QString given = m.given == Miss::Given::kPitch ? DrillTexts::tr("you played %1").arg(Std(m.answeredName))
                                                         : DrillTexts::tr("you answered %1").arg(Std(m.answeredName));
    if (q.kind == QuestionKind::kNameDegree) {
      return DrillTexts::tr("%1; %2 is the %3 (%4).").arg(given, where, Std(m.askedName), Std(m.rightNote));
    }
    return DrillTexts::tr("%1; %2 is %3.").arg(given, where, Std(m.askedName));
  }
  const QString given = (m.given == Miss::Given::kPitch ? DrillTexts::tr("you played %1") : DrillTexts::tr("you clicked %1"))
                            .arg(GivenText(m, degrees));
  const QString places = PlacesText(m.rightAt);
  switch (q.kind) {
    case QuestionKind::kEarToNeck:
      return m.octave ? DrillTexts::tr("%1, an octave off; the note was %2, at %3.").arg(given, Std(m.askedName), places)
                      : DrillTexts::tr("%1; the note was %2, at %3.").arg(given, Std(m.askedName), places);
    case QuestionKind::kFindDegree:
      return DrillTexts::tr("%1; the %2 is %3, at %4.").arg(given, Std(m.askedName), Std(m.rightNote), places);
    case QuestionKind::kFindChordTone:
      return DrillTexts::tr("%1; the %2 of the chord is %3, at %4.").arg(given, Std(m.askedName), Std(m.rightNote), places);
    case QuestionKind::kFindChordTones:
      return DrillTexts::tr("%1, not a tone of %2; its tones are at %3.").arg(given, Std(m.askedName), places);
    default:
      return DrillTexts::tr("%1; %2 is at %3.").arg(given, Std(m.askedName), places);
  }
}

QString RangeSummary(const DrillSetup& setup) {
  const QuestionRange range = RangeOf(setup);
  const QString frets = DrillTexts::tr("frets %1–%2").arg(range.fromFret).arg(range.toFret);
  if (range.stringRuns.empty()) return frets;
  QStringList runs;
  for (const auto& [first, last] : range.stringRuns) {
    runs << (first == last ? QString::number(first) : QStringLiteral("%1–%2").arg(first).arg(last));
  }
  QString strings = runs.takeLast();
  if (!runs.isEmpty()) strings = DrillTexts::tr("%1 and %2").arg(runs.join(QStringLiteral(", ")), strings);
  const bool one = range.stringRuns.size() == 1 && range.stringRuns[0].first == range.stringRuns[0].second;
  return (one ? DrillTexts::tr("string %1, %2") : DrillTexts::tr("strings %1, %2")).arg(strings, frets);
}

QString PromptText(const Question& q, const DrillSetup& setup) {
  // A round kept within a position says so in the core's words.
  if (!setup.within.empty()) return Std(q.prompt);
  const QString range = QStringLiteral(" \u2014 ") + RangeSummary(setup);
  const QString asked = Std(q.asked);
  switch (q.kind) {
    case QuestionKind::kFindNote:
      return DrillTexts::tr("Find every %1").arg(asked) + range;
    case QuestionKind::kNameNote:
      return DrillTexts::tr("Name this note");
    case QuestionKind::kFindDegree:
      return DrillTexts::tr("Where is the %1?").arg(asked) + range;
    case QuestionKind::kNameDegree:
      return DrillTexts::tr("Which degree is this?");
    case QuestionKind::kEarToNeck:
      return DrillTexts::tr("Find the note you hear") + range;
    case QuestionKind::kFindChordTone:
      return DrillTexts::tr("Click the %1 of %2").arg(asked, Std(setup.keyName)) + range;
    case QuestionKind::kFindChordTones:
      return DrillTexts::tr("Click every chord tone of %1").arg(Std(setup.keyName)) + range;
    default:
      break;
  }
  return Std(q.prompt);
}

QString RoundTitle(const QString& drill, const std::string& viewTitle, const DrillSetup& setup) {
  return QStringLiteral("%1 \u2014 %2 \u2014 %3").arg(drill, Std(viewTitle), RangeSummary(setup));
}

QString SummaryText(const Summary& s) {
  QString text = DrillTexts::tr("Round over: %1 of %2 answers right (%3 %), median %4 s.")
                     .arg(s.right)
                     .arg(s.answers)
                     .arg(qRound(100 * s.accuracy))
                     .arg(s.medianMs / 1000.0, 0, 'f', 1);
  QStringList slow, missed;
  for (const PositionSummary& p : s.slowest) {
    slow << DrillTexts::tr("%1 (%2 s)").arg(PositionText(p.position)).arg(p.medianMs / 1000.0, 0, 'f', 1);
  }
  for (const MissedSummary& m : s.mostMissed) {
    const QString asked = m.shown ? DrillTexts::tr("%1 (%2)").arg(PositionText(*m.shown), Std(m.asked)) : Std(m.asked);
    missed << DrillTexts::tr("%1 (%n missed)", nullptr, m.misses).arg(asked);
  }
  if (!slow.isEmpty()) text += QLatin1Char('\n') + DrillTexts::tr("Slowest: %1.").arg(slow.join(QStringLiteral(", ")));
  if (!missed.isEmpty()) text += QLatin1Char('\n') + DrillTexts::tr("Most missed: %1.").arg(missed.join(QStringLiteral(", ")));
  return text;
}

}  // namespace fretlab
