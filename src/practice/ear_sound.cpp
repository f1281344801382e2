#include "practice/ear_sound.h"

#include <algorithm>
#include <cstdlib>

namespace fretlab::practice {

namespace {

// A strum's notes start this far apart, as a pick crosses the strings.
constexpr PlaybackTime kStrumStagger{25};

// The steps of one sounding of `notes` as a question of `kind` sounds;
// every step a whole number of beats long.
std::vector<PlaybackStep> StepsOf(QuestionKind kind, const std::vector<int>& notes,
                                  const EarOptions& options, PlaybackTime beat) {
  std::vector<PlaybackStep> steps;
  if (notes.empty()) return steps;
  const bool together = (kind == QuestionKind::kEarInterval &&
                         options.direction == IntervalDirection::kTogether) ||
                        (kind == QuestionKind::kEarChordQuality && !options.arpeggiated);
  if (together) {
    PlaybackStep all;
    all.notes.assign(notes.begin(), notes.end());
    all.length = beat * (kind == QuestionKind::kEarChordQuality ? 3 : 2);
    steps.push_back(std::move(all));
    return steps;
  }
  for (int note : notes) steps.push_back({{note}, {}, {}, beat});
  steps.back().length = beat * 2;
  return steps;
}

// A chord is strummed; an interval's two notes together start at once.
PlaybackSchedule Build(std::vector<PlaybackStep> steps, PlaybackTime beat, QuestionKind kind) {
  return PlaybackSchedule::Sequence(std::move(steps), beat,
                                    kind == QuestionKind::kEarChordQuality ? kStrumStagger
                                                                           : PlaybackTime{0});
}

// What the answer given sounds like, as the question would have sounded it.
std::vector<int> GivenNotes(const Feedback& fb, const DrillSetup& setup) {
  const Question& q = fb.question;
  switch (q.kind) {
    case QuestionKind::kEarInterval: {
      if (q.notes.size() != 2) return {};
      if (fb.checked.pitch >= 0) return {q.notes[0], fb.checked.pitch};
      const auto semitones = ParseIntervalName(fb.checked.answered);
      if (!semitones) return {};
      const int sign = q.notes[1] >= q.notes[0] ? 1 : -1;
      return {q.notes[0], q.notes[0] + sign * *semitones};
    }
    case QuestionKind::kEarChordQuality:
      if (!fb.checked.frets.empty()) {
        std::vector<int> notes;
        for (StringIndex s = static_cast<StringIndex>(fb.checked.frets.size()) - 1; s >= 0; --s) {
          if (fb.checked.frets[s] != kMuted) notes.push_back(PitchAt(setup, {s, fb.checked.frets[s]}));
        }
        return notes;
      }
      if (const auto quality = ParseQuality(fb.checked.answered)) {
        return QualityNotes(setup.tuning, RootOf(q), *quality);
      }
      return {};
    case QuestionKind::kEarScale:
      if (const auto scale = ParseScaleSound(fb.checked.answered)) {
        return ScaleUp(q.pitch, ScaleSounds()[*scale]);
      }
      return {};
    default:
      return {};
  }
}

std::vector<int> RightNotes(const Question& q) {
  if (q.kind != QuestionKind::kEarScale) return q.notes;
  const auto scale = ParseScaleSound(q.asked);
  return scale ? ScaleUp(q.pitch, ScaleSounds()[*scale]) : q.notes;
}

}  // namespace

PlaybackTime BeatLength(int tempo) {
  return PlaybackTime{60'000 / std::clamp(tempo, kMinTempo, kMaxTempo)};
}

PlaybackSchedule EarTrainingSchedule(const Question& question, const EarOptions& options) {
  const PlaybackTime beat = BeatLength(options.tempo);
  std::vector<PlaybackStep> steps;
  if (question.kind == QuestionKind::kEarScale) {
    steps.push_back({{question.pitch}, {}, {}, beat});
    steps.push_back({{}, {}, {}, beat});
  }
  for (PlaybackStep& step : StepsOf(question.kind, question.notes, options, beat)) {
    steps.push_back(std::move(step));
  }
  return Build(std::move(steps), beat, question.kind);
}

PlaybackSchedule EarMissSchedule(const Feedback& fb, const DrillSetup& setup) {
  const PlaybackTime beat = BeatLength(setup.ear.tempo);
  std::vector<PlaybackStep> steps =
      StepsOf(fb.question.kind, GivenNotes(fb, setup), setup.ear, beat);
  if (!steps.empty()) steps.push_back({{}, {}, {}, beat});
  for (PlaybackStep& step : StepsOf(fb.question.kind, RightNotes(fb.question), setup.ear, beat)) {
    steps.push_back(std::move(step));
  }
  return Build(std::move(steps), beat, fb.question.kind);
}

Miss ExplainEarMiss(const Feedback& fb, const DrillSetup& setup) {
  if (fb.checked.given == Answer::kVoicing) return ExplainQualityVoicingMiss(fb, setup);
  const Question& q = fb.question;
  Miss m;
  m.askedName = q.asked;
  m.rightNote = q.asked;
  m.answeredName = fb.checked.answered;
  m.octave = fb.checked.verdict == Verdict::kOctave;
  if (q.byName) {
    m.given = Miss::Given::kName;
    return m;
  }
  m.given = fb.checked.given == Answer::kPitch ? Miss::Given::kPitch : Miss::Given::kPosition;
  m.answeredAt = fb.checked.position;
  m.wrongPitch = fb.checked.pitch;
  m.rightPitch = q.pitch;
  m.rightNote = NoteNameInKey(setup, q.pitch);
  m.rightAt = fb.right;
  if (m.answeredAt) {
    // Frets along one string are nearer to a hand than the same fret on another.
    const Position from = *m.answeredAt;
    auto distance = [from](Position p) {
      return std::abs(p.fret - from.fret) + 3 * std::abs(p.string - from.string);
    };
    std::stable_sort(m.rightAt.begin(), m.rightAt.end(),
                     [&](Position a, Position b) { return distance(a) < distance(b); });
  }
  return m;
}

}  // namespace fretlab::practice
