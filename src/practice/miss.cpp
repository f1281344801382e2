#include "practice/miss.h"

#include <algorithm>
#include <cstdlib>

#include "practice/ear_sound.h"
#include "practice/question_sound.h"
#include "theory/voicing.h"

namespace fretlab::practice {

namespace {

// How far apart two positions lie for a hand: frets along one string are
// nearer than the same fret on another string.
int Distance(Position a, Position b) {
  return std::abs(a.fret - b.fret) + 3 * std::abs(a.string - b.string);
}

// The note of pitch class `pc` nearest to `near` (a tie goes down).
int NearestOfClass(int pc, int near) {
  const int up = PitchClass(pc - near);
  return up <= 6 ? near + up : near + up - 12;
}

// The sounding strings of frets, lowest string first.
std::vector<SoundedPosition> Sounding(const Tuning& tuning, const std::vector<FretIndex>& frets) {
  std::vector<SoundedPosition> out;
  for (StringIndex s = static_cast<StringIndex>(frets.size()) - 1; s >= 0; --s) {
    if (frets[s] != kMuted) out.push_back({{s, frets[s]}, tuning.NoteAt(s, frets[s])});
  }
  return out;
}

Miss ExplainVoicingMiss(const Feedback& fb, const DrillSetup& setup) {
  const Question& q = fb.question;
  Miss m;
  m.given = Miss::Given::kVoicing;
  m.askedName = q.asked;
  m.rightNote = q.asked;
  m.answeredName = fb.checked.answered;
  m.why = fb.checked.fault;
  m.chord = ParseChordSymbol(q.asked);
  const int strings = setup.tuning.StringCount();
  if (const auto given = ParseFretsText(fb.checked.answered, strings)) {
    m.answeredVoicing = Sounding(setup.tuning, *given);
  }
  Voicing right;
  right.frets.assign(strings, kMuted);
  for (const Position& p : fb.right) right.frets[p.string] = p.fret;
  m.rightFrets = right.FretsText();
  m.rightVoicing = Sounding(setup.tuning, right.frets);
  for (const SoundedPosition& p : m.rightVoicing) m.rightAt.push_back(p.position);
  return m;
}

}  // namespace

Miss ExplainMiss(const Feedback& fb, const DrillSetup& setup) {
  const Question& q = fb.question;
  if (AsksForVoicing(q.kind)) return ExplainVoicingMiss(fb, setup);
  if (IsEarTraining(q.kind)) return ExplainEarMiss(fb, setup);
  Miss m;
  m.octave = fb.checked.verdict == Verdict::kOctave;
  m.askedName = q.asked;
  m.rightNote = q.asked;

  if (AsksForName(q.kind)) {
    m.given = fb.checked.given == Answer::kPitch ? Miss::Given::kPitch : Miss::Given::kName;
    m.answeredName = fb.checked.answered;
    if (q.shown) m.rightAt = {*q.shown};
    m.rightPitch = q.pitch;
    m.rightNote = NoteNameInKey(setup, q.pitch);
    if (fb.checked.pitch >= 0) {
      m.wrongPitch = fb.checked.pitch;
    } else if (q.kind == QuestionKind::kNameNote) {
      if (const auto named = ParseNoteName(fb.checked.answered)) {
        m.wrongPitch = NearestOfClass(named->PitchClass(), q.pitch);
      }
    } else if (const auto degree = ParseDegree(fb.checked.answered)) {
      m.wrongPitch = NearestOfClass(setup.key.Root().PitchClass() + degree->Semitones(), q.pitch);
    }
    if (m.wrongPitch >= 0) m.answeredDegree = DegreeNameInKey(setup, m.wrongPitch);
    return m;
  }

  m.given = fb.checked.given == Answer::kPitch ? Miss::Given::kPitch : Miss::Given::kPosition;
  m.answeredAt = fb.checked.position;
  m.wrongPitch = fb.checked.pitch;
  if (m.wrongPitch >= 0) {
    const bool withOctave = q.kind == QuestionKind::kEarToNeck || m.given == Miss::Given::kPitch;
    const SpelledNote spelled = setup.key.Spell(PitchClass(m.wrongPitch));
    m.answeredName = withOctave ? NoteNameWithOctave(m.wrongPitch, spelled) : NoteName(spelled);
    m.answeredDegree = DegreeNameInKey(setup, m.wrongPitch);
  }
  m.rightAt = fb.right;
  if (m.answeredAt) {
    const Position from = *m.answeredAt;
    std::stable_sort(m.rightAt.begin(), m.rightAt.end(), [from](Position a, Position b) {
      return Distance(a, from) < Distance(b, from);
    });
  }
  if (q.kind == QuestionKind::kEarToNeck) {
    m.rightPitch = q.pitch;
  } else if (!m.rightAt.empty()) {
    m.rightPitch = PitchAt(setup, m.rightAt.front());
  }
  if (AsksForDegree(q.kind) && m.rightPitch >= 0) m.rightNote = NoteNameInKey(setup, m.rightPitch);
  return m;
}

PlaybackSchedule MissSound(const Miss& miss, PlaybackTime chosen) {
  std::vector<PlaybackStep> steps;
  if (miss.given == Miss::Given::kVoicing) {
    for (const auto* voicing : {&miss.answeredVoicing, &miss.rightVoicing}) {
      PlaybackStep chord;
      for (const SoundedPosition& p : *voicing) chord.notes.push_back(p.note), chord.marks.push_back(p.position);
      if (!chord.notes.empty()) steps.push_back(std::move(chord));
    }
    // Strummed as the window strums, each chord ringing two single notes long.
    return PlaybackSchedule::Sequence(std::move(steps), 2 * SingleNoteLength(chosen),
                                      PlaybackTime{25});
  }
  if (miss.wrongPitch >= 0) {
    std::vector<Position> at;
    if (miss.answeredAt) at.push_back(*miss.answeredAt);
    steps.push_back({{miss.wrongPitch}, at});
  }
  if (miss.rightPitch >= 0) {
    std::vector<Position> at;
    if (!miss.rightAt.empty()) at.push_back(miss.rightAt.front());
    steps.push_back({{miss.rightPitch}, at});
  }
  return PlaybackSchedule::Sequence(std::move(steps), SingleNoteLength(chosen));
}

}  // namespace fretlab::practice
