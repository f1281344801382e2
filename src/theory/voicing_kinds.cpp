// What kind of shape a voicing is, its score, and the order the finder
// lists voicings in.

#include "theory/voicing_kinds.h"

#include <algorithm>
#include <bit>
#include <tuple>

#include "theory/position_patterns.h"

namespace fretlab::voicing_kinds {

namespace {

// Sounding strings of a voicing, from the lowest string up.
struct Sound {
  std::array<StringIndex, kMaxStrings> strings{};
  std::array<NoteNumber, kMaxStrings> notes{};
  int count = 0;
  bool open = false;  // some string sounds open (at the capo)
  int highest = 0;    // highest fret pressed
};

Sound SoundOf(const Candidate& c, const Context& x) {
  Sound sound;
  for (StringIndex s = x.tuning.StringCount() - 1; s >= 0; --s) {
    const int f = c.frets[s];
    if (f == kMuted) continue;
    sound.strings[sound.count] = s;
    sound.notes[sound.count++] = x.tuning.NoteAt(s, f);
    sound.open = sound.open || f == x.capo;
    if (f > x.capo) sound.highest = std::max(sound.highest, f);
  }
  return sound;
}

// Sounding up to the first string without a gap; for a slash chord the bass
// may stand one muted string below the rest, as the thumb plays the bass
// of D/F♯ (2x0232).
bool ToTheTop(const Candidate& c, const Measures& m, bool slash) {
  if (m.top != 0) return false;
  if (m.bottom == c.sounding - 1) return true;
  return slash && m.bottom == c.sounding && c.frets[m.bottom - 1] == kMuted;
}

// Drop 2 or drop 3 by the pitches of four distinct pitch classes: 2 or 3,
// or 0 for neither. The close voicing back: the bass an octave up lies
// second from the top (drop 2) or third (drop 3), the four within an octave.
int DropOf(const Sound& sound) {
  if (sound.count != 4) return 0;
  std::array<NoteNumber, 4> p{};
  unsigned pcs = 0;
  for (int i = 0; i < 4; ++i) p[i] = sound.notes[i], pcs |= 1u << PitchClass(p[i]);
  if (std::popcount(pcs) != 4) return 0;
  std::sort(p.begin(), p.end());
  const NoteNumber up = p[0] + 12;
  if (p[2] < up && up < p[3] && p[3] - p[1] < 12) return 2;
  if (p[1] < up && up < p[2] && p[3] - p[1] < 12) return 3;
  return 0;
}

// Root, third and seventh (or sixth), the root on the lowest string.
bool IsShell(const Measures& m, const Sound& sound, const Context& x) {
  if (sound.count != 3 || m.inversion || !x.seventhOrSixth || x.chord.bass) return false;
  std::array<int, 3> numbers{};
  for (int i = 0; i < 3; ++i) numbers[i] = x.degreeNumber[PitchClass(sound.notes[i] - x.root)];
  if (numbers[0] != 1) return false;
  std::sort(numbers.begin(), numbers.end());
  return numbers[0] == 1 && numbers[1] == 3 && (numbers[2] == 7 || numbers[2] == 6);
}

VoicingKind KindOf(const Candidate& c, const Measures& m, const Sound& sound, const Context& x) {
  const bool slash = x.chord.bass.has_value();
  if (sound.open && !m.inversion && m.missing == 0 && m.unisons == 0 && c.sounding >= 4 &&
      ToTheTop(c, m, slash) && sound.highest <= x.capo + 3) {
    return VoicingKind::kOpen;
  }
  if (sound.open) return VoicingKind::kOther;
  const bool rootLowest = PitchClass(sound.notes[0] - x.root) == 0;
  if (rootLowest && x.sixStandard && c.frets[0] == m.lowestFret) {
    if (c.sounding == 6 && c.frets[5] == m.lowestFret) return VoicingKind::kEShapeBarre;
    if (c.sounding == 5 && m.bottom == 4 && c.frets[4] == m.lowestFret) return VoicingKind::kAShapeBarre;
  }
  const int drop = DropOf(sound);
  if (drop == 2 && m.bottom - m.top == 3) return VoicingKind::kDrop2;
  if (drop == 3 && m.bottom - m.top == 4 && c.frets[m.bottom - 1] == kMuted) return VoicingKind::kDrop3;
  if (IsShell(m, sound, x)) return VoicingKind::kShell;
  return VoicingKind::kOther;
}

int Score(VoicingKind kind, const Measures& m, const Sound& sound, const Context& x) {
  const int strings = x.tuning.StringCount();
  const bool rootLowest = PitchClass(sound.notes[0] - x.root) == 0;
  int score = 0;
  switch (kind) {
    case VoicingKind::kOpen: score = 0; break;
    case VoicingKind::kEShapeBarre:
    case VoicingKind::kAShapeBarre: score = 5; break;
    case VoicingKind::kDrop2:
      // The grip with the root on the second-lowest string, then the first four strings.
      score = rootLowest && m.bottom == strings - 2 ? 4 : m.bottom == 3 ? 8 : 10;
      break;
    case VoicingKind::kDrop3: score = rootLowest && m.bottom == strings - 1 ? 4 : 10; break;
    case VoicingKind::kShell: score = 12; break;
    case VoicingKind::kOther: score = 24; break;
  }
  const bool drop = kind == VoicingKind::kDrop2 || kind == VoicingKind::kDrop3;
  if (m.inversion) score += drop ? 2 : 16;
  if (kind != VoicingKind::kOpen && m.lowestFret > 0) score += m.lowestFret - x.capo;
  return score + 2 * std::max(0, m.span - 3) + 6 * m.missing + 6 * m.unisons;
}

// Ties: more strings, then fewer frets pressed, then a fixed order.
bool Before(const Candidate& a, const Candidate& b) {
  return std::tie(a.score, b.sounding, a.pressed, a.frets) <
         std::tie(b.score, a.sounding, b.pressed, b.frets);
}

int Family(VoicingKind kind) {
  return kind == VoicingKind::kAShapeBarre ? static_cast<int>(VoicingKind::kEShapeBarre)
                                           : static_cast<int>(kind);
}

}  // namespace

Context::Context(const ChordSymbol& c, const Tuning& t, int capoFret)
    : chord(c), tuning(t), capo(capoFret), root(c.root.PitchClass()), intervals(c.Intervals()) {
  for (const ChordTone& tone : c.tones) {
    degreeNumber[tone.degree.Semitones()] = tone.degree.number;
    seventhOrSixth = seventhOrSixth || tone.degree.number == 7 || tone.degree == Degree{6, 0};
  }
  sixStandard = position_patterns::HasStandardIntervals(t);
}

bool Fingerable(const std::vector<FretIndex>& frets, int capo) {
  int pressed = 0, lowest = 99;
  for (FretIndex f : frets) {
    if (f > capo) ++pressed, lowest = std::min(lowest, f);
  }
  if (pressed <= 4) return true;
  int first = -1, last = -1, above = 0;
  for (int s = 0; s < static_cast<int>(frets.size()); ++s) {
    if (frets[s] == lowest) last = s, first = first < 0 ? s : first;
    if (frets[s] > lowest) ++above;
  }
  for (int s = first; s <= last; ++s) {
    if (frets[s] == capo) return false;
  }
  return 1 + above <= 4;
}

Measures Evaluate(Candidate& c, const Context& x) {
  const Sound sound = SoundOf(c, x);
  Measures m;
  c.sounding = static_cast<std::int8_t>(sound.count);
  m.bottom = sound.strings[0];
  m.top = sound.strings[sound.count - 1];
  unsigned heard = 0;
  int lowest = 99, pressed = 0;
  NoteNumber bass = sound.notes[0];
  for (int i = 0; i < sound.count; ++i) {
    heard |= 1u << PitchClass(sound.notes[i] - x.root);
    bass = std::min(bass, sound.notes[i]);
    const int f = c.frets[sound.strings[i]];
    pressed += f;
    if (f > x.capo) lowest = std::min(lowest, f);
    for (int j = 0; j < i; ++j) m.unisons += sound.notes[i] == sound.notes[j];
  }
  c.pressed = static_cast<std::int16_t>(pressed);
  m.lowestFret = lowest == 99 ? 0 : lowest;
  m.span = lowest == 99 ? 0 : sound.highest - lowest + 1;
  m.missing = std::popcount(x.intervals & ~heard);
  m.inversion = !x.chord.bass && PitchClass(bass) != x.root;
  c.kind = KindOf(c, m, sound, x);
  c.score = static_cast<std::int16_t>(Score(c.kind, m, sound, x));
  return m;
}

std::string Label(VoicingKind kind, const Measures& m) {
  const std::string at = std::to_string(m.lowestFret);
  const std::string strings = std::to_string(m.top + 1) + "\u2013" + std::to_string(m.bottom + 1);
  switch (kind) {
    case VoicingKind::kOpen: return "open";
    case VoicingKind::kEShapeBarre: return "E-shape barre at " + at;
    case VoicingKind::kAShapeBarre: return "A-shape barre at " + at;
    case VoicingKind::kDrop2: return "drop 2 on strings " + strings;
    case VoicingKind::kDrop3: return "drop 3 on strings " + strings;
    case VoicingKind::kShell: return "shell";
    case VoicingKind::kOther: break;
  }
  return m.lowestFret == 0 ? std::string("open strings") : "at " + at;
}

std::vector<std::uint32_t> Rank(const std::vector<Candidate>& candidates, std::size_t limit) {
  constexpr int kFamilies = static_cast<int>(VoicingKind::kOther) + 1;
  const std::size_t total = candidates.size();
  const std::size_t wanted = limit == 0 ? total : std::min(limit, total);
  // The indices by family, each family's best first: a family needs no more
  // than `wanted` of its own in order.
  std::array<std::size_t, kFamilies + 1> start{};
  for (const Candidate& c : candidates) ++start[Family(c.kind) + 1];
  for (int f = 0; f < kFamilies; ++f) start[f + 1] += start[f];
  std::vector<std::uint32_t> byFamily(total);
  std::array<std::size_t, kFamilies> fill{};
  for (std::uint32_t i = 0; i < total; ++i) {
    const int f = Family(candidates[i].kind);
    byFamily[start[f] + fill[f]++] = i;
  }
  const auto before = [&](std::uint32_t a, std::uint32_t b) { return Before(candidates[a], candidates[b]); };
  for (int f = 0; f < kFamilies; ++f) {
    const auto first = byFamily.begin() + static_cast<std::ptrdiff_t>(start[f]);
    const auto last = byFamily.begin() + static_cast<std::ptrdiff_t>(start[f + 1]);
    std::partial_sort(first, first + static_cast<std::ptrdiff_t>(std::min(wanted, start[f + 1] - start[f])),
                      last, before);
  }
  // A family already listed once costs 4 more, twice or more 8 more, so the
  // first rows show one shape of each kind before a second of any.
  std::array<std::size_t, kFamilies> taken{};
  const auto head = [&](int f) { return byFamily[start[f] + taken[f]]; };
  const auto cost = [&](int f) {
    return candidates[head(f)].score + 4 * static_cast<int>(std::min<std::size_t>(taken[f], 2));
  };
  std::vector<std::uint32_t> order;
  order.reserve(wanted);
  while (order.size() < wanted) {
    int best = -1;
    for (int f = 0; f < kFamilies; ++f) {
      if (start[f] + taken[f] == start[f + 1]) continue;
      if (best < 0 || cost(f) < cost(best) || (cost(f) == cost(best) && before(head(f), head(best)))) {
        best = f;
      }
    }
    order.push_back(head(best));
    ++taken[best];
  }
  return order;
}

}  // namespace fretlab::voicing_kinds
