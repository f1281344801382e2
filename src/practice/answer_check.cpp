#include "practice/answer_check.h"

#include <algorithm>
#include <cctype>

#include "practice/answer_record.h"
#include "practice/drill_questions.h"
#include "practice/ear_drills.h"
#include "theory/degree_text.h"
#include "theory/spelling.h"

namespace fretlab::practice {

namespace {

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
  return text;
}

Checked CheckPosition(const Question& q, const DrillSetup& setup, Position p,
                      const std::vector<bool>& found) {
  Checked c;
  c.position = p;
  if (p.string >= 0 && p.string < setup.tuning.StringCount()) c.pitch = PitchAt(setup, p);
  const bool inRange = p.string < setup.tuning.StringCount() && setup.area.Admits(p);
  c.answered = inRange ? PositionItem(p.string + 1, p.fret) : "off range";
  const auto it = std::find(q.targets.begin(), q.targets.end(), p);
  if (it != q.targets.end()) {
    c.target = static_cast<int>(it - q.targets.begin());
    c.verdict = found[c.target] ? Verdict::kAgain : Verdict::kRight;
  } else if (IsEarQuestion(q.kind) && inRange &&
             PitchClass(PitchAt(setup, p)) == PitchClass(q.pitch)) {
    c.verdict = Verdict::kOctave;
  } else {
    c.verdict = Verdict::kWrong;
  }
  return c;
}

// Any target of the note's pitch not found yet answers; a wrong note still
// stands for a position when the range has one of it.
Checked CheckPitch(const Question& q, const DrillSetup& setup, int note,
                   const std::vector<bool>& found) {
  Checked c;
  c.pitch = note;
  c.answered = NoteNameWithOctave(note, setup.key.Spell(PitchClass(note)));
  bool seenFound = false;
  for (std::size_t i = 0; i < q.targets.size(); ++i) {
    if (PitchAt(setup, q.targets[i]) != note) continue;
    if (found[i]) {
      seenFound = true;
      continue;
    }
    c.verdict = Verdict::kRight;
    c.position = q.targets[i];
    c.target = static_cast<int>(i);
    return c;
  }
  if (seenFound) {
    c.verdict = Verdict::kAgain;
  } else if (IsEarQuestion(q.kind) && PitchClass(note) == PitchClass(q.pitch)) {
    c.verdict = Verdict::kOctave;
  } else {
    c.verdict = Verdict::kWrong;
  }
  const auto at = PositionsOfNote(setup.tuning, setup.area, note);
  if (!at.empty()) c.position = at.front();
  return c;
}

Checked CheckNoteName(const Question& q, const DrillSetup& setup, const Answer& a) {
  Checked c;
  c.position = q.shown;
  const SpelledNote expected = setup.key.Spell(PitchClass(q.pitch));
  std::optional<SpelledNote> given;
  if (a.kind == Answer::kPitch) {
    c.pitch = a.pitch;
    given = setup.key.Spell(PitchClass(a.pitch));
  } else {
    given = ParseNoteName(Trimmed(a.text));
  }
  if (!given) return c;
  c.answered = NoteName(*given);
  c.verdict = given->PitchClass() == expected.PitchClass() ? Verdict::kRight : Verdict::kWrong;
  // Same sound, other spelling: "D♭" where the key has "C♯".
  c.enharmonic = c.verdict == Verdict::kRight && !(*given == expected);
  return c;
}

Checked CheckDegree(const Question& q, const DrillSetup& setup, const Answer& a) {
  Checked c;
  c.position = q.shown;
  std::optional<Degree> given;
  if (a.kind == Answer::kPitch) {
    c.pitch = a.pitch;
    const int index = setup.key.IndexOfPitchClass(PitchClass(a.pitch));
    if (index >= 0) {
      given = setup.key.DegreeAt(index);
    } else {
      c.verdict = Verdict::kWrong;
      c.answered = NoteName(setup.key.Spell(PitchClass(a.pitch)));
      return c;
    }
  } else {
    given = ParseDegree(Trimmed(a.text));
  }
  if (!given) return c;
  c.answered = IntervalLabel(*given);
  c.verdict = given->Semitones() == q.degree.Semitones() ? Verdict::kRight : Verdict::kWrong;
  // "♯4" where the scale has "♭5"; a ninth for a second is the same degree.
  c.enharmonic = c.verdict == Verdict::kRight && (given->LetterSteps() != q.degree.LetterSteps() ||
                                                  given->alteration != q.degree.alteration);
  return c;
}

}  // namespace

std::optional<Degree> ParseDegree(std::string_view text) { return fretlab::ParseDegree(text); }

Checked Check(const Question& question, const DrillSetup& setup, const Answer& answer,
              const std::vector<bool>& found) {
  if (IsEarTraining(question.kind)) return CheckEar(question, setup, answer);
  Checked c;
  if (AsksForVoicing(question.kind)) {
    if (answer.kind == Answer::kVoicing) c = CheckVoicing(question, setup, answer.frets);
  } else if (AsksForName(question.kind)) {
    if (answer.kind != Answer::kPosition) {
      c = AsksForDegree(question.kind) ? CheckDegree(question, setup, answer)
                                        : CheckNoteName(question, setup, answer);
    }
  } else if (answer.kind == Answer::kPosition) {
    c = CheckPosition(question, setup, answer.position, found);
  } else if (answer.kind == Answer::kPitch) {
    c = CheckPitch(question, setup, answer.pitch, found);
  }
  c.given = answer.kind;
  c.input = answer.input;
  return c;
}

}  // namespace fretlab::practice
