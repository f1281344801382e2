// The CAGED shapes of the major scale and its modes as hand positions, and
// which form of the root chord each one holds.

#include <algorithm>
#include <array>
#include <bit>
#include <set>

#include "theory/position_patterns.h"

namespace fretlab::position_patterns {

namespace {

// Strings of a six-string neck from the top: 0 the first (thinnest), 5 the lowest.
struct FormRoot {
  StringIndex string;
  int fret;  // above the root's fret on the lowest string, 0..11
};

// Where each form has its roots (C, A, G, E, D), from the root's fret on the
// lowest string: the E form's on the sixth, fourth and first string, the D
// form's on the fourth and second, the C form's on the fifth and second,
// the A form's on the fifth and third, the G form's on the sixth, third and
// first.
const std::array<std::vector<FormRoot>, 5> kFormRoots = {{
    {{4, 7}, {1, 5}},
    {{4, 7}, {2, 9}},
    {{5, 12}, {2, 9}, {0, 12}},
    {{5, 0}, {3, 2}, {0, 0}},
    {{3, 2}, {1, 5}},
}};

// The hand positions of a major scale, per shape, from the fret of its root
// on the lowest string: one fret below the E-form barre to two above; the D
// shape one to five above; C four to seven; A six to ten; G eight to twelve.
constexpr std::array<std::pair<int, int>, 5> kWindows = {{{4, 7}, {6, 10}, {8, 12}, {-1, 2}, {1, 5}}};

constexpr unsigned kMajor = 0xAB5u;      // 0 2 4 5 7 9 11
constexpr unsigned kMajorPenta = 0x295u;  // 0 2 4 7 9
constexpr unsigned kMinorPenta = 0x4A9u;  // 0 3 5 7 10
constexpr unsigned kBlues = 0x4E9u;       // 0 3 5 6 7 10

unsigned Rotated(unsigned mask, int by) {  // the set seen from `by` semitones up
  return ((mask >> by) | (mask << (12 - by))) & 0xFFFu;
}

}  // namespace

ScaleKind KindOf(const KeySpelling& key) {
  ScaleKind kind;
  const int root = key.Root().PitchClass();
  unsigned mask = 0;
  for (int i = 0; i < key.Size(); ++i) mask |= 1u << key.DegreeAt(i).Semitones();
  kind.sevenNotes = key.Size() == 7 && std::popcount(mask) == 7;
  for (int by = 0; by < 12; ++by) {
    if (Rotated(kMajor, by) == mask) kind.parentMajor = PitchClass(root - by);
  }
  if (mask == kMajorPenta) kind.minorPentatonic = PitchClass(root + 9);
  if (mask == kMinorPenta || mask == kBlues) kind.minorPentatonic = root;
  kind.blues = mask == kBlues;
  return kind;
}

bool HasStandardIntervals(const Tuning& tuning) {
  if (tuning.StringCount() != 6) return false;
  static constexpr int kUp[5] = {5, 4, 5, 5, 5};  // string s above string s + 1
  for (StringIndex s = 0; s < 5; ++s) {
    if (tuning.OpenNote(s) - tuning.OpenNote(s + 1) != kUp[s]) return false;
  }
  return true;
}

int CagedFormWithin(const Tuning& tuning, int tonic, int from, int to) {
  const int root = PitchClass(tonic - tuning.OpenNote(5));
  for (int form = 0; form < 5; ++form) {
    for (int octave = -36; octave <= 36; octave += 12) {
      const bool inside = std::all_of(kFormRoots[form].begin(), kFormRoots[form].end(),
                                      [&](const FormRoot& r) {
                                        const int fret = root + r.fret + octave;
                                        return fret >= from && fret <= to;
                                      });
      if (inside) return form;
    }
  }
  return -1;
}

std::vector<Pattern> CagedWindows(const Tuning& tuning, const KeySpelling& key, int parentMajor) {
  const int root = PitchClass(parentMajor - tuning.OpenNote(5));
  std::vector<Pattern> patterns;
  for (const auto& [low, high] : kWindows) {
    for (int octave = -24; octave <= 24; octave += 12) {
      const int from = root + low + octave, to = root + high + octave;
      if (to < 0 || from > tuning.HighestFret()) continue;
      Pattern p;
      p.number = CagedFormWithin(tuning, key.Root().PitchClass(), from, to);
      p.start = from;
      p.highest = to;
      // A pitch within reach on two strings is played on the lower one.
      std::set<NoteNumber> played;
      for (StringIndex s = 5; s >= 0; --s) {
        for (FretIndex f = from; f <= to; ++f) {
          const NoteNumber note = tuning.NoteAt(s, f);
          if (key.IndexOfPitchClass(PitchClass(note)) < 0 || !played.insert(note).second) continue;
          p.notes.push_back({s, f, note});
        }
      }
      patterns.push_back(std::move(p));
    }
  }
  return patterns;
}

}  // namespace fretlab::position_patterns
