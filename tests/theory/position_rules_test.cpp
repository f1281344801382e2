// Every position of every system, for every root and every scale it applies
// to, in the tunings it applies to, against the systems' rules: scale notes
// only, three notes per string and two per box string, continuous runs,
// spans, roots, joins, and together the whole neck from the capo up.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "theory/scale_catalogue.h"
#include "theory/scale_positions.h"

namespace fretlab {
namespace {

struct Case {
  PositionSystem system;
  const Tuning& tuning;
  int capo;
  const KeySpelling& key;
  std::string what;
};

std::vector<Tuning> AllTunings() {
  std::vector<Tuning> tunings(PresetTunings().begin(), PresetTunings().end());
  tunings.push_back(*ParseTuning("F#1 B1 E2 A2 D3 G3 B3 E4"));  // eight strings
  return tunings;
}

// Notes of the key ascending from a pitch: the next one above `note`.
int NextInKey(const KeySpelling& key, int note) {
  for (int n = note + 1;; ++n) {
    if (key.IndexOfPitchClass(PitchClass(n)) >= 0) return n;
  }
}

// Whole: no note of it lies past the capo or the last fret.
bool Complete(const ScalePosition& p, const Case&) { return !p.cut; }

void CheckEachPosition(const ScalePosition& p, const Case& c, bool blues) {
  std::set<std::pair<int, int>> seen;
  int low = 99, high = -1;
  for (const MarkedPosition& m : p.notes) {
    ASSERT_GE(m.degreeIndex, 0) << c.what;
    EXPECT_EQ(m.note, c.tuning.NoteAt(m.position.string, m.position.fret));
    EXPECT_EQ(PitchClass(m.note), c.key.NoteAt(m.degreeIndex).PitchClass()) << c.what;
    EXPECT_GE(m.position.fret, c.capo);
    EXPECT_LE(m.position.fret, c.tuning.HighestFret());
    EXPECT_TRUE(seen.insert({m.position.string, m.position.fret}).second) << c.what;
    low = std::min(low, m.position.fret), high = std::max(high, m.position.fret);
    const bool root = PitchClass(m.note) == c.key.Root().PitchClass();
    EXPECT_EQ(std::count(p.roots.begin(), p.roots.end(), m.position), root ? 1 : 0) << c.what;
  }
  EXPECT_EQ(p.span, (FretRange{low, high})) << c.what;
  if (!Complete(p, c)) return;
  // Within one string, and across the strings, each note the next of the
  // scale (the blue note counted in): a run with none left out.
  std::vector<int> run;
  for (StringIndex s = c.tuning.StringCount() - 1; s >= 0; --s) {
    std::vector<int> string;
    for (const MarkedPosition& m : p.notes) {
      if (m.position.string == s) string.push_back(m.note);
    }
    const int blue = blues ? static_cast<int>(std::count_if(string.begin(), string.end(), [&](int n) {
      return PitchClass(n - c.key.Root().PitchClass()) == 6;
    })) : 0;
    const int per = c.system == PositionSystem::kThreeNotesPerString ? 3
                    : c.system == PositionSystem::kPentatonicBox     ? 2
                                                                     : -1;
    if (per > 0) {
      EXPECT_EQ(static_cast<int>(string.size()) - blue, per) << c.what << " " << p.Name();
    }
    run.insert(run.end(), string.begin(), string.end());
  }
  for (std::size_t i = 1; i < run.size(); ++i) {
    EXPECT_EQ(run[i], NextInKey(c.key, run[i - 1])) << c.what << " " << p.Name() << " note " << i;
  }
  if (c.system == PositionSystem::kCaged) {
    EXPECT_LE(high - low, 4) << c.what << " " << p.Name();
  }
  if (c.system == PositionSystem::kPentatonicBox && c.tuning.name == "Standard") {
    EXPECT_LE(high - low, 4) << c.what << " " << p.Name();
  }
  if (c.system == PositionSystem::kThreeNotesPerString && c.tuning.name == "Standard") {
    EXPECT_LE(high - low, 7) << c.what << " " << p.Name();
  }
}

void CheckSet(const PositionSet& set, const Case& c, bool blues) {
  ASSERT_TRUE(set.unavailable.empty()) << c.what << ": " << set.unavailable;
  ASSERT_FALSE(set.positions.empty()) << c.what;
  std::set<int> numbers;
  std::set<std::pair<int, int>> covered;
  const ScalePosition* lastComplete = nullptr;
  int whole = 0;
  for (std::size_t i = 0; i < set.positions.size(); ++i) {
    const ScalePosition& p = set.positions[i];
    EXPECT_EQ(p.system, c.system);
    numbers.insert(p.number);
    CheckEachPosition(p, c, blues);
    for (const MarkedPosition& m : p.notes) covered.insert({m.position.string, m.position.fret});
    // Whole positions follow one another up the neck.
    if (Complete(p, c)) {
      if (lastComplete) {
        EXPECT_LE(lastComplete->span.from, p.span.from) << c.what;
      }
      lastComplete = &p;
      ++whole;
    }
    // Each joins the next: the notes they share, played by both; whole
    // positions always share some.
    if (i + 1 < set.positions.size()) {
      const ScalePosition& next = set.positions[i + 1];
      if (Complete(p, c) && Complete(next, c)) {
        EXPECT_FALSE(p.joinsNext.empty()) << c.what << " " << p.Name() << " at " << p.span.from;
      }
      for (const Position& j : p.joinsNext) {
        EXPECT_TRUE(p.Contains(j) && next.Contains(j)) << c.what;
      }
    } else {
      EXPECT_TRUE(p.joinsNext.empty());
    }
  }
  EXPECT_GE(whole, PositionCount(c.system)) << c.what;
  const int count = PositionCount(c.system), first = c.system == PositionSystem::kCaged ? 0 : 1;
  for (int n = first; n < first + count; ++n) EXPECT_TRUE(numbers.count(n)) << c.what << " " << n;
  EXPECT_EQ(numbers.size(), static_cast<std::size_t>(count)) << c.what;
  // Together, every note of the scale on the neck from the capo up.
  NeckArea area;
  area.capo = c.capo;
  for (const MarkedPosition& m : ChoicePositions(c.tuning, area, c.key)) {
    EXPECT_TRUE(covered.count({m.position.string, m.position.fret}))
        << c.what << ": string " << m.position.string << " fret " << m.position.fret;
  }
}

void CheckEverywhere(PositionSystem system, const std::vector<Tuning>& tunings) {
  int checked = 0;
  for (const Tuning& tuning : tunings) {
    for (const CatalogueEntry& entry : Scales()) {
      for (int root = 0; root < 12; ++root) {
        const KeySpelling key = KeySpelling::Automatic(root, entry, Accidentals::kSharps);
        for (int capo : {0, 3}) {
          const PositionSet set = FindPositions(system, tuning, capo, key);
          if (!set.unavailable.empty()) {
            EXPECT_TRUE(set.positions.empty());
            continue;
          }
          const Case c{system, tuning, capo, key,
                       tuning.name + " " + std::to_string(root) + " " + std::string(entry.name) +
                           " capo " + std::to_string(capo)};
          CheckSet(set, c, entry.name == "Blues");
          ++checked;
        }
      }
    }
  }
  EXPECT_GT(checked, 0);
}

TEST(PositionRules, CagedShapesOfEveryMajorModePentatonicAndBlues) {
  std::vector<Tuning> tunings;
  for (const char* name : {"Standard", "Half step down", "Whole step down"}) {
    tunings.push_back(*FindPresetTuning(name));
  }
  CheckEverywhere(PositionSystem::kCaged, tunings);
  // Seven modes, two pentatonics and the blues on 12 roots have them.
  int applies = 0;
  for (const CatalogueEntry& entry : Scales()) {
    const KeySpelling key = KeySpelling::Automatic(0, entry, Accidentals::kSharps);
    applies += FindPositions(PositionSystem::kCaged, tunings[0], 0, key).unavailable.empty();
  }
  EXPECT_EQ(applies, 10);
}

TEST(PositionRules, ThreeNotesPerStringOfEverySevenNoteScaleInEveryTuning) {
  CheckEverywhere(PositionSystem::kThreeNotesPerString, AllTunings());
}

TEST(PositionRules, BoxesOfThePentatonicsAndBluesInEveryTuning) {
  CheckEverywhere(PositionSystem::kPentatonicBox, AllTunings());
}

}  // namespace
}  // namespace fretlab
