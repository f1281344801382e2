// Chord quality by ear answered on the neck: the chord sounds in the first
// voicing the finder gives within the frets and strings in play, its lowest
// root marked (the root cannot be told by ear, the quality above it can),
// and any voicing of that root's chord of the quality heard answers it.

#include <algorithm>

#include "practice/drill_questions.h"
#include "practice/ear_drills.h"
#include "practice/miss.h"

namespace fretlab::practice {

namespace {

std::optional<ChordSymbol> ChordOf(int rootPitchClass, ChordQuality quality) {
  return ParseChordSymbol(ChordText(rootPitchClass, quality));
}

// Bit i set when a note i semitones above the root (mod 12) sounds.
unsigned SoundingIntervals(const DrillSetup& setup, int rootPitchClass,
                           const std::vector<FretIndex>& frets) {
  unsigned mask = 0;
  for (StringIndex s = 0; s < static_cast<StringIndex>(frets.size()); ++s) {
    if (frets[s] == kMuted) continue;
    mask |= 1u << PitchClass(PitchAt(setup, {s, frets[s]}) - rootPitchClass);
  }
  return mask;
}

// The strings that sound, lowest string first.
std::vector<SoundedPosition> Sounding(const DrillSetup& setup, const std::vector<FretIndex>& frets) {
  std::vector<SoundedPosition> out;
  for (StringIndex s = static_cast<StringIndex>(frets.size()) - 1; s >= 0; --s) {
    if (frets[s] != kMuted) out.push_back({{s, frets[s]}, PitchAt(setup, {s, frets[s]})});
  }
  return out;
}

}  // namespace

std::optional<Question> QualityVoicingQuestion(const DrillSetup& setup, int rootPitchClass,
                                               ChordQuality quality) {
  const auto chord = ChordOf(rootPitchClass, quality);
  if (!chord) return std::nullopt;
  const std::optional<Voicing> voicing = FirstVoicingInPlay(*chord, setup);
  if (!voicing) return std::nullopt;
  Question q;
  q.kind = QuestionKind::kEarChordQuality;
  q.asked = QualityName(quality);
  q.item = q.asked;
  for (const VoicedNote& n : voicing->notes) {
    q.notes.push_back(n.note);
    q.targets.push_back({n.string, n.fret});
  }
  const auto root = std::find_if(q.notes.begin(), q.notes.end(),
                                 [&](int note) { return PitchClass(note) == PitchClass(rootPitchClass); });
  if (root == q.notes.end()) return std::nullopt;
  q.pitch = *root;
  q.shown = q.targets[root - q.notes.begin()];
  q.prompt = "Play a voicing of the chord you hear, on the marked root" + RangeText(setup);
  return q;
}

std::string QualityOfVoicing(const DrillSetup& setup, int rootPitchClass,
                             const std::vector<FretIndex>& frets) {
  const unsigned sounding = SoundingIntervals(setup, rootPitchClass, frets);
  if ((sounding & 1u) != 0) {
    for (int i = 0; i < kChordQualityCount; ++i) {
      const auto quality = static_cast<ChordQuality>(i);
      const auto chord = ChordOf(rootPitchClass, quality);
      if (!chord) continue;
      const unsigned required = chord->RequiredIntervals();
      if ((sounding & required) == required && (sounding & ~chord->Intervals()) == 0) {
        return QualityName(quality);
      }
    }
  }
  return std::string(kOtherQuality);
}

Checked CheckQualityVoicing(const Question& q, const DrillSetup& setup,
                            const std::vector<FretIndex>& frets) {
  Checked c;
  c.given = Answer::kVoicing;
  c.frets = frets;
  c.position = q.shown;
  const auto asked = ParseQuality(q.asked);
  if (!asked || static_cast<int>(frets.size()) != setup.tuning.StringCount()) return c;
  const auto chord = ChordOf(RootOf(q), *asked);
  if (!chord) return c;
  c.fault = VoicingFaultInPlay(*chord, setup, frets);
  c.verdict = c.fault.empty() ? Verdict::kRight : Verdict::kWrong;
  c.answered = c.fault.empty() ? q.asked : QualityOfVoicing(setup, RootOf(q), frets);
  // Its tones, but not a voicing the hand can play here: not an answer of
  // the quality asked, so the table's diagonal stays the right answers.
  if (c.verdict == Verdict::kWrong && c.answered == q.asked) c.answered = kOtherQuality;
  return c;
}

Miss ExplainQualityVoicingMiss(const Feedback& fb, const DrillSetup& setup) {
  const Question& q = fb.question;
  Miss m;
  m.given = Miss::Given::kVoicing;
  m.askedName = q.asked;
  m.rightNote = q.asked;
  m.answeredName = fb.checked.answered;
  m.why = fb.checked.fault;
  if (const auto quality = ParseQuality(q.asked)) m.chord = ChordOf(RootOf(q), *quality);
  m.answeredVoicing = Sounding(setup, fb.checked.frets);
  std::vector<FretIndex> right(setup.tuning.StringCount(), kMuted);
  for (const Position& p : q.targets) right[p.string] = p.fret;
  Voicing heard;
  heard.frets = right;
  m.rightFrets = heard.FretsText();
  m.rightVoicing = Sounding(setup, right);
  for (const SoundedPosition& p : m.rightVoicing) m.rightAt.push_back(p.position);
  return m;
}

}  // namespace fretlab::practice
