// Triads on string sets: C major on two string sets written out by hand,
// then every triad on every root and string set against the rules.

#include "theory/triads.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace fretlab {
namespace {

const Tuning& Standard() { return PresetTunings().front(); }

ChordSymbol Triad(std::string_view symbol) { return *ParseChordSymbol(symbol); }

// "5 5 3" frets from the lowest of the three strings, with the label.
std::vector<std::string> Written(const std::vector<TriadVoicing>& triads) {
  std::vector<std::string> out;
  for (const TriadVoicing& t : triads) {
    out.push_back(std::to_string(t.notes[0].position.fret) + " " +
                  std::to_string(t.notes[1].position.fret) + " " +
                  std::to_string(t.notes[2].position.fret) + " " + t.Label());
  }
  return out;
}

TEST(Triads, CMajorOnTheTopStringsAndOnStringsTwoToFour) {
  EXPECT_EQ(Written(TriadsOnStrings(Standard(), 0, Triad("C"), 0)),
            (std::vector<std::string>{"0 1 0 second inversion", "5 5 3 root position",
                                      "9 8 8 first inversion", "12 13 12 second inversion",
                                      "17 17 15 root position", "21 20 20 first inversion"}));
  EXPECT_EQ(Written(TriadsOnStrings(Standard(), 0, Triad("C"), 1)),
            (std::vector<std::string>{"2 0 1 first inversion", "5 5 5 second inversion",
                                      "10 9 8 root position", "14 12 13 first inversion",
                                      "17 17 17 second inversion", "22 21 20 root position"}));
  // With a capo on fret 3 the voicings below it are gone.
  for (const TriadVoicing& t : TriadsOnStrings(Standard(), 3, Triad("C"), 0)) {
    EXPECT_GE(t.span.from, 3);
  }
}

TEST(Triads, EveryTriadOnEveryRootAndStringSetKeepsCloseAndInverted) {
  const std::vector<const char*> qualities = {"", "m", "dim", "aug", "sus2", "sus4"};
  for (const Tuning& tuning : {Standard(), *FindPresetTuning("DADGAD"), *FindPresetTuning("7-string")}) {
    for (const char* quality : qualities) {
      for (int root = 0; root < 12; ++root) {
        const ChordSymbol chord =
            Triad(NoteName(SpellPitchClass(root, Accidentals::kKeyNames), SignStyle::kAscii) + quality);
        for (StringIndex top = 0; top + 2 < tuning.StringCount(); ++top) {
          const auto triads = TriadsOnStrings(tuning, 0, chord, top);
          std::set<int> inversions;
          for (const TriadVoicing& t : triads) {
            inversions.insert(t.inversion);
            EXPECT_EQ(t.top, top);
            for (int i = 0; i < 3; ++i) {
              const MarkedPosition& m = t.notes[i];
              EXPECT_EQ(m.position.string, top + 2 - i);
              EXPECT_EQ(m.note, tuning.NoteAt(m.position.string, m.position.fret));
              EXPECT_EQ(m.degreeIndex, (t.inversion + i) % 3);
              EXPECT_EQ(PitchClass(m.note - root), chord.tones[m.degreeIndex].degree.Semitones());
              if (i > 0) {
                EXPECT_LT(t.notes[i - 1].note, m.note);
              }
            }
            EXPECT_LT(t.notes[2].note - t.notes[0].note, 12) << "close position";
            EXPECT_LE(t.span.to - t.span.from, 4);
          }
          // In standard tuning all three inversions lie on every string set.
          if (tuning.name == "Standard") {
            EXPECT_EQ(inversions.size(), 3u) << quality << root;
          }
        }
      }
    }
  }
}

TEST(Triads, StringSetsAndNames) {
  EXPECT_EQ(ParseTriadStrings("1-3", 6), 0);
  EXPECT_EQ(ParseTriadStrings("2\u20134", 6), 1);
  EXPECT_EQ(ParseTriadStrings("4-6", 6), 3);
  EXPECT_EQ(ParseTriadStrings("5-7", 7), 4);
  for (const char* bad : {"", "1-2", "1-4", "4-6x", "0-2", "5-7", "3", "a-c"}) {
    EXPECT_FALSE(ParseTriadStrings(bad, 6)) << bad;
  }
  EXPECT_EQ(TriadStringsText(1), "2\u20134");
  EXPECT_EQ(InversionName(0), "root position");
  EXPECT_EQ(InversionName(2), "second inversion");
  EXPECT_TRUE(TriadsOnStrings(Standard(), 0, Triad("C7"), 0).empty());
  EXPECT_TRUE(TriadsOnStrings(Standard(), 0, Triad("C"), 4).empty());
}

}  // namespace
}  // namespace fretlab
