// Checking an answer to an ear drill's question.

#include <algorithm>

#include "practice/ear_drills.h"

namespace fretlab::practice {

namespace {

// The interval a note makes with the question's first note, the way the
// question goes (down for a descending one); "" for none of 1..24.
std::string IntervalFromFirst(const Question& q, int note) {
  const int sign = q.notes[1] >= q.notes[0] ? 1 : -1;
  return IntervalShortName(sign * (note - q.notes[0]));
}

// A note given on the neck: right at the second note's very pitch, an
// octave off at its pitch class elsewhere.
Checked CheckSecondNote(const Question& q, const DrillSetup& setup, int note,
                        std::optional<Position> at) {
  Checked c;
  c.pitch = note;
  if (!at) {
    const auto it = std::find_if(q.targets.begin(), q.targets.end(),
                                 [&](Position p) { return PitchAt(setup, p) == note; });
    if (it != q.targets.end()) at = *it;
  }
  c.position = at;
  const auto target = at ? std::find(q.targets.begin(), q.targets.end(), *at) : q.targets.end();
  if (target != q.targets.end()) c.target = static_cast<int>(target - q.targets.begin());
  const std::string interval = IntervalFromFirst(q, note);
  c.answered = interval.empty() ? NoteNameWithOctave(note, setup.key.Spell(PitchClass(note))) : interval;
  if (note == q.pitch) {
    c.verdict = Verdict::kRight;
  } else {
    c.verdict = PitchClass(note) == PitchClass(q.pitch) ? Verdict::kOctave : Verdict::kWrong;
  }
  return c;
}

Checked CheckNamed(const Question& q, const std::string& text) {
  Checked c;
  std::string canonical;
  if (q.kind == QuestionKind::kEarInterval) {
    if (const auto semitones = ParseIntervalName(text)) canonical = IntervalShortName(*semitones);
  } else if (q.kind == QuestionKind::kEarChordQuality) {
    if (const auto quality = ParseQuality(text)) canonical = QualityName(*quality);
  } else if (const auto scale = ParseScaleSound(text)) {
    canonical = std::string(ScaleSounds()[*scale].name);
  }
  if (canonical.empty()) return c;
  c.answered = canonical;
  c.verdict = canonical == q.asked ? Verdict::kRight : Verdict::kWrong;
  // Same sound, another name: "A4" for TT, "min" for minor.
  std::string trimmed = text;
  std::erase_if(trimmed, [](char ch) { return ch == ' '; });
  c.enharmonic = c.verdict == Verdict::kRight && trimmed != canonical;
  return c;
}

}  // namespace

int EarAnswerOrder(QuestionKind kind, std::string_view name) {
  constexpr int kOther = 1000;
  std::optional<int> order;
  if (kind == QuestionKind::kEarInterval) {
    order = ParseIntervalName(name);
  } else if (kind == QuestionKind::kEarChordQuality) {
    if (const auto quality = ParseQuality(name)) order = static_cast<int>(*quality);
  } else if (kind == QuestionKind::kEarScale) {
    order = ParseScaleSound(name);
  }
  return order.value_or(kOther);
}

Checked CheckEar(const Question& q, const DrillSetup& setup, const Answer& answer) {
  Checked c;
  if (q.byName) {
    if (answer.kind == Answer::kText) c = CheckNamed(q, answer.text);
  } else if (q.kind == QuestionKind::kEarChordQuality) {
    if (answer.kind == Answer::kVoicing) c = CheckQualityVoicing(q, setup, answer.frets);
  } else if (q.kind == QuestionKind::kEarInterval && q.notes.size() == 2) {
    if (answer.kind == Answer::kPosition) {
      c = CheckSecondNote(q, setup, PitchAt(setup, answer.position), answer.position);
    } else if (answer.kind == Answer::kPitch) {
      c = CheckSecondNote(q, setup, answer.pitch, std::nullopt);
    }
  }
  c.given = answer.kind;
  return c;
}

}  // namespace fretlab::practice
