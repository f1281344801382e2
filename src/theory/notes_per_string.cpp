// Three notes per string, and the pentatonic boxes as two notes per string.

#include <algorithm>

#include "theory/position_patterns.h"

namespace fretlab::position_patterns {

namespace {

// Octaves of a pattern tried around the one that starts on the lowest
// string's frets 0..11: enough for any neck of kFretPositions frets.
constexpr int kOctavesBelow = 2, kOctavesAbove = 2;

}  // namespace

std::vector<Pattern> NotesPerString(const Tuning& tuning, const std::vector<int>& scale,
                                    int perString, int first) {
  const int size = static_cast<int>(scale.size());
  const StringIndex lowest = tuning.StringCount() - 1;
  const NoteNumber open = tuning.OpenNote(lowest);
  std::vector<Pattern> patterns;
  for (int octave = -kOctavesBelow; octave <= kOctavesAbove; ++octave) {
    Pattern p;
    p.number = first + 1;
    NoteNumber note = open + PitchClass(scale[first] - open) + 12 * octave;
    int index = first;
    for (StringIndex s = lowest; s >= 0; --s) {
      for (int i = 0; i < perString; ++i) {
        p.notes.push_back({s, note - tuning.OpenNote(s), note});
        const int next = (index + 1) % size;
        note += PitchClass(scale[next] - scale[index]);
        index = next;
      }
    }
    const auto [low, high] = std::minmax_element(
        p.notes.begin(), p.notes.end(),
        [](const PatternNote& a, const PatternNote& b) { return a.fret < b.fret; });
    p.start = low->fret;
    p.highest = high->fret;
    if (low->fret <= tuning.HighestFret() && high->fret >= 0) patterns.push_back(std::move(p));
  }
  return patterns;
}

std::vector<Pattern> PentatonicBoxes(const Tuning& tuning, int minorRoot, bool blues) {
  const std::vector<int> scale = {minorRoot, minorRoot + 3, minorRoot + 5, minorRoot + 7,
                                  minorRoot + 10};
  std::vector<Pattern> boxes;
  for (int first = 0; first < 5; ++first) {
    for (Pattern& box : NotesPerString(tuning, scale, 2, first)) {
      if (blues) {
        // The ♭5 on the string of the 4, between it and the 5 or after it.
        std::vector<PatternNote> notes;
        for (const PatternNote& n : box.notes) {
          notes.push_back(n);
          if (PitchClass(n.note - minorRoot) == 5) notes.push_back({n.string, n.fret + 1, n.note + 1});
        }
        box.notes = std::move(notes);
        for (const PatternNote& n : box.notes) box.highest = std::max(box.highest, n.fret);
      }
      boxes.push_back(std::move(box));
    }
  }
  return boxes;
}

}  // namespace fretlab::position_patterns
