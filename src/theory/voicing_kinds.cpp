// What kind of shape a voicing is, and the order the finder lists them in.

#include "theory/voicing_kinds.h"

#include <algorithm>
#include <numeric>
#include <tuple>

#include "theory/position_patterns.h"

namespace fretlab::voicing_kinds {

namespace {

struct Shape {
  std::vector<StringIndex> sounding;  // from the lowest string up
  bool open = false;                  // some string sounds open (at the capo)
  int highest = 0;                    // highest fret pressed
};

Shape ShapeOf(const Voicing& v, int capo) {
  Shape shape;
  for (const VoicedNote& n : v.notes) {
    shape.sounding.push_back(n.string);
    if (n.fret == capo) shape.open = true;
    shape.highest = std::max(shape.highest, n.fret);
  }
  return shape;
}

// Sounding strings one beside the other up to the first string.
bool ToTheTop(const Shape& shape) {
  for (std::size_t i = 0; i < shape.sounding.size(); ++i) {
    if (shape.sounding[i] != static_cast<int>(shape.sounding.size() - 1 - i)) return false;
  }
  return !shape.sounding.empty();
}

// As ToTheTop, or for a slash chord with one muted string between the bass
// and the rest, as the thumb plays the bass of D/F♯ (2x0232).
bool ToTheTopButTheBass(const Shape& shape, bool slash) {
  if (ToTheTop(shape)) return true;
  if (!slash) return false;
  Shape upper = shape;
  upper.sounding.erase(upper.sounding.begin());
  return !upper.sounding.empty() && ToTheTop(upper) &&
         shape.sounding.front() == upper.sounding.front() + 2;
}

std::string Strings(StringIndex top, StringIndex bottom) {
  return std::to_string(top + 1) + "\u2013" + std::to_string(bottom + 1);
}

// Drop 2 or drop 3 by the pitches (4 distinct pitch classes, no more): 2 or
// 3, or 0 for neither.
int DropOf(const Voicing& v) {
  std::vector<NoteNumber> p = v.SoundingNotes();
  std::sort(p.begin(), p.end());
  unsigned pcs = 0;
  for (NoteNumber n : p) pcs |= 1u << PitchClass(n);
  if (p.size() != 4 || std::popcount(pcs) != 4) return 0;
  // The close voicing back: the bass an octave up lies second from the top
  // (drop 2) or third (drop 3), the four within an octave.
  const NoteNumber up = p[0] + 12;
  if (p[2] < up && up < p[3] && p[3] - p[1] < 12) return 2;
  if (p[1] < up && up < p[2] && p[3] - p[1] < 12) return 3;
  return 0;
}

bool Bar(const Voicing& v, StringIndex s) { return v.frets[s] == v.lowestFret; }

bool HasSeventhOrSixth(const ChordSymbol& chord) {
  return std::any_of(chord.tones.begin(), chord.tones.end(), [](const ChordTone& t) {
    return t.degree.number == 7 || t.degree == Degree{6, 0};
  });
}

// Root, third and seventh (or sixth), the root lowest.
bool IsShell(const Voicing& v, const ChordSymbol& chord) {
  if (v.notes.size() != 3 || v.inversion || !HasSeventhOrSixth(chord) || chord.bass) return false;
  std::vector<int> numbers;
  for (const VoicedNote& n : v.notes) numbers.push_back(n.degree ? n.degree->number : 0);
  std::sort(numbers.begin(), numbers.end());
  return numbers[0] == 1 && numbers[1] == 3 && (numbers[2] == 7 || numbers[2] == 6) &&
         v.notes.front().degree == Degree{1, 0};
}

void Label(Voicing& v, VoicingKind kind, std::string label) {
  v.kind = kind;
  v.label = std::move(label);
}

}  // namespace

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

void Classify(Voicing& v, const ChordSymbol& chord, const Tuning& tuning, int capo) {
  const Shape shape = ShapeOf(v, capo);
  const int count = static_cast<int>(shape.sounding.size());
  const std::string at = std::to_string(v.lowestFret);
  if (shape.open && !v.inversion && v.missing == 0 && v.unisons == 0 && count >= 4 &&
      ToTheTopButTheBass(shape, chord.bass.has_value()) && shape.highest <= capo + 3) {
    return Label(v, VoicingKind::kOpen, "open");
  }
  const bool rootLowest = !v.notes.empty() && v.notes.front().degree == Degree{1, 0};
  if (!shape.open && rootLowest && position_patterns::HasStandardIntervals(tuning) && Bar(v, 0)) {
    if (count == 6 && Bar(v, 5)) return Label(v, VoicingKind::kEShapeBarre, "E-shape barre at " + at);
    if (count == 5 && ToTheTop(shape) && Bar(v, 4)) {
      return Label(v, VoicingKind::kAShapeBarre, "A-shape barre at " + at);
    }
  }
  const int drop = shape.open ? 0 : DropOf(v);
  const StringIndex bottom = shape.sounding.empty() ? 0 : shape.sounding.front();
  const StringIndex top = shape.sounding.empty() ? 0 : shape.sounding.back();
  if (drop == 2 && bottom - top == 3) {
    return Label(v, VoicingKind::kDrop2, "drop 2 on strings " + Strings(top, bottom));
  }
  if (drop == 3 && bottom - top == 4 && v.frets[bottom - 1] == kMuted) {
    return Label(v, VoicingKind::kDrop3, "drop 3 on strings " + Strings(top, bottom));
  }
  if (!shape.open && IsShell(v, chord)) return Label(v, VoicingKind::kShell, "shell");
  Label(v, VoicingKind::kOther, v.lowestFret == 0 ? std::string("open strings") : "at " + at);
}

int Score(const Voicing& v, int strings, int capo) {
  const StringIndex bass = v.notes.empty() ? 0 : v.notes.front().string;
  const bool rootLowest = !v.notes.empty() && v.notes.front().degree == Degree{1, 0};
  int score = 0;
  switch (v.kind) {
    case VoicingKind::kOpen: score = 0; break;
    case VoicingKind::kEShapeBarre:
    case VoicingKind::kAShapeBarre: score = 5; break;
    case VoicingKind::kDrop2:
      // The grip with the root on the fifth string, then the first four strings.
      score = rootLowest && bass == strings - 2 ? 4 : bass == 3 ? 8 : 10;
      break;
    case VoicingKind::kDrop3: score = rootLowest && bass == strings - 1 ? 4 : 10; break;
    case VoicingKind::kShell: score = 12; break;
    case VoicingKind::kOther: score = 24; break;
  }
  const bool drop = v.kind == VoicingKind::kDrop2 || v.kind == VoicingKind::kDrop3;
  if (v.inversion) score += drop ? 2 : 16;
  if (v.kind != VoicingKind::kOpen && v.lowestFret > 0) score += v.lowestFret - capo;
  score += 2 * std::max(0, v.span - 3) + 6 * v.missing + 6 * v.unisons;
  return score;
}

namespace {

// Ties: more strings, then fewer frets pressed, then a fixed order.
bool Before(const Voicing& a, const Voicing& b) {
  const auto key = [](const Voicing& v) {
    const int pressed = std::accumulate(v.frets.begin(), v.frets.end(), 0,
                                        [](int sum, FretIndex f) { return sum + std::max(f, 0); });
    return std::make_tuple(v.score, -static_cast<int>(v.notes.size()), pressed, v.frets);
  };
  return key(a) < key(b);
}

int Family(VoicingKind kind) {
  return kind == VoicingKind::kAShapeBarre ? static_cast<int>(VoicingKind::kEShapeBarre)
                                           : static_cast<int>(kind);
}

}  // namespace

void Rank(std::vector<Voicing>& voicings) {
  constexpr int kFamilies = static_cast<int>(VoicingKind::kOther) + 1;
  std::vector<std::vector<Voicing>> byFamily(kFamilies);
  for (Voicing& v : voicings) byFamily[Family(v.kind)].push_back(std::move(v));
  for (auto& family : byFamily) std::sort(family.begin(), family.end(), Before);
  std::vector<std::size_t> taken(kFamilies, 0);
  // A family already listed once costs 4 more, twice or more 8 more, so the
  // first rows show one shape of each kind before a second of any.
  const auto cost = [&](int f) {
    return byFamily[f][taken[f]].score + 4 * static_cast<int>(std::min<std::size_t>(taken[f], 2));
  };
  const std::size_t total = voicings.size();
  voicings.clear();
  while (voicings.size() < total) {
    int best = -1;
    for (int f = 0; f < kFamilies; ++f) {
      if (taken[f] == byFamily[f].size()) continue;
      if (best < 0 || cost(f) < cost(best) ||
          (cost(f) == cost(best) && Before(byFamily[f][taken[f]], byFamily[best][taken[best]]))) {
        best = f;
      }
    }
    voicings.push_back(std::move(byFamily[best][taken[best]++]));
  }
}

}  // namespace fretlab::voicing_kinds
