// The ear drills' questions: what sounds, what is asked, what answers it.

#include <algorithm>
#include <array>
#include <random>
#include <set>

#include "practice/drill_questions.h"
#include "practice/ear_drills.h"
#include "theory/voicing_finder.h"

namespace fretlab::practice {

namespace {

// The roots of the chord and scale questions, spelled as chord symbols are
// most often written.
constexpr std::array<const char*, 12> kRootNames = {"C", "Db", "D", "Eb", "E", "F",
                                                    "F#", "G", "Ab", "A", "Bb", "B"};
// A scale's root sounds from C3 to B3, so that its octave stays within a
// guitar's compass.
constexpr int kScaleRootBase = 48;

std::set<int> AreaPitches(const DrillSetup& setup) {
  std::set<int> pitches;
  for (const Position& p : AreaPositions(setup.tuning, setup.area)) pitches.insert(PitchAt(setup, p));
  return pitches;
}

void AddIntervals(const DrillSetup& setup, std::vector<Question>& out) {
  const std::set<int> pitches = AreaPitches(setup);
  const std::vector<int> intervals = IntervalsInPlay(setup.ear.intervalStep);
  const int sign = setup.ear.direction == IntervalDirection::kDescending ? -1 : 1;
  auto fits = [&](int first, int semitones) { return pitches.count(first + sign * semitones) > 0; };
  // First notes from which every interval in play fits keep each interval
  // as likely as the next; when there are none, each takes what fits it.
  std::vector<int> common;
  for (int first : pitches) {
    if (std::all_of(intervals.begin(), intervals.end(), [&](int n) { return fits(first, n); })) {
      common.push_back(first);
    }
  }
  const bool byName = !setup.ear.onNeck;
  for (int n : intervals) {
    for (int first : pitches) {
      if (!fits(first, n)) continue;
      if (!common.empty() && !std::binary_search(common.begin(), common.end(), first)) continue;
      Question q;
      q.kind = QuestionKind::kEarInterval;
      q.asked = IntervalShortName(n);
      q.item = q.asked;
      q.pitch = first + sign * n;
      q.notes = {first, q.pitch};
      q.byName = byName;
      if (byName) {
        q.prompt = "Which interval do you hear?";
      } else {
        const std::vector<Position> at = PositionsOfNote(setup.tuning, setup.area, first);
        q.shown = at.front();
        q.targets = PositionsOfNote(setup.tuning, setup.area, q.pitch);
        q.prompt = (setup.ear.direction == IntervalDirection::kTogether
                        ? "Find the higher note you hear, from the marked lower one"
                        : "Find the second note you hear, from the marked one") +
                   RangeText(setup);
      }
      out.push_back(std::move(q));
    }
  }
}

void AddQualities(const DrillSetup& setup, std::vector<Question>& out) {
  for (ChordQuality quality : QualitiesInPlay(setup.ear.qualityStep)) {
    for (int root = 0; root < 12; ++root) {
      if (setup.ear.voicingOnNeck) {
        if (auto q = QualityVoicingQuestion(setup, root, quality)) out.push_back(std::move(*q));
        continue;
      }
      Question q;
      q.kind = QuestionKind::kEarChordQuality;
      q.notes = QualityNotes(setup.tuning, root, quality);
      if (q.notes.empty()) continue;
      q.asked = QualityName(quality);
      q.item = q.asked;
      // The lowest of the voicing's roots: the quality heard above it.
      q.pitch = *std::find_if(q.notes.begin(), q.notes.end(),
                              [root](int note) { return PitchClass(note) == root; });
      q.byName = true;
      q.prompt = "Which chord quality do you hear?";
      out.push_back(std::move(q));
    }
  }
}

void AddScales(const DrillSetup& setup, std::vector<Question>& out) {
  const std::vector<ScaleSound>& scales = ScaleSounds();
  for (int index : ScalesInPlay(setup.ear.scaleStep)) {
    for (int root = 0; root < 12; ++root) {
      Question q;
      q.kind = QuestionKind::kEarScale;
      q.asked = std::string(scales[index].name);
      q.item = q.asked;
      q.pitch = kScaleRootBase + root;
      q.notes = setup.ear.phrase
                    ? ScalePhrase(q.pitch, scales[index], setup.ear.seed + 12 * index + root)
                    : ScaleUp(q.pitch, scales[index]);
      q.byName = true;
      q.prompt = "Which scale do you hear?";
      out.push_back(std::move(q));
    }
  }
}

}  // namespace

std::string ChordText(int rootPitchClass, ChordQuality quality) {
  return kRootNames[PitchClass(rootPitchClass)] + QualitySuffix(quality);
}

std::vector<int> QualityNotes(const Tuning& tuning, int rootPitchClass, ChordQuality quality) {
  const auto chord = ParseChordSymbol(ChordText(rootPitchClass, quality));
  if (!chord) return {};
  const std::optional<Voicing> top = TopVoicing(*chord, tuning);
  if (!top) return {};
  const std::vector<NoteNumber> notes = top->SoundingNotes();
  return {notes.begin(), notes.end()};
}

std::vector<int> ScaleUp(int root, const ScaleSound& scale) {
  std::vector<int> notes;
  for (int step : scale.steps) notes.push_back(root + step);
  notes.push_back(root + kOctave);
  return notes;
}

std::vector<int> ScalePhrase(int root, const ScaleSound& scale, std::uint64_t seed) {
  // The scale's notes over one octave, the root at both ends.
  const std::vector<int> tones = ScaleUp(root, scale);
  const int top = static_cast<int>(tones.size()) - 1;
  std::mt19937_64 random(seed);
  std::vector<int> phrase = {tones.front()};
  int at = 0;
  constexpr int kLength = 8;
  for (int i = 1; i < kLength - 1; ++i) {
    // A step of -2..+2 scale notes, never standing still; the generator's
    // own bits, so that every standard library draws the same.
    int move = static_cast<int>(random() % 4);
    move = move < 2 ? move - 2 : move - 1;
    const int previous = at;
    // The note before the last root is not a root itself.
    const bool beforeLast = i == kLength - 2;
    at = std::clamp(at + move, beforeLast ? 1 : 0, beforeLast ? top - 1 : top);
    if (at == previous) at = at > 1 ? at - 1 : at + 1;
    phrase.push_back(tones[at]);
  }
  phrase.push_back(at > top / 2 ? tones.back() : tones.front());
  return phrase;
}

int IntervalOf(const Question& question) {
  return question.notes.size() == 2 ? std::abs(question.notes[1] - question.notes[0]) : 0;
}

int RootOf(const Question& question) { return PitchClass(question.pitch); }

void AddEarQuestions(QuestionKind kind, const DrillSetup& setup, std::vector<Question>& out) {
  // A neck with nothing in play (a capo above the frets chosen) asks nothing.
  if (AreaPositions(setup.tuning, setup.area).empty()) return;
  switch (kind) {
    case QuestionKind::kEarInterval:
      AddIntervals(setup, out);
      break;
    case QuestionKind::kEarChordQuality:
      AddQualities(setup, out);
      break;
    case QuestionKind::kEarScale:
      AddScales(setup, out);
      break;
    default:
      break;
  }
}

}  // namespace fretlab::practice
